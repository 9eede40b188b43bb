#include "archive/UpdateArchiefRules.h"
#include "core/FileNames.h"
#include "framework/Pictures.h"
#include "framework/window/Requests.h"

#include <gtest/gtest.h>

namespace {

using namespace UpdateArchiefRules;

TEST(UpdateArchiefRulesTest, TheKindCountsInEitherParameter) {
    EXPECT_EQ(kindOf(1, 0), NewCd);
    EXPECT_EQ(kindOf(0, 2), NewDisk);
    EXPECT_EQ(kindOf(0, 5), Delete);
    EXPECT_EQ(kindOf(0, 0), NoKind);
    EXPECT_EQ(kindOf(6, 0), NoKind);
}

TEST(UpdateArchiefRulesTest, Captions) {
    EXPECT_EQ(requestCaption(InsertRecord, "X"), "  (New)");
    EXPECT_EQ(requestCaption(ChangeRecord, "SETUP.EXE  "), "Properties of    (SETUP.EXE)");
    EXPECT_EQ(requestCaption(DeleteRecord, "SETUP.EXE"), "  (SETUP.EXE)");
    EXPECT_EQ(newMediumCaption("CD"), "Adding a new CD");
    EXPECT_EQ(newMediumCaption("Floppy"), "Adding a new Floppy");
    EXPECT_EQ(newMediumCaption("ZIP"), "Adding a new Zip");
    EXPECT_EQ(newMediumCaption("HD"), "Adding a new HD");
    EXPECT_EQ(includeCaption("E:\\ ", 12, 0, "CD"), "Including a record to E:\\ -- Cd Nr. 12");
    EXPECT_EQ(includeCaption("A:\\", 0, 7, "Floppy"), "Including a record to A:\\ -- Floppy Nr. 7");
    EXPECT_TRUE(numbersCds("CD"));
    EXPECT_FALSE(numbersCds("ZIP"));
}

TEST(UpdateArchiefRulesTest, RunButtonByExtension) {
    const struct {
        const char* name;
        const char* text;
        int mode, notebookMode;
    } table[] = {
        {"GO.BAT", "Run", 4, 4},         {"APP.ICO", "View", 2, 2},    {"PIC.gif", "View", 4, 4},
        {"FILM.AVI", "View", 4, 4},      {"README.TXT", "Read", 3, 4}, {"SYSTEM.INI", "Read", 3, 4},
        {"ERR.LOG", "Read", 3, 4},       {"OLD.BAK", "Read", 3, 4},    {"MANUAL.DOC", "Read", 4, 4},
        {"INDEX.HTM", "Read", 4, 4},     {"INDEX.HTML", "Read", 4, 4}, {"SETUP.EXE", "Start", 4, 4},
        {"SETUP.V2.TXT", "Start", 4, 4}, {"MAKEFILE", "Start", 4, 4},
    };
    for (const auto& row : table) {
        EXPECT_EQ(runChoice(row.name, false).text, row.text) << row.name;
        EXPECT_EQ(runChoice(row.name, false).mode, row.mode) << row.name;
        EXPECT_EQ(runChoice(row.name, true).mode, row.notebookMode) << row.name;
    }
    EXPECT_TRUE(viewedWithDescription("PROJECT.CLW"));
    EXPECT_FALSE(viewedWithDescription("MANUAL.DOC"));
    EXPECT_EQ(runTarget("E:\\", "TOOLS\\SETUP.EXE").path, "E:\\TOOLS\\SETUP.EXE");
    EXPECT_TRUE(runTarget("k:\\", "A.EXE").local);
    EXPECT_FALSE(runTarget("L:\\", "A.EXE").local) << "drives A to K";
    const RunTarget named = runTarget("Office Suite 4", "SETUP.EXE");
    EXPECT_EQ(named.path, "SETUP.EXE");
    EXPECT_FALSE(named.local);
    EXPECT_EQ(FileNames::extension("DIR.OLD\\FILE"), "OLD");
    EXPECT_EQ(FileNames::extension("a.b"), "B");
}

TEST(UpdateArchiefRulesTest, OkFillsRegistrationAndClass) {
    ArchiefRecord entry;
    entry.Naam = "TOOLS\\SETUP.EXE";
    applyOkRules(entry);
    EXPECT_EQ(entry.Registration.str(), "None");
    EXPECT_EQ(entry.Soort.str(), "Temporary Class");
    entry.clear();
    entry.Naam = "COMMAND.com";
    entry.Registration = "RK-1234";
    entry.Soort = "Utilities";
    applyOkRules(entry);
    EXPECT_EQ(entry.Registration.str(), "RK-1234");
    EXPECT_EQ(entry.Soort.str(), "Utilities");
    entry.Naam = "README.TXT";
    entry.Registration.clear();
    applyOkRules(entry);
    EXPECT_TRUE(entry.Registration.isBlank()) << "only programs";
}

TEST(UpdateArchiefRulesTest, Questions) {
    ArchiefRecord old;
    old.CdNr = 1;
    old.CDiskNaam = "E:\\";
    old.Naam = "SETUP.EXE";
    old.Date = Pictures::dayNumber(1998, 3, 14);
    old.Time = Pictures::timeValue(12, 0, 0);
    old.Size = 45678;
    EXPECT_EQ(duplicateQuestion(old, mediumShort(0, 3), "E:\\", "SETUP.EXE",
                                Pictures::dayNumber(2001, 9, 9), Pictures::timeValue(8, 5, 0)),
              "RECORD ALREADY EXISTS :CD 1\nReplace E:\\, File : SETUP.EXE\nDate 14/03/1998, "
              "Time 12:00:00\n\nWITH THIS ONE : \nDisk 3\nE:\\, File : SETUP.EXE\nDate "
              "09/09/2001, Time 08:05:00");
    EXPECT_EQ(updateQuestion(old, "E:\\SETUP.EXE", 4571, Pictures::dayNumber(2001, 9, 9),
                             Pictures::timeValue(8, 5, 0)),
              "Update this record record :CD Nr. : 1\nE:\\SETUP.EXE\nSize 456.8 Kb, Date "
              "14/03/1998, Time 12:00:00\n\nwith this one : \nCD Nr. : 1\nE:\\SETUP.EXE\nSize "
              "457.1 Kb, Date 09/09/2001, Time 08:05:00");
    EXPECT_EQ(mediumLong(0, 4), "Disk/HD Nr.:  4");
    EXPECT_EQ(wrongDriveText(false, "C:\\", "E:\\"),
              "Can not put  C:\\  to  E:\\. Please pick file from correct drive !");
}

} // namespace
