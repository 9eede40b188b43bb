#include "framework/host/HostDirectory.h"
#include "framework/host/HostText.h"
#include "framework/textview/TextFile.h"
#include "support/DataDirTest.h"

#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace {

class HostDirectoryTest : public DataDirTest {
protected:
    // A file whose name is given as the host's bytes.
    void writeNative(const QByteArray& directory, const QByteArray& name, const QByteArray& text) {
        const QByteArray path = directory + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, text.constData(), size_t(text.size())), text.size());
        ::close(fd);
    }
};

TEST_F(HostDirectoryTest, BytesThatAreNotUtf8StandForThemselves) {
    EXPECT_EQ(HostText::decode("plain"), "plain");
    EXPECT_EQ(HostText::decode("\xE2\x82\xAC \xF0\x9F\x98\x80"), QString::fromUtf8("€ 😀"));
    EXPECT_EQ(HostText::decode("caf\xE9"), QString::fromUtf8("café"));
    EXPECT_EQ(HostText::decode("\x80\x9F"), QString::fromUtf8("€Ÿ"));
    // Overlong forms and surrogates are not UTF-8: each byte stands for itself.
    EXPECT_EQ(HostText::decode("\xC0\xAF"), QString::fromUtf8("À¯"));
    EXPECT_EQ(HostText::decode("\xED\xA0\x80").size(), 3);
    EXPECT_EQ(HostText::decode("\xE2\x82"), QString::fromUtf8("â‚")) << "a cut-off sequence";
    EXPECT_EQ(HostText::decode(QByteArray("a\0b", 3)).size(), 3);
}

TEST_F(HostDirectoryTest, NameThatIsNotUtf8IsListedAndLeadsBackToItsFile) {
    QDir().mkpath(dataPath("cd/Docs"));
    const QByteArray docs = QFile::encodeName(dataPath("cd/Docs"));
    writeNative(docs, "caf\xE9.txt", "first line\nsecond\n");
    writeNative(docs, "plain.txt", "x");

    const HostDirectory::Reading reading = HostDirectory::read(docs);
    ASSERT_TRUE(reading.ok);
    QStringList names;
    for (const auto& e : reading.entries)
        names << e.name;
    names.sort();
    EXPECT_EQ(names, (QStringList{QString::fromUtf8("café.txt"), "plain.txt"}));

    const QString shown = dataPath("cd/Docs/") + QString::fromUtf8("café.txt");
    EXPECT_EQ(HostDirectory::nativePath(shown), docs + "/caf\xE9.txt");
    EXPECT_EQ(HostDirectory::nativePath(dataPath("cd/docs/") + QString::fromUtf8("CAFÉ.TXT")),
              docs + "/caf\xE9.txt")
        << "without regard to case";

    mapDrive('D', "cd");
    const auto listed = host.listDirectory("D:\\DOCS", "*.TXT", 0);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].name, QString::fromUtf8("café.txt"));
    TextFile file;
    ASSERT_EQ(file.Open(host.hostPath(QString::fromUtf8("D:\\DOCS\\café.txt"))), store::Ok);
    EXPECT_EQ(file.CountLines(), 2);
}

TEST_F(HostDirectoryTest, LinksThatLeadNowhereAreCountedNotListed) {
    writeFile("d/real.txt", "abc");
    ASSERT_EQ(::symlink("nowhere.txt", QFile::encodeName(dataPath("d/dangling")).constData()), 0);
    ASSERT_EQ(::symlink("real.txt", QFile::encodeName(dataPath("d/alias")).constData()), 0);
    const HostDirectory::Reading reading = HostDirectory::read(QFile::encodeName(dataPath("d")));
    EXPECT_TRUE(reading.ok);
    EXPECT_EQ(reading.vanished, 1);
    ASSERT_EQ(reading.entries.size(), 2u);
    for (const auto& e : reading.entries)
        EXPECT_EQ(e.size, 3) << "a link shows what it leads to";

    const HostDirectory::Reading missing = HostDirectory::read("/no/such/directory");
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
}

} // namespace
