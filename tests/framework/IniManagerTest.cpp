#include "framework/IniManager.h"
#include "support/DataDirTest.h"

#include <QDir>
#include <thread>

namespace {

using IniManagerTest = DataDirTest;

TEST_F(IniManagerTest, EntriesRoundTripAndIgnoreCase) {
    EXPECT_EQ(ini.Fetch("Main", "XPos"), "");
    EXPECT_EQ(ini.TryFetch("Main", "XPos"), "---Unknown---");
    EXPECT_FALSE(QFile::exists(dataPath("software.INI"))); // reading creates nothing

    ini.Update("Main", "XPos", 120);
    ini.Update("Main", "WallSel", "C:\\Pictures\\ölbild.jpg");
    ini.Update("main", "xpos", "130");
    ini.Update("Jan", "ClassSel", "Games, Tools, Other");
    EXPECT_EQ(ini.Fetch("MAIN", "XPOS"), "130");
    EXPECT_EQ(ini.Fetch("Main", "WallSel"), "C:\\Pictures\\ölbild.jpg");
    EXPECT_EQ(ini.FetchField("Jan", "ClassSel", 2), " Tools");
    EXPECT_EQ(ini.FetchField("Jan", "ClassSel", 3), " Other");
    EXPECT_EQ(ini.FetchField("Jan", "ClassSel", 4), "");

    // The file keeps the case first written, in UTF-8.
    EXPECT_EQ(readFile("software.INI"), "[Main]\nXPos=130\nWallSel=C:\\Pictures\\ölbild.jpg\n\n"
                                        "[Jan]\nClassSel=Games, Tools, Other\n");
}

TEST_F(IniManagerTest, GarbageLinesAreReadAroundAndKept) {
    writeFile("software.INI", "; comment\r\n"
                              "[Main]\r\n"
                              "no equals sign here\r\n"
                              "=orphan\r\n"
                              "  XPos = 10 \r\n"
                              "[Broken\r\n"
                              "[Other]\r\n"
                              "Name=first\r\n"
                              "[MAIN]\r\n"
                              "YPos=20\r\n"
                              "XPos=99\r\n");
    EXPECT_EQ(ini.Fetch("Main", "XPos"), "10"); // the first one counts
    EXPECT_EQ(ini.Fetch("main", "YPos"), "20"); // duplicate sections are read as one
    EXPECT_EQ(ini.Fetch("Main", "no equals sign here"), "");

    ini.Update("Main", "YPos", 21);
    ini.Update("Main", "Width", 300);
    EXPECT_EQ(ini.Fetch("Main", "YPos"), "21");
    EXPECT_EQ(ini.Fetch("Main", "Width"), "300");
    EXPECT_EQ(readFile("software.INI"), "; comment\n[Main]\nno equals sign here\n=orphan\n"
                                        "XPos=10\nWidth=300\n[Broken\n[Other]\nName=first\n"
                                        "[MAIN]\nYPos=21\nXPos=99\n");
}

TEST_F(IniManagerTest, WritesReplaceTheFileWhole) {
    writeFile("software.INI", "[Main]\nXPos=1\n");
    QFile before(dataPath("software.INI"));
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    ini.Update("Main", "YPos", 2);
    EXPECT_EQ(readFile("software.INI"), "[Main]\nXPos=1\nYPos=2\n");
    // The old file was replaced by a new one, not rewritten in place...
    EXPECT_EQ(before.readAll(), "[Main]\nXPos=1\n");
    // ...and no temporary file is left behind.
    EXPECT_EQ(QDir(dataDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"software.INI"});
}

TEST_F(IniManagerTest, WritesFromSeveralThreadsAreNotLost) {
    const auto writer = [this](const QString& prefix) {
        for (int n = 0; n < 40; ++n)
            ini.Update("Shared", prefix + QString::number(n), n);
    };
    std::thread first(writer, QStringLiteral("a")), second(writer, QStringLiteral("b"));
    first.join();
    second.join();
    EXPECT_EQ(ini.Fetch("Shared", "a39"), "39");
    EXPECT_EQ(ini.Fetch("Shared", "b39"), "39");
    EXPECT_EQ(readFile("software.INI").count('\n'), 81);
}

TEST_F(IniManagerTest, AFailedWriteIsSilent) {
    IniManager elsewhere;
    elsewhere.Init("software.INI", dataPath("missing/folder"));
    elsewhere.Update("Main", "XPos", 1);
    EXPECT_EQ(elsewhere.Fetch("Main", "XPos"), "");
}

TEST_F(IniManagerTest, QueuesKeepTheirRecordsInOrder) {
    const std::vector<QStringList> rows = {
        {"BrowsArchief", "List", "Columns"}, {"Prd", "", "Fonts"}, {"Last", "x", "y"}};
    ini.UpdateQueue("Layout", "Cols", rows, 3);
    EXPECT_EQ(ini.Fetch("Layout", "Cols"), "3");
    EXPECT_EQ(ini.Fetch("Layout", "Cols_2"), "Prd,,Fonts");
    EXPECT_EQ(ini.FetchQueue("Layout", "Cols", 3), rows);

    const std::vector<QStringList> firsts = {{"BrowsArchief"}, {"Prd"}, {"Last"}};
    EXPECT_EQ(ini.FetchQueue("Layout", "Cols", 1), firsts);
    ini.UpdateQueue("Layout", "Two", {{"a", "b", "ignored"}}, 2);
    EXPECT_EQ(ini.Fetch("Layout", "Two_1"), "a,b");
    EXPECT_TRUE(ini.FetchQueue("Layout", "Missing", 3).empty());
    ini.Update("Layout", "Bad", "many");
    EXPECT_TRUE(ini.FetchQueue("Layout", "Bad", 3).empty());
}

TEST_F(IniManagerTest, SectorsSurviveKillAndInit) {
    ini.Kill();
    EXPECT_EQ(ini.Fetch("Sectors", "__Dont_Touch_Me__"), "0");

    ini.Init("software.INI", dataDir());
    ini.AddSector("Archive$List$$Columns");
    ini.AddSector("archive$list$$columns"); // already there
    ini.AddSector("Archive$$Fonts");
    ini.AddSector("Search");
    EXPECT_EQ(ini.GetSectors("", "", "").size(), 3u);
    ini.Kill();
    EXPECT_EQ(ini.Fetch("Sectors", "__Dont_Touch_Me__"), "3");
    EXPECT_EQ(ini.Fetch("Sectors", "__Dont_Touch_Me___1"), "Archive,List,Columns");

    IniManager again;
    again.Init("software.INI", dataDir());
    using S = IniManager::Sector;
    EXPECT_EQ(again.GetSectors("ARCHIVE", "", ""),
              (std::vector<S>{{"Archive", "List", "Columns"}, {"Archive", "", "Fonts"}}));
    EXPECT_EQ(again.GetSectors("", "", "Fonts"), (std::vector<S>{{"Archive", "", "Fonts"}}));
    EXPECT_EQ(again.GetSectors("Search", "", ""), (std::vector<S>{{"Search", "", ""}}));
}

TEST_F(IniManagerTest, DeclaredKeysFallBackToTheirDefaults) {
    constexpr SettingKey Bar{nullptr, "Bar", "1"};
    constexpr SettingKey WallSel{nullptr, "WallSel", "lion.jpg"};
    constexpr SettingKey DriveConfig{"StartUp", "DriveConfig", "0"};
    EXPECT_EQ(ini.FetchNumber("Jan", Bar), 1);
    EXPECT_EQ(ini.Fetch("Jan", WallSel), "lion.jpg");
    EXPECT_EQ(ini.FetchNumber(DriveConfig), 0);

    ini.Update("Jan", Bar, 0);
    EXPECT_EQ(ini.FetchNumber("Jan", Bar), 1); // a stored 0 gives the default
    ini.Update("Jan", Bar, "abc");
    EXPECT_EQ(ini.FetchNumber("Jan", Bar), 1);
    ini.Update("Jan", Bar, 2);
    EXPECT_EQ(ini.FetchNumber("Jan", Bar), 2);
    ini.Update("Jan", WallSel, "sea.bmp");
    EXPECT_EQ(ini.Fetch("Jan", WallSel), "sea.bmp");
    ini.Update(DriveConfig, 1);
    EXPECT_EQ(ini.Fetch("StartUp", "DriveConfig"), "1");
}

} // namespace
