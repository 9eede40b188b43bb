// Finding a text in a TextFile: the bytes are searched in large blocks, upper-cased on the
// way when letters compare without regard to case, and a hit is then placed on its line.
// A text with letters beyond ASCII is compared line by line as the lines show.
#include "framework/textview/LineCursor.h"
#include "framework/textview/TextFile.h"

#include "framework/host/HostText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr qint64 SearchBlock = 4 << 20;

void upperCase(char* bytes, qint64 length) {
    qint64 i = 0;
#ifdef __SSE2__
    const __m128i belowA = _mm_set1_epi8('a' - 1), aboveZ = _mm_set1_epi8('z' + 1);
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; i + 16 <= length; i += 16) {
        auto* at = reinterpret_cast<__m128i*>(bytes + i);
        const __m128i v = _mm_loadu_si128(at);
        // Bytes of 0x80 and above are negative here and so never taken for letters.
        const __m128i lower = _mm_and_si128(_mm_cmpgt_epi8(v, belowA), _mm_cmplt_epi8(v, aboveZ));
        _mm_storeu_si128(at, _mm_sub_epi8(v, _mm_and_si128(lower, caseBit)));
    }
#endif
    for (; i < length; ++i)
        if (bytes[i] >= 'a' && bytes[i] <= 'z') bytes[i] = char(bytes[i] - 0x20);
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

qint64 TextFile::readBlock(qint64 at, qint64 length, std::vector<char>& buffer, bool fold) const {
    length = std::max<qint64>(0, std::min(length, fileSize_ - at));
    if (qint64(buffer.size()) < length) buffer.resize(size_t(length));
    qint64 got = 0;
    while (got < length) {
        const ssize_t n = pread(fd_, buffer.data() + got, size_t(length - got), off_t(at + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += n;
    }
    if (fold) upperCase(buffer.data(), got);
    return got;
}

// The first hit at or after `from`; -1 when there is none.
qint64 TextFile::searchForward(qint64 from, const QByteArray& needle, bool fold) const {
    std::vector<char> buffer;
    const qint64 overlap = needle.size() - 1;
    for (qint64 at = from; at < fileSize_; at += SearchBlock) {
        const qint64 got = readBlock(at, SearchBlock + overlap, buffer, fold);
        if (got < needle.size()) return -1;
        const void* hit =
            memmem(buffer.data(), size_t(got), needle.constData(), size_t(needle.size()));
        if (hit) return at + (static_cast<const char*>(hit) - buffer.data());
        if (got < SearchBlock + overlap) return -1;
    }
    return -1;
}

// The last hit that starts before `before`; -1 when there is none.
qint64 TextFile::searchBackward(qint64 before, const QByteArray& needle, bool fold) const {
    std::vector<char> buffer;
    const qint64 overlap = needle.size() - 1;
    while (before > 0) {
        const qint64 at = std::max<qint64>(0, before - SearchBlock);
        const qint64 got = readBlock(at, before - at + overlap, buffer, fold);
        qint64 last = -1;
        for (qint64 from = 0; from + needle.size() <= got && from < before - at;) {
            const void* hit = memmem(buffer.data() + from, size_t(got - from), needle.constData(),
                                     size_t(needle.size()));
            if (!hit) break;
            const qint64 position = static_cast<const char*>(hit) - buffer.data();
            if (position >= before - at) break;
            last = position;
            from = position + 1;
        }
        if (last >= 0) return at + last;
        before = at;
    }
    return -1;
}

qint64 TextFile::Find(qint64 from, const QString& what, bool matchCase, bool down) {
    if (fd_ < 0 || what.isEmpty() || from < 1) return 0;
    if (what.contains(u'\n') || what.contains(u'\r')) return 0; // no line holds a line end
    if (IndexTo(from) < from) return 0;
    if (!isAscii(what)) return findDecoded(from, what, matchCase, down);
    QByteArray needle = what.toLatin1();
    if (!matchCase) upperCase(needle.data(), needle.size());
    if (down) {
        qint64 at = Offset(from);
        for (;;) {
            const qint64 hit = searchForward(at, needle, !matchCase);
            if (hit < 0) return 0;
            const Place place = locate(hit);
            if (place.counted) return place.line;
            at = place.end; // in a line left out of the index
        }
    }
    qint64 before = IndexTo(from + 1) > from ? Offset(from + 1) : fileSize_;
    for (;;) {
        const qint64 hit = searchBackward(before, needle, !matchCase);
        if (hit < 0) return 0;
        const Place place = locate(hit);
        if (place.counted) return place.line;
        before = place.start;
    }
}

// Line by line, as the lines read: for texts that upper-casing bytes cannot compare.
qint64 TextFile::findDecoded(qint64 from, const QString& what, bool matchCase, bool down) {
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const auto holds = [&](const QByteArray& bytes) {
        return HostText::decode(bytes).contains(what, cs);
    };
    if (down) {
        LineCursor cursor(fd_, fileSize_, lineSize_, Offset(from), 1 << 20);
        LineCursor::Piece piece;
        qint64 number = from - 1;
        while (cursor.next(piece)) {
            if (!accepted(piece.bytes, piece.length)) continue;
            ++number;
            if (holds(QByteArray::fromRawData(piece.bytes, piece.length))) return number;
        }
        return 0;
    }
    // Upwards a stretch of lines at a time, each read forwards from its checkpoint.
    for (qint64 last = from; last >= 1;) {
        const Checkpoint* start = checkpointForLine(last);
        const std::vector<Line> lines = ReadLines(start->line, last - start->line + 1);
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            if (holds(it->bytes)) return it->number;
        last = start->line - 1;
    }
    return 0;
}
