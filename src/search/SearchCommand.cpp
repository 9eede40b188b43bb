#include "search/SearchCommand.h"

#include "core/Dictionary.h"
#include "framework/DayNumbers.h"
#include "framework/Pictures.h"
#include "framework/store/RecordStore.h"
#include "search/Folding.h"
#include "search/PassSearch.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

// ISO 8601 (2024-03-31) or day/month/year (31/3/2024); 0 when not a date.
qint32 dayOf(const QString& text) {
    const QDate iso = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (iso.isValid()) return Pictures::dayNumber(iso);
    if (!text.contains(QLatin1Char('/'))) return 0;
    const std::optional<qint64> day = Pictures::parse(text.trimmed(), QStringLiteral("@D6"));
    return day && Pictures::isValidDay(*day) ? qint32(*day) : 0;
}

search::Subject subjectOf(const QString& name) {
    using search::Subject;
    const QString n = name.toLower();
    if (n.isEmpty() || n == "file") return Subject::FileName;
    if (n == "name") return Subject::Name;
    if (n == "producer") return Subject::Producer;
    if (n == "remarks") return Subject::Remarks;
    if (n == "description") return Subject::Description;
    return Subject::None;
}

QString csvField(const QString& value) {
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
        !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString tsvField(QString value) {
    for (QChar c : {QLatin1Char('\t'), QLatin1Char('\n'), QLatin1Char('\r')})
        value.replace(c, QLatin1Char(' '));
    return value;
}

QString number(quint32 n) {
    return n ? QString::number(n) : QString();
}

QString isoDate(qint32 day) {
    const QDate d = Pictures::toDate(day);
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

} // namespace

int runSearch(const SearchCommand& command, std::FILE* output, std::FILE* err) {
    auto fail = [err](const QString& message) {
        std::fprintf(err, "wareloft: %s\n", qPrintable(message));
        return 2;
    };
    search::Question question;
    if (command.dates) {
        question.subject = search::Subject::Date;
        if (command.from.isEmpty() && command.till.isEmpty())
            return fail(QStringLiteral("--search-dates needs --from DATE, --till DATE or both."));
        for (const auto& [text, day] :
             {std::pair{command.from, &question.from}, std::pair{command.till, &question.till}}) {
            if (text.isEmpty()) continue;
            *day = dayOf(text);
            if (*day == 0)
                return fail(
                    QStringLiteral("\"%1\" is not a date (2024-03-31 or 31/3/2024).").arg(text));
        }
    } else {
        question.subject = subjectOf(command.subject);
        if (question.subject == search::Subject::None)
            return fail(QStringLiteral("Unknown subject \"%1\": name, file, producer, remarks "
                                       "or description.")
                            .arg(command.subject));
        question.phrase = command.phrase;
        if (search::phraseOf(question.phrase).empty())
            return fail(QStringLiteral("No phrase to search for."));
    }

    const QString dir =
        command.dataDirectory.isEmpty() ? QDir::currentPath() : command.dataDirectory;
    const FileDef& def = Dictionary::Archief();
    if (!QFileInfo::exists(QDir(dir).filePath(def.diskName)))
        return fail(QStringLiteral("%1 holds no archive (%2).").arg(dir, def.diskName));
    auto store = store::RecordStore::openSqlCipher(dir);
    store::StoreFile& archief = store->declare(def);
    if (archief.open(store::ReadOnly | store::DenyNone) != store::Ok)
        return fail(QStringLiteral("The archive cannot be read: %1 %2")
                        .arg(archief.status().text, archief.status().driverText)
                        .trimmed());
    search::ArchiveScan scan(archief);
    std::optional<search::ResultList> list = search::searchByReading(scan, question);
    if (!list) return fail(scan.error());
    list->sort(search::startingOrder());

    using L = search::ResultList;
    const QChar separator = command.csv ? QLatin1Char(',') : QLatin1Char('\t');
    auto field = [&](const QString& v) { return command.csv ? csvField(v) : tsvField(v); };
    QString out;
    if (command.csv)
        out += QStringLiteral("Nr,CD Nr.,Disk Nr.,Name,File Name,Date,Time,Producer,Remarks\n");
    for (size_t i = 0; i < list->records(); ++i) {
        const L::Row& r = list->row(i);
        const QStringList cells = {
            QString::number(r.nr),
            number(r.cdNr),
            number(r.diskNr),
            field(list->text(i, L::Name)),
            field(list->text(i, L::File)),
            isoDate(r.date),
            Pictures::format(r.time, QStringLiteral("@T4B")).trimmed(),
            field(list->text(i, L::Producer)),
            field(list->text(i, L::Remarks)),
        };
        out += cells.join(separator);
        out += QLatin1Char('\n');
        if (out.size() > 1 << 16) {
            std::fputs(out.toUtf8().constData(), output);
            out.clear();
        }
    }
    std::fputs(out.toUtf8().constData(), output);
    std::fflush(output);
    return list->empty() ? 1 : 0;
}
