#pragma once

#include <QtGlobal>
#include <vector>

// Reads the lines of an open file one after another from a byte position, through a buffer
// of its own. A line ends at LF, CR LF or a CR alone; a line longer than the line size is
// cut into pieces of that size (never inside a UTF-8 character), each piece a line of its
// own, so that no file, not even one without any line break, makes a line without bound.
class LineCursor {
public:
    struct Piece {
        qint64 start = 0;            // byte position in the file
        qint64 length = 0;           // bytes, without the line end
        const char* bytes = nullptr; // valid until the next call
    };

    // Reads from `from` up to `fileSize` (bytes beyond it, written later, are not seen).
    LineCursor(int fd, qint64 fileSize, int lineSize, qint64 from, qint64 bufferSize);

    // The next line; false at the end of the file or when the file can no longer be read.
    bool next(Piece& piece);
    // Where the next line starts.
    qint64 position() const { return bufferStart_ + begin_; }

private:
    bool refill();
    qint64 nextStop();
    bool emit(Piece& piece, qint64 length, qint64 next);

    int fd_;
    qint64 fileSize_;
    qint64 lineSize_;
    std::vector<char> buffer_;
    qint64 bufferStart_; // file position of buffer_[0]
    qint64 begin_ = 0;   // the next line, in the buffer
    qint64 end_ = 0;     // bytes held
    qint64 stop_ = -1;   // the next CR or LF in the buffer: -1 unknown, end_ when none
    bool atEnd_ = false; // the buffer holds everything up to the file's end
};
