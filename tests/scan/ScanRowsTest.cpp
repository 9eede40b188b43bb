#include "scan/ScanRows.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

ScanFileEntry row(const QString& name, const QString& attribute = "File", qint64 size = 0,
                  qint32 date = 0, qint32 time = 0) {
    ScanFileEntry e;
    e.SCANFILENAME = name;
    e.ATTRIB = attribute;
    e.SIZE = size;
    e.DATE = date;
    e.TIME = time;
    return e;
}

QStringList names(const std::vector<ScanFileEntry>& rows) {
    QStringList out;
    for (const ScanFileEntry& e : rows)
        out << e.SCANFILENAME.str();
    return out;
}

TEST(ScanRowsTest, ActionsByTheExtensionAfterTheFirstDot) {
    using ScanRows::Action;
    const std::pair<const char*, Action> cases[] = {
        {"README.TXT", Action::Read},
        {"tools\\a.hlp", Action::Read},
        {"A.zip", Action::Read},
        {"SETUP.EXE", Action::Start},
        {"X.com", Action::Start},
        {"GO.BAT", Action::Run},
        {"PIC.jpg", Action::View},
        {"M.AVI", Action::View},
        {"DATA.DAT", Action::None},
        {"SETUP.V2.TXT", Action::None},    // its extension is "V2."
        {"V1.0\\SETUP.EXE", Action::None}, // the first dot is in the path
        {"NOEXT", Action::None}};
    for (const auto& [name, action] : cases)
        EXPECT_EQ(ScanRows::actionOf(row(name)), action) << name;
    EXPECT_EQ(ScanRows::actionOf(row("TOOLS.EXE", "Directory")), Action::Explore);
    EXPECT_EQ(ScanRows::buttonText(Action::Start), "S&tart");
    EXPECT_EQ(ScanRows::buttonText(Action::Explore), "&Xplore");
    EXPECT_TRUE(ScanRows::buttonText(Action::None).isEmpty());

    EXPECT_EQ(ScanRows::openingOf("A.LOG"), ScanRows::Opening::TextViewer);
    EXPECT_EQ(ScanRows::openingOf("A.HLP"), ScanRows::Opening::Shell) << "read by the shell";
    EXPECT_EQ(ScanRows::openingOf("A.ico"), ScanRows::Opening::Picture);
    EXPECT_EQ(ScanRows::openingOf("A.MPG"), ScanRows::Opening::Shell);
}

TEST(ScanRowsTest, PopupMenusByRowAndHistoryAndTheirCommands) {
    using ScanRows::Action;
    using ScanRows::Command;
    EXPECT_EQ(ScanRows::popupItems(Action::Read, false, false),
              "&Read|&Back|-|Add &Selected|&Add All|-|&Print|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::Read, false, true),
              "&Read|-|Add &Selected|&Add All|-|&Print|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::Start, false, false),
              "&Back|-|Add &Selected|&Add All|-|&Start|-|&Print|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::View, false, true),
              "Add &Selected|&Add All|-|&View|-|&Print|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::Explore, false, false),
              "&Xplore|&Back|-|&Add All|-|&Print|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::None, false, true),
              "&Add &Selected|&Add All|-|&Print|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::None, false, false),
              "&Back|-|Add &Selected|&Add All|-|&Print|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::Read, true, false), "&Back|-|&Help|-|&Close");
    EXPECT_EQ(ScanRows::popupItems(Action::Read, true, true), "&Help|-|&Close");

    const QString read = ScanRows::popupItems(Action::Read, false, false);
    EXPECT_EQ(ScanRows::popupCommand(read, 1), Command::Read);
    EXPECT_EQ(ScanRows::popupCommand(read, 2), Command::Back);
    EXPECT_EQ(ScanRows::popupCommand(read, 4), Command::AddAll);
    EXPECT_EQ(ScanRows::popupCommand(read, 7), Command::Close);
    EXPECT_EQ(ScanRows::popupCommand(read, 0), Command::None);
    EXPECT_EQ(ScanRows::popupCommand(read, 8), Command::None);
    EXPECT_EQ(ScanRows::popupCommand(ScanRows::popupItems(Action::None, false, true), 1),
              Command::AddSelected);
}

TEST(ScanRowsTest, TitleShowsTheSettledNumberDiskFirst) {
    EXPECT_EQ(ScanRows::title("CD", 12, 0, "D:\\", "TOOLS\\", 34),
              "Scanning CDNr 12 -- Dir : D:\\TOOLS\\ -- 34 records");
    EXPECT_EQ(ScanRows::title("Disk", 3, 5, "C:\\", "", 0),
              "Scanning DiskNr 5 -- Dir : C:\\ -- 0 records");
    EXPECT_EQ(ScanRows::title("CD", 0, 0, "D:\\", "", 2), "Scanning CD -- Dir : D:\\ -- 2 records");
}

TEST(ScanRowsTest, HeaderSortsBreakTiesByTheirFurtherKeys) {
    using ScanRows::Column;
    std::vector<ScanFileEntry> rows{
        row("b.exe", "File", 10, 100, 5), row("a.exe", "File", 20, 100, 5),
        row("c.exe", "File", 10, 100, 9), row("d.exe", "File", 10, 200, 1),
        row("SUB", "Directory", 0, 50, 1)};
    ScanRows::sortByHeader(rows, {Column::Kb, true});
    EXPECT_EQ(names(rows), (QStringList{"a.exe", "d.exe", "c.exe", "b.exe", "SUB"}))
        << "size down, then date down, time down";
    ScanRows::sortByHeader(rows, {Column::Kb, false});
    EXPECT_EQ(names(rows), (QStringList{"SUB", "d.exe", "c.exe", "b.exe", "a.exe"}))
        << "the further keys keep their own directions";
    ScanRows::sortByHeader(rows, {Column::Date, false});
    EXPECT_EQ(names(rows), (QStringList{"SUB", "c.exe", "a.exe", "b.exe", "d.exe"}))
        << "date up, then time down, then name up";
    ScanRows::sortByHeader(rows, {Column::Time, true});
    EXPECT_EQ(names(rows), (QStringList{"c.exe", "b.exe", "a.exe", "d.exe", "SUB"}))
        << "time down, then date down, size up, name up";
    ScanRows::sortByHeader(rows, {Column::FileName, true});
    EXPECT_EQ(names(rows), (QStringList{"SUB", "d.exe", "c.exe", "b.exe", "a.exe"}));
    ScanRows::sortByHeader(rows, {Column::Attribute, true});
    EXPECT_EQ(names(rows), (QStringList{"a.exe", "b.exe", "c.exe", "d.exe", "SUB"}));

    ScanRows::sortForScan(rows);
    EXPECT_EQ(names(rows), (QStringList{"SUB", "a.exe", "b.exe", "c.exe", "d.exe"}));
}

} // namespace
