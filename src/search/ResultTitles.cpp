#include "search/ResultTitles.h"

#include "framework/Pictures.h"

namespace search {

namespace {

QString clip(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString dateHeading(qint32 from, qint32 till) {
    const QString f = Pictures::format(from, QStringLiteral("@D6"));
    const QString t = Pictures::format(till, QStringLiteral("@D6"));
    if (from != 0 && till == 0) return QStringLiteral("Results of search from date ") + f;
    if (from == 0 && till != 0) return QStringLiteral("Results of search till date ") + t;
    return QStringLiteral("Results of search from date ") + f + QStringLiteral(" till date ") + t;
}

} // namespace

QString resultsTitle(qint64 count, qint32 from, qint32 till, const QString& phrase,
                     const QString& subjectLabel) {
    if (clip(subjectLabel) == QLatin1String("Date")) return dateHeading(from, till);
    return QStringLiteral("Search result of ") + clip(subjectLabel) + QStringLiteral(": ") +
           clip(phrase) + QStringLiteral(" -- ") + QString::number(count) +
           QStringLiteral(" found");
}

QString reportHeading(qint32 from, qint32 till, const QString& phrase,
                      const QString& subjectLabel) {
    if (clip(phrase).isEmpty()) return dateHeading(from, till);
    return QStringLiteral("Results of search for phrase : ") + clip(phrase) +
           QStringLiteral(" in ") + clip(subjectLabel);
}

QString previewTitle(qint32 from, qint32 till, const QString& phrase, const QString& subjectLabel) {
    if (clip(phrase).isEmpty()) return dateHeading(from, till);
    return QStringLiteral("Results of search for phrase ") + clip(phrase) + QStringLiteral(" in ") +
           clip(subjectLabel);
}

} // namespace search
