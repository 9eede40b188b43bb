#include "bench/TextViewBench.h"

#include "bench/Figure.h"
#include "framework/textview/TextFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <random>

namespace {

constexpr qint64 FileBytes = qint64(1) << 30;
constexpr int PageRows = 40;
const QByteArray Phrase = "the quiet harbour of Wareloft";

// Lines of 20 to 140 characters, the phrase in one of the last lines.
bool writeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    std::mt19937 random(3);
    const QByteArray words = QByteArray("lorem ipsum dolor sit amet consectetur adipiscing elit "
                                        "sed do eiusmod tempor incididunt ut labore et dolore ")
                                 .repeated(3);
    QByteArray block;
    qint64 written = 0, line = 0;
    while (written < FileBytes) {
        block.clear();
        while (block.size() < (1 << 20)) {
            const int length = 20 + int(random() % 120);
            const int from = int(random() % (words.size() - length));
            block += "Line " + QByteArray::number(++line) + ": " + words.mid(from, length) + '\n';
        }
        if (written + block.size() >= FileBytes) {
            block += "Near the end lies " + Phrase + ".\n";
            block += "And one line after it.\n";
        }
        if (file.write(block) != block.size()) return false;
        written += block.size();
    }
    return true;
}

double millisecondsSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

void showPage(TextFile& file, qint64 first) {
    for (const TextFile::Line& line : file.ReadLines(first, PageRows))
        (void)TextFile::DisplayText(line.bytes);
}

} // namespace

void TextViewBench::run(const QString& keepDir) {
    QTemporaryDir dir;
    const QString path = (keepDir.isEmpty() ? dir.path() : keepDir) + "/viewer-1g.txt";
    if (!(QFileInfo(path).size() > FileBytes) && !writeFile(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    // Read once, so that the figures are those of a file in the page cache.
    {
        TextFile warm;
        warm.Open(path);
        warm.Find(1, "no such text anywhere", true, true);
    }

    QElapsedTimer timer;
    TextFile file;
    timer.start();
    file.Open(path);
    showPage(file, 1);
    printFigure("viewer_open_1g", millisecondsSince(timer), "ms");

    timer.start();
    const qint64 lines = file.CountLines();
    showPage(file, std::max<qint64>(1, lines - PageRows + 1));
    printFigure("viewer_end_1g", millisecondsSince(timer), "ms");
    printFigure("viewer_index_memory_1g", file.IndexMemory() / 1024.0, "KiB");

    TextFile fresh;
    fresh.Open(path);
    timer.start();
    const qint64 hit = fresh.Find(1, QString::fromLatin1(Phrase).toUpper(), false, true);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const qint64 searched = fresh.Offset(hit);
    if (hit <= 0) std::fprintf(stderr, "phrase not found\n");
    printFigure("viewer_find_1g", searched / 1048576.0 / seconds, "MB/s");
}
