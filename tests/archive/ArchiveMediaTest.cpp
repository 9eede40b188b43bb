#include "archive/ArchiveMedia.h"
#include "archive/ArchiveDrives.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "support/DataDirTest.h"

#include <memory>

namespace {

// The archive and the drive configuration of a fresh data directory, without a logon.
class ArchiveMediaTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        process = std::make_unique<Process>(dataDir());
        Access::Archief().Open();
        Access::Drv().Open();
    }
    void TearDown() override {
        Access::Drv().Close();
        Access::Archief().Close();
        process.reset();
        DataDirTest::TearDown();
    }
    quint32 add(quint16 cdNr, quint16 diskNr, const QString& medium, const QString& naam = "X") {
        ARC.clear();
        ARC.CdNr = cdNr;
        ARC.DiskNr = diskNr;
        ARC.CDiskNaam = medium;
        ARC.Naam = naam;
        EXPECT_EQ(Access::Archief().TryInsert(), LevelBenign);
        return ARC.NR;
    }
    void addDrive(const QString& root, const QString& kind) {
        DRV.DRIVE = root;
        DRV.KINDOFDRIVE = kind;
        ASSERT_EQ(Access::Drv().TryInsert(), LevelBenign);
    }
    static QStringList queue() {
        QStringList out;
        for (const DriveQueueEntry& e : GLO.DriveQueue.rows)
            out << e.DRIVE.str() + " " + e.KINDOFDRIVE.str();
        return out;
    }

    std::unique_ptr<Process> process;
};

TEST_F(ArchiveMediaTest, LowestFreeNumbersAreFoundAndReused) {
    EXPECT_EQ(ArchiveMedia::lowestFreeCdNr(), 1);
    EXPECT_EQ(ArchiveMedia::lowestFreeDiskNr(), 1);
    add(1, 0, "E:\\");
    const quint32 two = add(2, 0, "E:\\");
    add(4, 0, "E:\\");
    add(0, 1, "A:\\"); // floppies, ZIP disks and hard disks share the disk numbers
    add(0, 2, "F:\\");
    add(0, 2, "F:\\", "Y");
    add(0, 4, "C:\\");
    ARC.clear();
    ARC.Naam = "KEPT.EXE";
    EXPECT_EQ(ArchiveMedia::lowestFreeCdNr(), 3);
    EXPECT_EQ(ArchiveMedia::lowestFreeDiskNr(), 3);
    EXPECT_EQ(ARC.Naam.str(), "KEPT.EXE") << "look-ups read beside the buffer";
    add(3, 0, "E:\\");
    EXPECT_EQ(ArchiveMedia::lowestFreeCdNr(), 5);
    EXPECT_TRUE(ArchiveMedia::erase(two));
    EXPECT_EQ(ArchiveMedia::lowestFreeCdNr(), 2) << "a freed number is given out again";
    EXPECT_FALSE(ArchiveMedia::erase(two));
}

TEST_F(ArchiveMediaTest, ADuplicateIsTheSameFileUnderTheSameRoot) {
    add(1, 0, "E:\\", "TOOLS\\SETUP.EXE");
    add(0, 2, "A:\\", "TOOLS\\SETUP.EXE");
    const quint32 third = add(7, 0, "e:\\", "tools\\setup.exe");
    ArchiefRecord found;
    ASSERT_TRUE(ArchiveMedia::findDuplicate("E:\\", "Tools\\Setup.exe", found));
    EXPECT_EQ(found.CdNr, 1) << "the first in file name order, whatever its CD";
    ASSERT_TRUE(ArchiveMedia::erase(found.NR));
    ASSERT_TRUE(ArchiveMedia::findDuplicate("E:\\", "TOOLS\\SETUP.EXE", found));
    EXPECT_EQ(found.NR, third);
    EXPECT_FALSE(ArchiveMedia::findDuplicate("G:\\", "TOOLS\\SETUP.EXE", found));
    EXPECT_FALSE(ArchiveMedia::findDuplicate("E:\\", "TOOLS\\SETUP", found));
    EXPECT_FALSE(ArchiveMedia::findDuplicate("E:\\", "", found));
}

TEST_F(ArchiveMediaTest, MediaAreFoundByNameAndNumber) {
    add(3, 0, "Office Suite", "A.EXE");
    add(3, 0, "E:\\", "B.EXE");
    add(0, 3, "E:\\", "C.EXE");
    ArchiefRecord found;
    ASSERT_TRUE(ArchiveMedia::firstEntryNamed("e:\\", found));
    EXPECT_EQ(found.Naam.str(), "B.EXE");
    EXPECT_FALSE(ArchiveMedia::firstEntryNamed("F:\\", found));
    EXPECT_FALSE(ArchiveMedia::firstEntryNamed("", found));
    ASSERT_TRUE(ArchiveMedia::findMediumEntry("E:\\", 3, 0, found));
    EXPECT_EQ(found.Naam.str(), "B.EXE");
    ASSERT_TRUE(ArchiveMedia::findMediumEntry("E:\\", 0, 3, found));
    EXPECT_EQ(found.Naam.str(), "C.EXE");
    EXPECT_FALSE(ArchiveMedia::findMediumEntry("E:\\", 4, 0, found));
    EXPECT_FALSE(ArchiveMedia::findMediumEntry("A:\\", 3, 0, found));
}

TEST_F(ArchiveMediaTest, NewMediaAreOfferedEveryDriveButACataloguedHardDisk) {
    addDrive("E:\\", "CD");
    addDrive("C:\\", "HD");
    addDrive("D:\\", "HD");
    addDrive("A:\\", "Floppy");
    add(0, 1, "C:\\");
    ArchiveDrives::fillForNewMedium();
    EXPECT_EQ(queue(), QStringList({"E:\\ CD", "D:\\ HD", "A:\\ Floppy"}));
    ArchiveDrives::keepCds(false);
    EXPECT_EQ(queue(), QStringList({"A:\\ Floppy", "D:\\ HD"}));
    EXPECT_EQ(ArchiveDrives::rowOf("d:\\"), 2);
    EXPECT_EQ(ArchiveDrives::rowOf("E:\\"), 0);
    EXPECT_TRUE(ArchiveDrives::fillForMedium("C:\\ backup of May"));
    EXPECT_EQ(queue(), QStringList({"C:\\ HD"}));
    EXPECT_FALSE(ArchiveDrives::fillForMedium("Office Suite 4"));
    EXPECT_TRUE(queue().isEmpty());
    EXPECT_FALSE(ArchiveDrives::fillForMedium(""));
}

} // namespace
