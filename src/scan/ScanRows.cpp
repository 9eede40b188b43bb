#include "scan/ScanRows.h"

#include "core/FileNames.h"

#include <QStringList>
#include <algorithm>

namespace ScanRows {

bool isDirectory(const ScanFileEntry& row) {
    return row.ATTRIB.str() == QLatin1String("Directory");
}

Action actionOf(const ScanFileEntry& row) {
    if (isDirectory(row)) return Action::Explore;
    const QString ext = FileNames::extension(row.SCANFILENAME);
    auto in = [&](std::initializer_list<const char*> list) {
        return std::any_of(list.begin(), list.end(),
                           [&](const char* e) { return ext == QLatin1String(e); });
    };
    if (in({"TXT", "LOG", "INI", "HLP", "BAK", "DOC", "ZIP", "WRI", "HTM"})) return Action::Read;
    if (in({"EXE", "COM"})) return Action::Start;
    if (ext == QLatin1String("BAT")) return Action::Run;
    if (in({"GIF", "JPG", "PCX", "BMP", "ICO", "WMF", "MPG", "AVI"})) return Action::View;
    return Action::None;
}

QString buttonText(Action action) {
    switch (action) {
    case Action::Read:
        return QStringLiteral("&Read");
    case Action::Start:
        return QStringLiteral("S&tart");
    case Action::Run:
        return QStringLiteral("&Run");
    case Action::View:
        return QStringLiteral("&View");
    case Action::Explore:
        return QStringLiteral("&Xplore");
    case Action::None:
        break;
    }
    return {};
}

Opening openingOf(const QString& name) {
    const QString ext = FileNames::extension(name);
    for (const char* e : {"TXT", "LOG", "INI", "BAK"})
        if (ext == QLatin1String(e)) return Opening::TextViewer;
    for (const char* e : {"GIF", "JPG", "PCX", "BMP", "ICO", "WMF"})
        if (ext == QLatin1String(e)) return Opening::Picture;
    return Opening::Shell;
}

QString popupItems(Action action, bool listEmpty, bool historyEmpty) {
    const QString back = historyEmpty ? QString() : QStringLiteral("&Back|");
    const QString tail = QStringLiteral("&Print|-|&Help|-|&Close");
    const QString adds = QStringLiteral("Add &Selected|&Add All|-|");
    if (listEmpty)
        return historyEmpty ? QStringLiteral("&Help|-|&Close")
                            : QStringLiteral("&Back|-|&Help|-|&Close");
    switch (action) {
    case Action::Read:
        return QStringLiteral("&Read|") + (historyEmpty ? QStringLiteral("-|") : back + "-|") +
               adds + tail;
    case Action::Start:
        return (historyEmpty ? QString() : back + "-|") + adds + "&Start|-|" + tail;
    case Action::Run:
        return (historyEmpty ? QString() : back + "-|") + adds + "&Run|-|" + tail;
    case Action::View:
        return (historyEmpty ? QString() : back + "-|") + adds + "&View|-|" + tail;
    case Action::Explore:
        return QStringLiteral("&Xplore|") + (historyEmpty ? QString() : back) + "-|&Add All|-|" +
               tail;
    case Action::None:
        break;
    }
    return historyEmpty ? QStringLiteral("&Add &Selected|&Add All|-|") + tail
                        : back + "-|" + adds + tail;
}

Command popupCommand(const QString& items, int chosen) {
    QStringList labels;
    for (QString item : items.split(QLatin1Char('|'))) {
        if (item == QLatin1String("-")) continue;
        labels << item.remove(QLatin1Char('~')).remove(QLatin1Char('&'));
    }
    if (chosen < 1 || chosen > labels.size()) return Command::None;
    const QString& label = labels[chosen - 1];
    static const std::pair<const char*, Command> commands[] = {
        {"Back", Command::Back},
        {"Read", Command::Read},
        {"Start", Command::Start},
        {"Run", Command::Run},
        {"View", Command::View},
        {"Xplore", Command::Explore},
        {"Add Selected", Command::AddSelected},
        {"Add All", Command::AddAll},
        {"Print", Command::Print},
        {"Help", Command::Help},
        {"Close", Command::Close}};
    for (const auto& [text, command] : commands)
        if (label == QLatin1String(text)) return command;
    return Command::None;
}

QString title(const QString& kindLabel, quint16 cdNr, quint16 diskNr, const QString& drive,
              const QString& path, int remaining) {
    QString number;
    if (diskNr != 0)
        number = QStringLiteral("Nr %1").arg(diskNr);
    else if (cdNr != 0)
        number = QStringLiteral("Nr %1").arg(cdNr);
    return QStringLiteral("Scanning %1%2 -- Dir : %3%4 -- %5 records")
        .arg(kindLabel.trimmed(), number, drive.trimmed(), path.trimmed())
        .arg(remaining);
}

namespace {

struct Key {
    Column column;
    bool descending;
};

int compare(const ScanFileEntry& a, const ScanFileEntry& b, Column column) {
    switch (column) {
    case Column::FileName:
        return a.SCANFILENAME.str().compare(b.SCANFILENAME.str(), Qt::CaseInsensitive);
    case Column::Attribute:
        return a.ATTRIB.str().compare(b.ATTRIB.str(), Qt::CaseInsensitive);
    case Column::Kb:
        return a.SIZE < b.SIZE ? -1 : a.SIZE > b.SIZE;
    case Column::Date:
        return a.DATE < b.DATE ? -1 : a.DATE > b.DATE;
    case Column::Time:
        return a.TIME < b.TIME ? -1 : a.TIME > b.TIME;
    }
    return 0;
}

void sortBy(std::vector<ScanFileEntry>& rows, const std::vector<Key>& keys) {
    std::stable_sort(rows.begin(), rows.end(), [&](const ScanFileEntry& a, const ScanFileEntry& b) {
        for (const Key& k : keys)
            if (const int c = compare(a, b, k.column)) return k.descending ? c > 0 : c < 0;
        return false;
    });
}

} // namespace

void sortByHeader(std::vector<ScanFileEntry>& rows, Sort sort) {
    constexpr bool Up = false, Down = true;
    std::vector<Key> keys{{sort.column, sort.descending}};
    switch (sort.column) {
    case Column::FileName:
        keys.insert(keys.end(), {{Column::Attribute, Up},
                                 {Column::Date, Down},
                                 {Column::Time, Down},
                                 {Column::Kb, Up}});
        break;
    case Column::Attribute:
        keys.insert(
            keys.end(),
            {{Column::FileName, Up}, {Column::Date, Down}, {Column::Time, Down}, {Column::Kb, Up}});
        break;
    case Column::Kb:
        keys.insert(keys.end(), {{Column::Date, Down},
                                 {Column::Time, Down},
                                 {Column::FileName, Up},
                                 {Column::Attribute, Up}});
        break;
    case Column::Date:
        keys.insert(keys.end(), {{Column::Time, Down}, {Column::FileName, Up}, {Column::Kb, Up}});
        break;
    case Column::Time:
        keys.insert(keys.end(), {{Column::Date, Down}, {Column::Kb, Up}, {Column::FileName, Up}});
        break;
    }
    sortBy(rows, keys);
}

void sortForScan(std::vector<ScanFileEntry>& rows) {
    sortBy(rows, {{Column::Attribute, false}, {Column::FileName, false}, {Column::Kb, false}});
}

void sortByAttribute(std::vector<ScanFileEntry>& rows) {
    sortBy(rows, {{Column::Attribute, false}});
}

} // namespace ScanRows
