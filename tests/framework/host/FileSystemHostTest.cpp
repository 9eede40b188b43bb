#include "support/DataDirTest.h"

#include <QDir>
#include <QFile>

namespace {

class FileSystemHostTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        cd = mapDrive('d', "media/cd");
        writeFile("media/cd/Tools/Setup.exe", "12345");
        writeFile("media/cd/Tools/readme.TXT", "hello");
        writeFile("media/cd/Tools/.hidden", "");
        writeFile("media/cd/Tools/Sub/inner.txt", "");
        writeFile("media/cd/Tools/.git/config", "");
    }
    QStringList names(const std::vector<DirEntry>& entries) {
        QStringList out;
        for (const auto& e : entries)
            out << e.name;
        return out;
    }
    QString cd;
};

TEST_F(FileSystemHostTest, DrivesAreKeptInTheSettingsFile) {
    EXPECT_EQ(ini.Fetch("Drives", "D"), cd);
    EXPECT_EQ(host.driveFolder('D'), cd);
    EXPECT_EQ(host.driveFolder('E'), "");
    host.setDriveFolder('M', dataDir()); // only A to L are drives
    EXPECT_EQ(host.driveFolder('M'), "");
    EXPECT_EQ(ini.Fetch("Drives", "M"), "");

    EXPECT_EQ(host.hostPath("E:\\TOOLS"), ""); // not ready
    EXPECT_FALSE(host.setCurrentDirectory("E:\\"));
    EXPECT_TRUE(host.setCurrentDirectory("D:\\"));
    EXPECT_EQ(host.currentDirectory(), QDir(cd).canonicalPath());
}

TEST_F(FileSystemHostTest, MediaPathsFindTheirFilesWithoutRegardToCase) {
    EXPECT_EQ(host.hostPath("D:\\TOOLS\\SETUP.EXE"), cd + "/Tools/Setup.exe");
    EXPECT_EQ(host.hostPath("d:\\tools\\sub\\"), cd + "/Tools/Sub");
    EXPECT_EQ(host.hostPath("D:\\"), cd);
    // What does not exist stays as written, for files about to be made.
    EXPECT_EQ(host.hostPath("D:\\TOOLS\\NEW\\A.TXT"), cd + "/Tools/NEW/A.TXT");
    // Host paths with backslashes and relative paths work as well.
    EXPECT_EQ(host.hostPath(dataDir() + "\\MEDIA\\CD"), cd);
    EXPECT_EQ(host.hostPath("media\\CD\\tools"), QDir::currentPath() + "/media/cd/Tools");

    EXPECT_TRUE(host.setCurrentDirectory("D:\\TOOLS"));
    EXPECT_FALSE(host.setCurrentDirectory("D:\\TOOLS\\NOWHERE"));
    EXPECT_FALSE(host.setCurrentDirectory("D:\\TOOLS\\SETUP.EXE")); // not a directory
    EXPECT_TRUE(host.currentDirectory().endsWith("/Tools"));
}

TEST_F(FileSystemHostTest, ListingsMatchPatternsAndMasks) {
    const QString tools = host.hostPath("D:\\TOOLS");
    // Mask 0: ordinary files only.
    EXPECT_EQ(names(host.listDirectory(tools, "*.*", 0)), (QStringList{"readme.TXT", "Setup.exe"}));
    EXPECT_EQ(names(host.listDirectory(tools, "*.txt", 0)), QStringList{"readme.TXT"});
    EXPECT_EQ(names(host.listDirectory(tools, "S?TUP.*", 0)), QStringList{"Setup.exe"});
    EXPECT_EQ(names(host.listDirectory(tools, "*.com", 0)), QStringList{});
    EXPECT_EQ(names(host.listDirectory(tools, "*.*", AttrDirectory)),
              (QStringList{".git", "readme.TXT", "Setup.exe", "Sub"}));
    EXPECT_EQ(names(host.listDirectory(tools, "*.*", AttrHidden)),
              (QStringList{".git", ".hidden", "readme.TXT", "Setup.exe"}));

    const auto all = host.listDirectory(tools, "*.*", AttrDirectory | AttrHidden);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_EQ(all[0].attributes, AttrDirectory | AttrHidden); // .git
    EXPECT_EQ(all[1].attributes, AttrHidden);                 // .hidden
    EXPECT_EQ(all[2].attributes, AttrArchive);
    EXPECT_EQ(all[4].attributes, AttrDirectory);
    EXPECT_EQ(all[3].size, 5);
    EXPECT_EQ(all[3].shortName, "Setup.exe");

    // Dates and times are standard day numbers and time values.
    QFile setup(tools + "/Setup.exe");
    ASSERT_TRUE(setup.open(QIODevice::ReadWrite));
    ASSERT_TRUE(setup.setFileTime(QDateTime(QDate(2001, 5, 17), QTime(13, 45, 30, 250)),
                                  QFileDevice::FileModificationTime));
    setup.close();
    const auto exe = host.listDirectory(tools, "setup.exe", 0);
    ASSERT_EQ(exe.size(), 1u);
    EXPECT_EQ(exe[0].date, 73189);   // 17 May 2001
    EXPECT_EQ(exe[0].time, 4953026); // 13:45:30.25

    EXPECT_TRUE(host.listDirectory("E:\\", "*.*", 0).empty());
}

TEST_F(FileSystemHostTest, CopiesReplaceTheTarget) {
    writeFile("backup/Archief.tps", "old");
    QString error;
    ASSERT_TRUE(host.copyFile("D:\\TOOLS\\README.TXT", dataPath("backup/Archief.tps"), &error))
        << error.toStdString();
    EXPECT_EQ(readFile("backup/Archief.tps"), "hello");
    EXPECT_TRUE(host.copyFile(cd + "/Tools/Setup.exe", cd + "/Tools/setup.exe", &error));
    EXPECT_EQ(readFile("media/cd/Tools/Setup.exe"), "12345"); // onto itself: unchanged

    EXPECT_FALSE(host.copyFile("D:\\NONE.TXT", dataPath("x"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(host.copyFile("D:\\TOOLS\\README.TXT", dataPath("no/folder/x"), &error));
    EXPECT_FALSE(error.isEmpty());

    EXPECT_TRUE(host.makeDirectory(dataPath("deep/er/backup")));
    EXPECT_TRUE(QDir(dataPath("deep/er/backup")).exists());
    EXPECT_TRUE(host.makeDirectory(dataPath("deep")));
}

} // namespace
