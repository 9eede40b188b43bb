#include "framework/textview/TextFile.h"
#include "framework/textview/LineCursor.h"
#include "support/DataDirTest.h"

#include <QFile>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace {

// Lines as the viewer must see them, worked out the plain way: LF, CR LF and CR end a
// line, a longer line is cut at `size` bytes but never before a UTF-8 continuation byte.
QList<QByteArray> expectedLines(const QByteArray& file, int size) {
    QList<QByteArray> lines;
    qsizetype i = 0;
    while (i < file.size()) {
        qsizetype end = i;
        while (end < file.size() && file[end] != '\n' && file[end] != '\r')
            ++end;
        if (end - i > size) {
            qsizetype cut = size;
            while (cut > 1 && cut > size - 3 && (file[i + cut] & 0xC0) == 0x80)
                --cut;
            lines << file.mid(i, cut);
            i += cut;
            continue;
        }
        lines << file.mid(i, end - i);
        i = end;
        if (i < file.size() && file[i] == '\r' && i + 1 < file.size() && file[i + 1] == '\n') ++i;
        if (i < file.size()) ++i;
    }
    return lines;
}

class TextFileTest : public DataDirTest {
protected:
    QString write(const QString& name, const QByteArray& content) {
        writeFile(name, content);
        return dataPath(name);
    }
    static QList<QByteArray> all(TextFile& file) {
        QList<QByteArray> out;
        for (const TextFile::Line& l : file.ReadLines(1, file.CountLines()))
            out << l.bytes;
        return out;
    }
};

TEST_F(TextFileTest, LineEndsOfEveryKindAndLinesWithoutEnd) {
    TextFile file;
    ASSERT_EQ(file.Open(write("a.txt", "one\r\ntwo\rthree\n\nfour\r\r\nlast")), store::Ok);
    EXPECT_EQ(all(file), (QList<QByteArray>{"one", "two", "three", "", "four", "", "last"}));
    EXPECT_EQ(file.Offset(2), 5);
    EXPECT_EQ(file.Offset(8), -1);

    ASSERT_EQ(file.Open(write("b.txt", "x\n\n")), store::Ok);
    EXPECT_EQ(all(file), (QList<QByteArray>{"x", ""})) << "a final line end opens no line";
    ASSERT_EQ(file.Open(write("c.txt", "")), store::Ok);
    EXPECT_EQ(file.CountLines(), 0);
    EXPECT_TRUE(file.ReadLines(1, 5).empty());
    EXPECT_EQ(file.LineAt(0), 0);
}

// Every way a line end or a long line can fall on the edge of a block, with blocks just
// above the smallest the cursor allows.
TEST_F(TextFileTest, CursorAgreesWithPlainSplittingAtEveryBlockEdge) {
    std::mt19937 random(11);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\0', char(0xC3), char(0xA9), ' '};
    for (int round = 0; round < 40; ++round) {
        QByteArray content;
        const int length = int(random() % 3000);
        for (int i = 0; i < length; ++i)
            content += random() % 50 == 0 ? alphabet[random() % 8] : char('a' + random() % 3);
        const QString path = write("r.txt", content);
        for (int size : {1, 4, 16}) {
            const QList<QByteArray> expected = expectedLines(content, size);
            for (qint64 buffer : {qint64(2 * size + 2), qint64(37), qint64(4096)}) {
                const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
                ASSERT_GE(fd, 0);
                LineCursor cursor(fd, content.size(), size, 0, buffer);
                QList<QByteArray> got;
                LineCursor::Piece piece;
                while (cursor.next(piece))
                    got << QByteArray(piece.bytes, piece.length);
                ::close(fd);
                ASSERT_EQ(got, expected)
                    << "round " << round << " size " << size << " buffer " << buffer;
            }
        }
    }
}

TEST_F(TextFileTest, FileWithoutLineBreaksIsCutIntoLinesNeverInsideACharacter) {
    QByteArray content(254, 'x');
    content += "\xC3\xA9"; // "é" across the 255th byte
    content += QByteArray(600, 'y');
    TextFile file;
    ASSERT_EQ(file.Open(write("long.txt", content)), store::Ok);
    const QList<QByteArray> lines = all(file);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QByteArray(254, 'x'));
    EXPECT_TRUE(lines[1].startsWith("\xC3\xA9y"));
    EXPECT_EQ(lines[1].size(), 255);
    EXPECT_EQ(lines.join(), content) << "nothing is lost between the pieces";
    EXPECT_EQ(TextFile::DisplayText(lines[1]).left(2), QString::fromUtf8("éy"));
}

TEST_F(TextFileTest, BinaryAndLegacyBytesShowAsReadableText) {
    EXPECT_EQ(TextFile::DisplayText(QByteArray("a\0b\x01"
                                               "c",
                                               5)),
              QString::fromUtf8("a·b·c"));
    EXPECT_EQ(TextFile::DisplayText("ab\tc\td"), "ab      c       d");
    EXPECT_EQ(TextFile::DisplayText("caf\xE9 \x80"), QString::fromUtf8("café €"))
        << "bytes that are not UTF-8 read as the old Windows code page";
    EXPECT_EQ(TextFile::DisplayText("\xC3\xA9t\xC3"), QString::fromUtf8("étÃ"));
    EXPECT_EQ(TextFile::DisplayText("a\x81"
                                    "b\xC2\x85"
                                    "c"),
              QString::fromUtf8("a·b·c"))
        << "C1 controls have no glyph either";
}

TEST_F(TextFileTest, SparseIndexFindsEveryLineAndEveryOffset) {
    QByteArray content;
    QList<qint64> offsets;
    std::mt19937 random(5);
    for (int i = 1; i <= 20000; ++i) {
        offsets << content.size();
        content += "line " + QByteArray::number(i) + QByteArray(int(random() % 90), '.');
        content += i % 3 == 0 ? "\r\n" : "\n";
    }
    TextFile file;
    ASSERT_EQ(file.Open(write("many.txt", content)), store::Ok);
    EXPECT_EQ(file.IndexTo(100), 100);
    EXPECT_EQ(file.IndexedLines(), 100) << "the index goes only as far as asked";
    EXPECT_FALSE(file.FullyIndexed());
    for (int n : {1, 63, 64, 65, 129, 5000, 19999, 20000}) {
        const auto lines = file.ReadLines(n, 1);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_TRUE(lines[0].bytes.startsWith("line " + QByteArray::number(n) + "."));
        EXPECT_EQ(lines[0].offset, offsets[n - 1]);
    }
    EXPECT_EQ(file.CountLines(), 20000);
    EXPECT_LT(file.IndexMemory(), 20000 * 16 / 32) << "a checkpoint per many lines";
    for (qint64 n : {1, 2, 777, 20000}) {
        EXPECT_EQ(file.LineAt(offsets[n - 1]), n);
        EXPECT_EQ(file.LineAt(offsets[n - 1] + 3), n);
    }
    EXPECT_EQ(file.LineAt(offsets[10] - 1), 10) << "the line end belongs to its line";
    EXPECT_EQ(file.LineAt(content.size() + 50), 20000);
    const auto page = file.ReadLines(19990, 30);
    ASSERT_EQ(page.size(), 11u) << "a page near the end holds what is there";
    EXPECT_EQ(page.back().number, 20000);
}

TEST_F(TextFileTest, FileOfEmptyLinesKeepsItsIndexSmall) {
    TextFile file;
    ASSERT_EQ(file.Open(write("empty.txt", QByteArray(3000000, '\n'))), store::Ok);
    EXPECT_EQ(file.CountLines(), 3000000);
    EXPECT_LT(file.IndexMemory(), 3000000 / 100);
    EXPECT_EQ(file.LineAt(2999999), 3000000);
    EXPECT_EQ(file.Offset(1234567), 1234566);
}

// Beyond 2 GB a position no longer fits 32 bits; the file is sparse, so it costs no disk.
TEST_F(TextFileTest, FileLargerThanTwoGigabytes) {
    const QString path = write("huge.txt", "first line\n");
    const qint64 far = (qint64(1) << 31) + 100;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.seek(far));
        file.write("far away\nlast\n");
    }
    TextFile text;
    ASSERT_EQ(text.Open(path), store::Ok);
    EXPECT_EQ(text.FileSize(), far + 14);
    const auto first = text.ReadLines(1, 3);
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].bytes, "first line");
    EXPECT_EQ(first[1].bytes, QByteArray(255, '\0'))
        << "the hole reads as NUL bytes, cut into lines";

    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    LineCursor cursor(fd, text.FileSize(), 255, far, 4096);
    LineCursor::Piece piece;
    ASSERT_TRUE(cursor.next(piece));
    EXPECT_EQ(piece.start, far);
    EXPECT_EQ(QByteArray(piece.bytes, piece.length), "far away");
    ASSERT_TRUE(cursor.next(piece));
    EXPECT_EQ(QByteArray(piece.bytes, piece.length), "last");
    EXPECT_FALSE(cursor.next(piece));
    ::close(fd);
}

TEST_F(TextFileTest, FindsDownAndUpWithAndWithoutCase) {
    TextFile file;
    ASSERT_EQ(file.Open(write("f.txt", "alpha\nBeta gamma\nbeta\nGAMMA ray\ndelta\n")), store::Ok);
    EXPECT_EQ(file.Find(1, "gamma", false, true), 2);
    EXPECT_EQ(file.Find(3, "gamma", false, true), 4);
    EXPECT_EQ(file.Find(3, "gamma", true, true), 0);
    EXPECT_EQ(file.Find(5, "gamma", false, true), 0);
    EXPECT_EQ(file.Find(5, "beta", false, false), 3);
    EXPECT_EQ(file.Find(2, "beta", true, false), 0);
    EXPECT_EQ(file.Find(2, "Beta", true, false), 2) << "the start line itself counts";
    EXPECT_EQ(file.Find(4, "ray", false, false), 4);
    EXPECT_EQ(file.Find(1, "a\nB", false, true), 0) << "no hit across a line end";
    EXPECT_EQ(file.Find(6, "delta", false, true), 0) << "no line 6";
}

TEST_F(TextFileTest, FindsTextsAcrossBlockEdgesAndBeyondAscii) {
    QByteArray content;
    while (content.size() < (4 << 20) - 3)
        content += "filler text line\n";
    content.truncate((4 << 20) - 3);
    content += "NEEDLE in the haystack\n";
    content += "caf\xE9 au lait\n";
    content += "\xC3\x89"
               "cole\n";
    TextFile file;
    ASSERT_EQ(file.Open(write("big.txt", content)), store::Ok);
    const qint64 needle = file.Find(1, "needle in", false, true);
    ASSERT_GT(needle, 0);
    EXPECT_TRUE(file.ReadLines(needle, 1).front().bytes.contains("NEEDLE"));
    EXPECT_EQ(file.Find(file.CountLines(), "Needle", false, false), needle);
    EXPECT_EQ(file.Find(1, QString::fromUtf8("CAFÉ"), false, true), needle + 1);
    EXPECT_EQ(file.Find(1, QString::fromUtf8("école"), false, true), needle + 2);
    EXPECT_EQ(file.Find(needle + 2, QString::fromUtf8("é"), true, false), needle + 1);
}

TEST_F(TextFileTest, LinesLeftOutOfTheIndexAreNeitherNumberedNorFound) {
    TextFile file;
    file.ValidateLine = [](const char* bytes, qint64 length) {
        return !(length > 0 && bytes[0] == '#');
    };
    ASSERT_EQ(file.Open(write("v.txt", "#skip key\none\n#key\ntwo key\nthree\n")), store::Ok);
    EXPECT_EQ(all(file), (QList<QByteArray>{"one", "two key", "three"}));
    EXPECT_EQ(file.Find(1, "key", false, true), 2);
    EXPECT_EQ(file.Find(3, "key", false, false), 2);
    EXPECT_EQ(file.Find(1, "skip", false, true), 0);
    EXPECT_EQ(file.LineAt(0), 0) << "nothing numbered before the first line";
}

TEST_F(TextFileTest, FilesThatCannotBeReadAsText) {
    store::Status status;
    TextFile file;
    EXPECT_EQ(file.Open(dataPath("missing.txt"), &status), store::FileNotFound);
    EXPECT_EQ(status.text, "File not found");
    EXPECT_EQ(file.Open(dataDir(), &status), store::FileSystemError) << "a directory";
    EXPECT_FALSE(status.driverText.isEmpty());
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.Find(1, "x", false, true), 0);
}

TEST_F(TextFileTest, FileThatShrinksWhileOpenEndsEarly) {
    const QString path = write("s.txt", QByteArray(100000, 'a') + "\nend\n");
    TextFile file;
    ASSERT_EQ(file.Open(path), store::Ok);
    ASSERT_TRUE(QFile::resize(path, 1000));
    EXPECT_EQ(file.CountLines(), 4) << "what is left, cut into lines";
    EXPECT_EQ(file.Find(1, "end", false, true), 0);
}

} // namespace
