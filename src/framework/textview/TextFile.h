#pragma once

#include "framework/store/RecordStore.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class LineCursor;

// A text file opened read-only for viewing, read by lines of at most `LineSize` bytes
// (LineCursor says how lines end and how longer ones are cut). Lines are numbered from 1.
//
// The index of line positions is built only as far as it is asked for, and it is sparse: it
// keeps the position of a line now and then (at least 64 lines and 4 KB apart) and finds the
// lines in between by reading from there, so its memory stays near a thousandth of the file
// whatever the file holds. Files of any size are read in blocks; nothing holds the file.
class TextFile {
public:
    static constexpr int DefaultLineSize = 255;

    struct Line {
        qint64 number = 0;
        qint64 offset = 0; // byte position in the file
        QByteArray bytes;  // without the line end
    };

    explicit TextFile(int lineSize = DefaultLineSize);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens a regular file by its host path, read-only and sharing it with everyone.
    // The store's code: 0, 2 not found, 5 access denied, 90 anything else with the host's
    // number and text; `status` gets the details.
    int Open(const QString& hostPath, store::Status* status = nullptr);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    // Bytes when the file was opened; growth after that is not read.
    qint64 FileSize() const { return fileSize_; }
    int LineSize() const { return lineSize_; }

    // Given the bytes of a line, false leaves it out of the numbering and the index.
    // Set before anything is indexed.
    std::function<bool(const char* bytes, qint64 length)> ValidateLine;

    // Indexes up to line `line`; the number of lines indexed, fewer at the end of the file.
    qint64 IndexTo(qint64 line);
    // Indexes up to the line that holds byte `offset`.
    void IndexThrough(qint64 offset);
    // Reads the index to the end once; the number of lines.
    qint64 CountLines();
    qint64 IndexedLines() const { return lines_; }
    bool FullyIndexed() const { return complete_; }
    // Bytes the index holds.
    qint64 IndexMemory() const;

    // Lines `first` .. `first` + `count` - 1, as far as they exist.
    std::vector<Line> ReadLines(qint64 first, qint64 count);
    // Byte position of a line; -1 when there is no such line.
    qint64 Offset(qint64 line);
    // The line that holds byte `offset` (one left out of the index gives the line before
    // it); the last line for an offset past the end; 0 for a file without lines.
    qint64 LineAt(qint64 offset);

    // The first line from `from` (that line included) downwards, or upwards, that holds
    // `what`; 0 when none does before the end or the beginning. Without `matchCase` letters
    // compare without regard to case. Reads the file in large blocks.
    qint64 Find(qint64 from, const QString& what, bool matchCase, bool down);

    // A line as a list row shows it: the bytes as text (HostText), tabs set to columns of
    // eight, other control characters (C0 and C1) as a middle dot.
    static QString DisplayText(const QByteArray& bytes);

private:
    struct Checkpoint {
        qint64 line;
        qint64 offset;
    };
    // The line piece around a byte position, and whether it is a numbered line.
    struct Place {
        qint64 line = 0; // the numbered line at or before the position
        qint64 start = 0;
        qint64 end = 0; // where the next piece starts
        bool counted = false;
    };

    bool accepted(const char* bytes, qint64 length) const;
    void indexUntil(qint64 line, qint64 offset);
    const Checkpoint* checkpointForLine(qint64 line) const;
    const Checkpoint* checkpointForOffset(qint64 offset) const;
    Place locate(qint64 offset);
    qint64 searchForward(qint64 from, const QByteArray& needle, bool fold) const;
    qint64 searchBackward(qint64 before, const QByteArray& needle, bool fold) const;
    qint64 readBlock(qint64 at, qint64 length, std::vector<char>& buffer, bool fold) const;
    qint64 findDecoded(qint64 from, const QString& what, bool matchCase, bool down);

    int lineSize_;
    int fd_ = -1;
    qint64 fileSize_ = 0;
    std::vector<Checkpoint> checkpoints_;
    qint64 lines_ = 0;
    bool complete_ = false;
    std::unique_ptr<LineCursor> indexer_; // keeps its place between calls
};
