#include "framework/host/HelpIndex.h"

#include <array>

namespace {

struct Topic {
    const char* keyword;
    const char* page;
};

// Keywords the windows name, then the pages reached only from the contents.
constexpr std::array<Topic, 22> topics{{
    {HelpIndex::ContentsKeyword, "contents.html"},
    {"Contents", "contents.html"},
    {HelpIndex::HowToUseHelpKeyword, "using-help.html"},
    {"Wareloft Program", "main-window.html"},
    {"Wareloft", "archive.html"},
    {"Update Archive", "archive-entry.html"},
    {"Software Class", "classes.html"},
    {"Pricing", "class-entry.html"},
    {"Software Producers", "producers.html"},
    {"Scan options", "scan-options.html"},
    {"Scan results", "scan-results.html"},
    {"Configure drives", "drives.html"},
    {"Search Results", "search-results.html"},
    {"system options", "options.html"},
    {"Users", "users.html"},
    {"logbook", "logbook.html"},
    {"Logon", "logon.html"},
    {"Extended Search", "search.html"},
    {"Send Message", "send-message.html"},
    {"File viewer", "file-viewer.html"},
    {"Printing", "printing.html"},
    {"Backup and restore", "backup.html"},
}};

} // namespace

namespace HelpIndex {

QString pageFor(const QString& keyword) {
    const QString wanted = keyword.trimmed();
    for (const Topic& t : topics) {
        if (wanted.compare(QLatin1String(t.keyword), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(t.page);
    }
    return QStringLiteral("contents.html");
}

QUrl urlFor(const QString& keyword) {
    return QUrl(QStringLiteral("qrc:/help/") + pageFor(keyword));
}

QStringList keywords() {
    QStringList all;
    for (const Topic& t : topics)
        all << QString::fromLatin1(t.keyword);
    return all;
}

} // namespace HelpIndex
