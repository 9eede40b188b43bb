#include "archive/DescriptionText.h"
#include "support/DataDirTest.h"

#include <QFile>
#include <QStringEncoder>

namespace {

class DescriptionTextTest : public DataDirTest {
protected:
    DescriptionText::Result read(const QByteArray& content, int limit = DescriptionText::Limit) {
        writeFile("file.txt", content);
        return DescriptionText::read(dataPath("file.txt"), limit);
    }
    static bool clean(const QString& text) {
        for (QChar c : text)
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0xfffd)
                return false;
        return true;
    }
};

TEST_F(DescriptionTextTest, LinesFollowEachOtherWithoutTheirTrailingBlanks) {
    const auto r = read("ab   \r\n  cd\n\n\tef \nlast line without end  ");
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.text, "ab  cd\teflast line without end");
    EXPECT_EQ(read("").text, "");
    EXPECT_EQ(read("\xef\xbb\xbf"
                   "caf\xc3\xa9\n")
                  .text,
              QString::fromUtf8("café"))
        << "UTF-8 without its mark";
    EXPECT_EQ(read("caf\xe9 \x93quoted\x94\n").text, QString::fromUtf8("café “quoted”"))
        << "text of older systems";
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    EXPECT_EQ(read(utf16.encode(QString::fromUtf8("Grüße\r\nfrom Notepad"))).text,
              QString::fromUtf8("Grüßefrom Notepad"));
}

TEST_F(DescriptionTextTest, AtMostTheLimitIsTakenFromAnyFile) {
    QByteArray big;
    while (big.size() < 6 * 1024 * 1024)
        big += "A line of a large log file, with blanks at its end          \n";
    const auto r = read(big);
    EXPECT_EQ(r.text.size(), DescriptionText::Limit);
    EXPECT_TRUE(r.text.startsWith("A line of a large log file, with blanks at its endA line"));
    EXPECT_EQ(read(QByteArray(5 * 1024 * 1024, 'z')).text.size(), DescriptionText::Limit)
        << "one line of several megabytes";
    EXPECT_EQ(read(QByteArray(9 * 1024 * 1024, '\n') + "late").text, "")
        << "a file of blank lines is not read to its end";
    EXPECT_EQ(read(QByteArray(20, 'q') + QByteArray("\xf0\x9f\x98\x80"), 21).text.size(), 20)
        << "no half character at the cut";
}

TEST_F(DescriptionTextTest, BinaryAndControlCharactersNeverReachTheDescription) {
    QByteArray binary("MZ\x90\0\x03\0\0\0", 8);
    binary += QByteArray(4000, '\x01');
    EXPECT_EQ(read(binary).text, "") << "not text";
    const auto r = read("bell\x07 escape\x1b[0m and \xc2\x85next\n");
    EXPECT_TRUE(clean(r.text)) << r.text.toStdString();
    EXPECT_EQ(r.text, "bell escape[0m and next");
}

TEST_F(DescriptionTextTest, AFileThatCannotBeOpenedIsTold) {
    const auto missing = DescriptionText::read(dataPath("missing.txt"));
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.error, "File not found");
    EXPECT_FALSE(DescriptionText::read(dataDir()).opened) << "a folder";
    EXPECT_TRUE(DescriptionText::takesContent("DOCS\\README.TXT"));
    EXPECT_TRUE(DescriptionText::takesContent("win.ini"));
    EXPECT_TRUE(DescriptionText::takesContent("OLD.BAK"));
    EXPECT_TRUE(DescriptionText::takesContent("ERRORS.LOG"));
    EXPECT_FALSE(DescriptionText::takesContent("SETUP.V2.TXT")) << "the first dot counts";
    EXPECT_FALSE(DescriptionText::takesContent("HELP.HLP"));
    EXPECT_FALSE(DescriptionText::takesContent("README"));
}

} // namespace
