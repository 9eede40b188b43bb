#include "framework/textview/TextFile.h"

#include "framework/host/HostDirectory.h"
#include "framework/host/HostText.h"
#include "framework/textview/LineCursor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 IndexBuffer = 256 << 10; // bytes read at a time while indexing
constexpr qint64 PageBuffer = 64 << 10;   // from a checkpoint to the lines asked for
constexpr qint64 CheckpointLines = 64;
constexpr qint64 CheckpointBytes = 4096;
// Lines left out of the index still may not stretch the distance between checkpoints.
constexpr qint64 CheckpointMaxBytes = 64 << 10;

int statusFor(int errorNumber, store::Status* status) {
    store::Status s;
    switch (errorNumber) {
    case ENOENT:
    case ENOTDIR:
        s = {store::FileNotFound, QStringLiteral("File not found"), {}, {}};
        break;
    case EACCES:
    case EPERM:
        s = {store::AccessDenied, QStringLiteral("Access denied"), {}, {}};
        break;
    default:
        s = {store::FileSystemError, QStringLiteral("File system error"),
             QString::number(errorNumber), HostDirectory::errorText(errorNumber)};
    }
    if (status) *status = s;
    return s.code;
}

} // namespace

TextFile::TextFile(int lineSize) : lineSize_(lineSize) {}

TextFile::~TextFile() {
    Close();
}

int TextFile::Open(const QString& hostPath, store::Status* status) {
    Close();
    if (hostPath.isEmpty()) return statusFor(ENOENT, status);
    const QByteArray native = HostDirectory::nativePath(hostPath);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return statusFor(errno, status);
    struct stat st {};
    // A directory, a pipe or a device is not a text file, and a pipe would never end.
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        return statusFor(error, status);
    }
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    fd_ = fd;
    fileSize_ = qint64(st.st_size);
    if (status) *status = {store::Ok, QStringLiteral("No error"), {}, {}};
    return store::Ok;
}

void TextFile::Close() {
    indexer_.reset();
    checkpoints_.clear();
    checkpoints_.shrink_to_fit();
    lines_ = 0;
    complete_ = false;
    fileSize_ = 0;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

qint64 TextFile::IndexMemory() const {
    return qint64(checkpoints_.capacity() * sizeof(Checkpoint));
}

bool TextFile::accepted(const char* bytes, qint64 length) const {
    return !ValidateLine || ValidateLine(bytes, length);
}

// Continues the index until it holds `line` lines and has passed byte `offset`, or the
// file ends.
void TextFile::indexUntil(qint64 line, qint64 offset) {
    if (complete_ || fd_ < 0) return;
    if (!indexer_)
        indexer_ = std::make_unique<LineCursor>(fd_, fileSize_, lineSize_, 0, IndexBuffer);
    LineCursor& cursor = *indexer_;
    LineCursor::Piece piece;
    Checkpoint last =
        checkpoints_.empty() ? Checkpoint{0, -CheckpointMaxBytes} : checkpoints_.back();
    while (lines_ < line || cursor.position() <= offset) {
        if (!cursor.next(piece)) {
            complete_ = true;
            indexer_.reset(); // its buffer is not needed any more
            return;
        }
        if (ValidateLine && !ValidateLine(piece.bytes, piece.length)) continue;
        ++lines_;
        if ((lines_ - last.line >= CheckpointLines &&
             piece.start - last.offset >= CheckpointBytes) ||
            piece.start - last.offset >= CheckpointMaxBytes) {
            last = {lines_, piece.start};
            checkpoints_.push_back(last);
        }
    }
}

qint64 TextFile::IndexTo(qint64 line) {
    indexUntil(line, -1);
    return lines_;
}

void TextFile::IndexThrough(qint64 offset) {
    indexUntil(0, offset);
}

qint64 TextFile::CountLines() {
    indexUntil(std::numeric_limits<qint64>::max(), -1);
    return lines_;
}

const TextFile::Checkpoint* TextFile::checkpointForLine(qint64 line) const {
    auto it = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), line,
                               [](qint64 l, const Checkpoint& c) { return l < c.line; });
    return it == checkpoints_.begin() ? nullptr : &*(it - 1);
}

const TextFile::Checkpoint* TextFile::checkpointForOffset(qint64 offset) const {
    auto it = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), offset,
                               [](qint64 o, const Checkpoint& c) { return o < c.offset; });
    return it == checkpoints_.begin() ? nullptr : &*(it - 1);
}

std::vector<TextFile::Line> TextFile::ReadLines(qint64 first, qint64 count) {
    std::vector<Line> out;
    if (fd_ < 0 || first < 1 || count < 1) return out;
    const qint64 last = std::min(IndexTo(first + count - 1), first + count - 1);
    const Checkpoint* from = checkpointForLine(first);
    if (!from || last < first) return out;
    out.reserve(size_t(last - first + 1));
    LineCursor cursor(fd_, fileSize_, lineSize_, from->offset, PageBuffer);
    LineCursor::Piece piece;
    qint64 number = from->line - 1;
    while (number < last && cursor.next(piece)) {
        if (!accepted(piece.bytes, piece.length)) continue;
        if (++number >= first)
            out.push_back({number, piece.start, QByteArray(piece.bytes, piece.length)});
    }
    return out;
}

qint64 TextFile::Offset(qint64 line) {
    const std::vector<Line> lines = ReadLines(line, 1);
    return lines.empty() ? -1 : lines.front().offset;
}

TextFile::Place TextFile::locate(qint64 offset) {
    Place place;
    IndexThrough(offset);
    const Checkpoint* from = checkpointForOffset(offset);
    // Before the first checkpoint lie only lines left out of the index.
    LineCursor cursor(fd_, fileSize_, lineSize_, from ? from->offset : 0, PageBuffer);
    LineCursor::Piece piece;
    qint64 number = from ? from->line - 1 : 0;
    while (cursor.next(piece)) {
        const bool counted = accepted(piece.bytes, piece.length);
        if (counted) ++number;
        place = {number, piece.start, cursor.position(), counted};
        if (place.end > offset) break;
    }
    return place;
}

qint64 TextFile::LineAt(qint64 offset) {
    if (fd_ < 0) return 0;
    if (offset >= fileSize_) return CountLines();
    return locate(std::max<qint64>(offset, 0)).line;
}

QString TextFile::DisplayText(const QByteArray& bytes) {
    const QString text = HostText::decode(bytes);
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\t') {
            do
                out.append(u' ');
            while (out.size() % 8 != 0);
        } else if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)) {
            out.append(QChar(0x00B7));
        } else {
            out.append(c);
        }
    }
    return out;
}
