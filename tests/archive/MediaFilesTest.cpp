#include "archive/MediaFiles.h"
#include "framework/Pictures.h"
#include "support/DataDirTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

class MediaFilesTest : public DataDirTest {
protected:
    QString make(const QString& relative, qsizetype bytes) {
        writeFile(relative, QByteArray(bytes, 'x'));
        return dataPath(relative);
    }
};

TEST_F(MediaFilesTest, AHostFileIsNamedByTheDriveWhoseFolderHoldsIt) {
    mapDrive('C', "home");
    mapDrive('E', "home/cdrom");
    const QString setup = make("home/cdrom/Tools/Setup Disk/SETUP.EXE", 1);
    EXPECT_EQ(MediaFiles::mediaPath(setup), "E:\\Tools\\Setup Disk\\SETUP.EXE")
        << "the innermost folder";
    EXPECT_EQ(MediaFiles::mediaPath(setup, "C:\\"), "C:\\cdrom\\Tools\\Setup Disk\\SETUP.EXE")
        << "the drive asked for";
    EXPECT_EQ(MediaFiles::mediaPath(make("home/cdrom/ROOT.TXT", 1)), "E:\\ROOT.TXT");
    EXPECT_EQ(MediaFiles::mediaPath(make("elsewhere/X.EXE", 1)), "");
    EXPECT_EQ(MediaFiles::mediaPath(dataPath("home")), "") << "a drive's folder itself";
    EXPECT_EQ(MediaFiles::mediaPath(dataPath("home/cdrom/GONE.EXE")), "E:\\GONE.EXE")
        << "a file gone since it was chosen keeps its name";
    // A drive whose folder is reached through a link.
    ASSERT_TRUE(QFile::link(dataPath("home/cdrom"), dataPath("cdlink")));
    host.setDriveFolder('G', dataPath("cdlink"));
    EXPECT_EQ(MediaFiles::mediaPath(setup, "G:\\"), "G:\\Tools\\Setup Disk\\SETUP.EXE");
    EXPECT_EQ(MediaFiles::mediaPath(dataPath("cdlink/ROOT.TXT"), "E:\\"), "E:\\ROOT.TXT");
}

TEST_F(MediaFilesTest, ADriveIsReadyWhenItsFolderCanBeRead) {
    EXPECT_EQ(MediaFiles::driveState("E:\\"), MediaFiles::DriveState::NotMapped);
    host.setDriveFolder('E', dataPath("nowhere"));
    EXPECT_EQ(MediaFiles::driveState("E:\\"), MediaFiles::DriveState::Missing);
    EXPECT_EQ(MediaFiles::notReadyText("E:\\", MediaFiles::DriveState::Missing),
              "Drive E:\\ is not ready: its folder " + dataPath("nowhere") + " does not exist.");
    const QString folder = mapDrive('E', "cd");
    EXPECT_EQ(MediaFiles::driveState("E:\\"), MediaFiles::DriveState::Ready);
    EXPECT_EQ(MediaFiles::driveState("Office"), MediaFiles::DriveState::NotMapped);
    if (geteuid() != 0) { // the super-user reads every folder
        QFile::setPermissions(folder, QFileDevice::WriteOwner);
        EXPECT_EQ(MediaFiles::driveState("E:\\"), MediaFiles::DriveState::Unreadable);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }
}

TEST_F(MediaFilesTest, TheDirectoryEntryGivesKilobytesOfAThousandBytes) {
    mapDrive('E', "cd");
    make("cd/A.EXE", 12349);
    make("cd/B.EXE", 12350);
    make("cd/EMPTY.TXT", 0);
    MediaFiles::Entry a = MediaFiles::directoryEntry("E:\\A.EXE");
    EXPECT_TRUE(a.exists);
    EXPECT_EQ(a.tenths, 123);
    EXPECT_EQ(MediaFiles::directoryEntry("e:\\b.exe").tenths, 124) << "rounded; any case";
    const QFileInfo info(dataPath("cd/A.EXE"));
    EXPECT_EQ(a.date, Pictures::dayNumber(info.lastModified().date()));
    EXPECT_EQ(a.time / 100, Pictures::timeValue(info.lastModified().time()) / 100);
    const MediaFiles::Entry empty = MediaFiles::directoryEntry(dataPath("cd/EMPTY.TXT"));
    EXPECT_TRUE(empty.exists);
    EXPECT_EQ(empty.tenths, 0);
    EXPECT_TRUE(empty.found()) << "by its date";
    EXPECT_EQ(MediaFiles::directoryEntry("E:\\C.EXE").error, "File not found");
    EXPECT_EQ(MediaFiles::directoryEntry("E:\\NO\\C.EXE").error, "Path not found");
    EXPECT_EQ(MediaFiles::directoryEntry("K:\\C.EXE").error, "Drive not ready");
    QDir().mkpath(dataPath("cd/FOLDER.EXE"));
    EXPECT_FALSE(MediaFiles::directoryEntry("E:\\FOLDER.EXE").exists) << "a folder is no file";
}

} // namespace
