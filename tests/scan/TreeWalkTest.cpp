#include "scan/TreeWalk.h"
#include "support/DataDirTest.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace {

class TreeWalkTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        mapDrive('D', "cd");
        writeFile("cd/setup.exe");
        writeFile("cd/read.txt");
        writeFile("cd/Tools/zip.exe");
        writeFile("cd/Tools/Sub/deep.exe");
        writeFile("cd/tools2/b.exe");
        writeFile("cd/tools2/a.exe");
        writeFile("cd/tools2/.secret.exe");
        QDir().mkpath(dataPath("cd/Empty"));
    }
    void link(const QString& target, const QString& at) {
        ASSERT_EQ(::symlink(QFile::encodeName(target).constData(),
                            QFile::encodeName(dataPath(at)).constData()),
                  0);
    }
    // "path: file file" per directory visited.
    TreeWalk::Summary walk(TreeWalk& walker, QStringList& visited) {
        return walker.Run([&](const TreeWalk::Directory& d) {
            QStringList files;
            for (const auto& f : d.files)
                files << f.name;
            visited << d.path + ": " + files.join(' ');
            return true;
        });
    }
};

TEST_F(TreeWalkTest, EveryDirectoryOnceParentsFirstInNameOrder) {
    TreeWalk walker("D:\\", "", {"*.exe"});
    QStringList visited;
    const TreeWalk::Summary summary = walk(walker, visited);
    EXPECT_EQ(visited, (QStringList{": setup.exe", "Empty\\: ", "Tools\\: zip.exe",
                                    "Tools\\Sub\\: deep.exe", "tools2\\: a.exe b.exe"}));
    EXPECT_EQ(summary.directories, 5);
    EXPECT_EQ(summary.files, 5);
    EXPECT_EQ(summary.entries, 2 + 3 + 2 + 1 + 3);
    EXPECT_TRUE(summary.unreadable.empty());
    EXPECT_FALSE(summary.cancelled);

    TreeWalk part("D:\\", "TOOLS\\", {"*.*"});
    visited.clear();
    walk(part, visited);
    EXPECT_EQ(visited, (QStringList{"TOOLS\\: zip.exe", "TOOLS\\Sub\\: deep.exe"}))
        << "paths keep the written form of the start";
}

TEST_F(TreeWalkTest, LinksBackUpTheTreeDoNotLoop) {
    link(dataPath("cd"), "cd/Tools/Sub/up");
    link("../Tools", "cd/tools2/again");
    TreeWalk walker("D:\\", "", {"*.exe"});
    QStringList visited;
    const TreeWalk::Summary summary = walk(walker, visited);
    EXPECT_EQ(summary.directories, 5) << "each directory once";
    EXPECT_FALSE(visited.join('\n').contains("up\\"));
    EXPECT_FALSE(visited.join('\n').contains("again\\"));
}

TEST_F(TreeWalkTest, UnreadableAndVanishedDirectoriesAreReportedAndTheWalkGoesOn) {
    TreeWalk walker("D:\\", "", {"*.exe"});
    walker.SetReader([this](const QByteArray& native) {
        if (native.endsWith("/Tools")) {
            HostDirectory::Reading refused;
            refused.ok = false;
            refused.error = "Permission denied";
            return refused;
        }
        if (native.endsWith("/cd")) QDir(dataPath("cd/tools2")).removeRecursively(); // vanishes
        return HostDirectory::read(native);
    });
    QStringList visited;
    const TreeWalk::Summary summary = walk(walker, visited);
    EXPECT_EQ(visited, (QStringList{": setup.exe", "Empty\\: "}));
    ASSERT_EQ(summary.unreadable.size(), 1u) << "tools2 vanished before it was listed";
    EXPECT_EQ(summary.unreadable[0].path, "Tools\\");
    EXPECT_EQ(summary.unreadable[0].error, "Permission denied");
}

TEST_F(TreeWalkTest, DriveUnpluggedMidWalkEndsEveryRemainingDirectoryAsUnreadable) {
    TreeWalk walker("D:\\", "", {"*.exe"});
    QStringList visited;
    const TreeWalk::Summary summary = walker.Run([&](const TreeWalk::Directory& d) {
        visited << d.path;
        if (d.path.isEmpty()) QDir(dataPath("cd")).removeRecursively();
        return true;
    });
    EXPECT_EQ(visited, QStringList{""});
    EXPECT_EQ(summary.unreadable.size(), 3u);
}

TEST_F(TreeWalkTest, VisitorCanStopTheWalk) {
    TreeWalk walker("D:\\", "", {"*.exe"});
    int visits = 0;
    const TreeWalk::Summary summary =
        walker.Run([&](const TreeWalk::Directory&) { return ++visits < 2; });
    EXPECT_EQ(visits, 2);
    EXPECT_TRUE(summary.cancelled);
}

TEST_F(TreeWalkTest, DriveThatIsNotSetUp) {
    TreeWalk walker("E:\\", "", {"*.*"});
    QStringList visited;
    const TreeWalk::Summary summary = walk(walker, visited);
    EXPECT_TRUE(visited.isEmpty());
    ASSERT_EQ(summary.unreadable.size(), 1u);
    EXPECT_EQ(summary.unreadable[0].error, "Drive not ready");
}

} // namespace
