#include "framework/IniDocument.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Line breaks in a value would split the entry; they become blanks.
QString oneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.trimmed();
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QString entryOf(const QString& name, qsizetype n) {
    return name + QLatin1Char('_') + QString::number(n);
}

// n when `folded` is "name_n" with n from 1, else 0.
qsizetype listIndex(const QString& folded, const QString& foldedName) {
    if (!folded.startsWith(foldedName + QLatin1Char('_'))) return 0;
    bool ok = false;
    const qsizetype n = folded.mid(foldedName.size() + 1).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

} // namespace

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    QString text = decode(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString raw = lines[n];
        if (raw.endsWith(QLatin1Char('\r'))) raw.chop(1);
        if (n == lines.size() - 1 && raw.isEmpty()) break; // the final line break
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            doc.sections_.push_back({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        if (doc.sections_.empty()) {
            doc.preamble_.append(raw);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        Line entry{{}, {}, raw};
        if (equals > 0) {
            entry.name = line.left(equals).trimmed();
            entry.value = line.mid(equals + 1).trimmed();
        }
        doc.sections_.back().lines.push_back(std::move(entry));
    }
    return doc;
}

QByteArray IniDocument::serialize() const {
    QString out;
    for (const auto& line : preamble_)
        out += line + QLatin1Char('\n');
    for (const auto& section : sections_) {
        out += QLatin1Char('[') + section.name + QLatin1String("]\n");
        for (const auto& line : section.lines) {
            out += line.name.isEmpty() ? line.raw : line.name + QLatin1Char('=') + line.value;
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

std::optional<QString> IniDocument::value(const QString& section, const QString& entry) const {
    const QString name = entry.trimmed();
    for (const auto& s : sections_) {
        if (!same(s.name, section.trimmed())) continue;
        for (const auto& line : s.lines)
            if (!line.name.isEmpty() && same(line.name, name)) return line.value;
    }
    return std::nullopt;
}

QHash<QString, QString> IniDocument::entries(const QString& section) const {
    QHash<QString, QString> out;
    // Backwards, since a later insert of a name replaces an earlier one and the first counts.
    for (auto s = sections_.rbegin(); s != sections_.rend(); ++s) {
        if (!same(s->name, section.trimmed())) continue;
        for (auto line = s->lines.rbegin(); line != s->lines.rend(); ++line)
            if (!line->name.isEmpty()) out.insert(fold(line->name), line->value);
    }
    return out;
}

IniDocument::Section& IniDocument::sectionForNew(const QString& name) {
    for (auto& s : sections_)
        if (same(s.name, name)) return s;
    if (!sections_.empty()) sections_.back().lines.push_back(Line{{}, {}, {}});
    sections_.push_back({name, {}});
    return sections_.back();
}

// After the section's last entry; in a section without entries, before its trailing blank
// lines.
std::vector<IniDocument::Line>::iterator IniDocument::placeForNew(std::vector<Line>& lines) {
    auto at = std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) {
                  return !l.name.isEmpty();
              }).base();
    if (at == lines.begin())
        for (at = lines.end(); at != lines.begin() && std::prev(at)->raw.trimmed().isEmpty();)
            --at;
    return at;
}

void IniDocument::setValue(const QString& section, const QString& entry, const QString& value) {
    const QString sectionName = section.trimmed();
    const QString name = entry.trimmed();
    for (auto& s : sections_) {
        if (!same(s.name, sectionName)) continue;
        for (auto& line : s.lines) {
            if (!line.name.isEmpty() && same(line.name, name)) {
                line.value = oneLine(value);
                return;
            }
        }
    }
    auto& lines = sectionForNew(sectionName).lines;
    lines.insert(placeForNew(lines), Line{name, oneLine(value), {}});
}

void IniDocument::setList(const QString& section, const QString& name, const QStringList& values) {
    const QString sectionName = section.trimmed();
    const QString foldedName = fold(name);
    QHash<QString, Line*> first;
    for (auto& s : sections_) {
        if (!same(s.name, sectionName)) continue;
        // Entries of the list beyond its new end go.
        std::erase_if(s.lines, [&](const Line& l) {
            return !l.name.isEmpty() && listIndex(fold(l.name), foldedName) > values.size();
        });
        for (auto& line : s.lines)
            if (!line.name.isEmpty() && !first.contains(fold(line.name)))
                first.insert(fold(line.name), &line);
    }
    std::vector<Line> added;
    const auto put = [&](const QString& entry, const QString& value) {
        if (Line* line = first.value(fold(entry))) {
            line->value = oneLine(value);
            return;
        }
        added.push_back(Line{entry, oneLine(value), {}});
    };
    put(name.trimmed(), QString::number(values.size()));
    for (qsizetype n = 0; n < values.size(); ++n)
        put(entryOf(name.trimmed(), n + 1), values[n]);
    if (added.empty()) return;
    auto& lines = sectionForNew(sectionName).lines;
    lines.insert(placeForNew(lines), std::make_move_iterator(added.begin()),
                 std::make_move_iterator(added.end()));
}

IniDocument IniDocument::load(const QString& path, Loaded* how, QString* why) {
    Loaded result = Loaded::Read;
    QString reason;
    IniDocument doc;
    // Without waiting: a pipe put in the file's place must not hold up the start.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd < 0) {
        result = errno == ENOENT ? Loaded::Missing : Loaded::Unreadable;
        reason = QString::fromLocal8Bit(std::strerror(errno));
    } else if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        result = Loaded::NotAFile;
        reason = QStringLiteral("it is not a plain file");
    } else if (st.st_size > LargestFile) {
        result = Loaded::TooLarge;
        reason = QStringLiteral("it is larger than %1 MiB").arg(LargestFile >> 20);
    } else {
        QFile file;
        if (file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
            const QByteArray bytes = file.read(LargestFile + 1);
            if (file.error() != QFileDevice::NoError) {
                result = Loaded::Unreadable;
                reason = file.errorString();
            } else if (bytes.size() > LargestFile) {
                result = Loaded::TooLarge;
                reason = QStringLiteral("it is larger than %1 MiB").arg(LargestFile >> 20);
            } else {
                doc = parse(bytes);
            }
        } else {
            result = Loaded::Unreadable;
            reason = file.errorString();
        }
    }
    if (fd >= 0) ::close(fd);
    if (how) *how = result;
    if (why) *why = reason;
    return doc;
}

bool IniDocument::save(const QString& path) const {
    struct stat before;
    const bool existed = ::stat(QFile::encodeName(path).constData(), &before) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(serialize());
    if (!file.commit()) return false;
    if (existed) ::chmod(QFile::encodeName(path).constData(), before.st_mode & 07777);
    return true;
}
