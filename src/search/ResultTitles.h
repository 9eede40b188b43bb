#pragma once

#include <QString>

// The texts that name a search: the results window's title, the report's heading and the
// report preview's title.
namespace search {

QString resultsTitle(qint64 count, qint32 from, qint32 till, const QString& phrase,
                     const QString& subjectLabel);
QString reportHeading(qint32 from, qint32 till, const QString& phrase, const QString& subjectLabel);
QString previewTitle(qint32 from, qint32 till, const QString& phrase, const QString& subjectLabel);

} // namespace search
