#include "framework/DayNumbers.h"
#include "scan/ScanListing.h"
#include "support/DataDirTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace {

class ScanListingTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        GLO.ScanFileQueue.free();
        mapDrive('D', "cd");
    }
    void TearDown() override {
        GLO.ScanFileQueue.free();
        DataDirTest::TearDown();
    }
    // "name|label" of every row.
    static QStringList rows() {
        QStringList out;
        for (const ScanFileEntry& e : GLO.ScanFileQueue.rows)
            out << e.SCANFILENAME.str() + "|" + e.ATTRIB.str();
        return out;
    }
    ScanListing::Result list(const QString& path, int code, const QString& other = {}) {
        return ScanListing::List(GLO.ScanFileQueue, "D:\\", path, code, other, "None");
    }
};

TEST_F(ScanListingTest, PatternsOfEveryCode) {
    using ScanListing::Patterns;
    EXPECT_EQ(Patterns(1, {}), (QStringList{"*.exe", "*.com"}));
    EXPECT_EQ(Patterns(2, {}), (QStringList{"*.zip"}));
    EXPECT_EQ(Patterns(3, "*.doc"), (QStringList{"*.doc"}));
    EXPECT_EQ(Patterns(4, {}), (QStringList{"*.*"}));
    EXPECT_EQ(Patterns(5, {}), (QStringList{"*.exe", "*.com", "*.txt", "*.hlp"}));
    EXPECT_EQ(Patterns(6, {}), (QStringList{"*.zip", "*.txt", "*.hlp"}));
    EXPECT_EQ(Patterns(7, "*.txt"), (QStringList{"*.txt", "*.hlp"}));
    EXPECT_EQ(Patterns(7, "*.HLP"), (QStringList{"*.HLP", "*.txt"}));
    EXPECT_EQ(ScanListing::OtherPattern(" txt "), "*.txt");
    EXPECT_EQ(ScanListing::OtherPattern("abcd"), "*.abc") << "five characters at most";
}

TEST_F(ScanListingTest, LabelsAndSizes) {
    using ScanListing::AttributeLabel;
    EXPECT_EQ(AttributeLabel(0, "File", "None"), "System");
    EXPECT_EQ(AttributeLabel(2, "File", "None"), "Hidden");
    EXPECT_EQ(AttributeLabel(32, "System", "None"), "File");
    EXPECT_EQ(AttributeLabel(16, "Hidden", "None"), "Hidden") << "the label before it";
    EXPECT_EQ(AttributeLabel(33, "File", "Unknown"), "Unknown");
    EXPECT_EQ(ScanListing::TenthsOfKilobyte(1500), 15);
    EXPECT_EQ(ScanListing::TenthsOfKilobyte(999), 10);
    EXPECT_EQ(ScanListing::TenthsOfKilobyte(949), 9);
    EXPECT_EQ(ScanListing::TenthsOfKilobyte(0), 0);
}

TEST_F(ScanListingTest, DirectoriesFirstThenEachPatternFromTheLastName) {
    writeFile("cd/Tools/b.exe", QByteArray(1500, 'x'));
    writeFile("cd/Tools/A.EXE");
    writeFile("cd/Tools/c.com");
    writeFile("cd/Tools/read.me");
    writeFile("cd/Tools/notes.txt");
    writeFile("cd/Tools/.hidden.exe");
    writeFile("cd/Tools/Zeta/x.exe");
    writeFile("cd/Tools/alpha/y.exe");
    writeFile("cd/Tools/.cache/z.exe");

    const ScanListing::Result result = list("TOOLS\\", 1);
    EXPECT_TRUE(result.ready);
    EXPECT_EQ(result.files, 3);
    EXPECT_EQ(rows(), (QStringList{"TOOLS\\.cache|Directory", "TOOLS\\alpha|Directory",
                                   "TOOLS\\Zeta|Directory", "TOOLS\\b.exe|File",
                                   "TOOLS\\A.EXE|File", "TOOLS\\c.com|File"}));
    const ScanFileEntry& b = GLO.ScanFileQueue.rows[3];
    EXPECT_EQ(b.SIZE, 15);
    EXPECT_EQ(b.DATE,
              Pictures::dayNumber(QFileInfo(dataPath("cd/Tools/b.exe")).lastModified().date()));
    EXPECT_GT(b.TIME, 0);
}

TEST_F(ScanListingTest, FileOfTwoPatternsIsListedOnce) {
    writeFile("cd/a.txt");
    writeFile("cd/b.hlp");
    writeFile("cd/c.dat");
    const ScanListing::Result result = list("", 7, ScanListing::OtherPattern("*"));
    EXPECT_EQ(result.files, 3);
    EXPECT_EQ(rows(), (QStringList{"c.dat|File", "b.hlp|File", "a.txt|File"}));
}

TEST_F(ScanListingTest, NamesOfEveryKindArriveWhole) {
    const QStringList names = {"with blank.exe", "quote\"d'.exe", "100%.exe",
                               QString::fromUtf8("Übersicht_日本.exe")};
    for (const QString& n : names)
        writeFile("cd/" + n);
    const QByteArray native = QFile::encodeName(dataPath("cd")) + "/caf\xE9.exe";
    ::close(::open(native.constData(), O_WRONLY | O_CREAT, 0644));
    const QString longName = QString(300, u'n') + ".exe";
    const QString longDir = QString(200, u'd');
    writeFile("cd/" + longDir + "/" + QString(100, u'f') + ".exe");

    list("", 1);
    QStringList listed;
    for (const ScanFileEntry& e : GLO.ScanFileQueue.rows)
        listed << e.SCANFILENAME.str();
    for (const QString& n : names)
        EXPECT_TRUE(listed.contains(n)) << n.toStdString();
    EXPECT_TRUE(listed.contains(QString::fromUtf8("café.exe")));

    GLO.ScanFileQueue.free();
    list(longDir + "\\", 1);
    ASSERT_EQ(GLO.ScanFileQueue.records(), 1u);
    const QString stored = GLO.ScanFileQueue.rows[0].SCANFILENAME.str();
    EXPECT_EQ(stored.size(), 255) << "cut to the field, never beyond it";
    EXPECT_TRUE(stored.startsWith(longDir + "\\fff"));
}

TEST_F(ScanListingTest, DriveWithoutAFolderIsNotReady) {
    EXPECT_FALSE(ScanListing::List(GLO.ScanFileQueue, "E:\\", "", 1, {}, "None").ready);
    host.setDriveFolder('F', dataPath("unplugged"));
    const ScanListing::Result result =
        ScanListing::List(GLO.ScanFileQueue, "F:\\", "", 1, {}, "None");
    EXPECT_FALSE(result.ready);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(GLO.ScanFileQueue.records(), 0u);
}

} // namespace
