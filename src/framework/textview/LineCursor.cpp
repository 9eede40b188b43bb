#include "framework/textview/LineCursor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace {

// The first CR or LF from `p` on, or `end`.
const char* lineEndPlain(const char* p, const char* end) {
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r');
    for (; p + 16 <= end; p += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int hits =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)));
        if (hits) return p + __builtin_ctz(unsigned(hits));
    }
#endif
    for (; p < end; ++p)
        if (*p == '\n' || *p == '\r') return p;
    return end;
}

#ifdef __x86_64__
// The same 32 bytes at a time, on processors that have AVX2.
__attribute__((target("avx2"))) const char* lineEndWide(const char* p, const char* end) {
    const __m256i lf = _mm256_set1_epi8('\n'), cr = _mm256_set1_epi8('\r');
    for (; p + 32 <= end; p += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const unsigned hits = unsigned(_mm256_movemask_epi8(
            _mm256_or_si256(_mm256_cmpeq_epi8(v, lf), _mm256_cmpeq_epi8(v, cr))));
        if (hits) return p + __builtin_ctz(hits);
    }
    return lineEndPlain(p, end);
}
#endif

using LineEnd = const char* (*)(const char*, const char*);

LineEnd chooseLineEnd() {
#ifdef __x86_64__
    if (__builtin_cpu_supports("avx2")) return lineEndWide;
#endif
    return lineEndPlain;
}

const LineEnd lineEnd = chooseLineEnd();

} // namespace

LineCursor::LineCursor(int fd, qint64 fileSize, int lineSize, qint64 from, qint64 bufferSize)
    : fd_(fd), fileSize_(fileSize), lineSize_(std::max(1, lineSize)),
      buffer_(size_t(std::max<qint64>(bufferSize, 2 * lineSize_ + 2))),
      bufferStart_(std::min(from, fileSize)) {
    atEnd_ = bufferStart_ >= fileSize_;
}

// Keeps the unread rest and reads more behind it; false when nothing more could be read.
bool LineCursor::refill() {
    if (atEnd_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, size_t(end_ - begin_));
        bufferStart_ += begin_;
        end_ -= begin_;
        begin_ = 0;
    }
    stop_ = -1;
    const qint64 want =
        std::min<qint64>(qint64(buffer_.size()) - end_, fileSize_ - (bufferStart_ + end_));
    qint64 got = 0;
    while (got < want) {
        const ssize_t n = pread(fd_, buffer_.data() + end_ + got, size_t(want - got),
                                off_t(bufferStart_ + end_ + got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break; // the file shrank, or cannot be read: its end is here
        got += n;
    }
    end_ += got;
    if (got < want || bufferStart_ + end_ >= fileSize_) atEnd_ = true;
    return got > 0;
}

qint64 LineCursor::nextStop() {
    if (stop_ < begin_)
        stop_ = lineEnd(buffer_.data() + begin_, buffer_.data() + end_) - buffer_.data();
    return stop_;
}

bool LineCursor::emit(Piece& piece, qint64 length, qint64 next) {
    piece.start = bufferStart_ + begin_;
    piece.length = length;
    piece.bytes = buffer_.data() + begin_;
    begin_ = next;
    return true;
}

bool LineCursor::next(Piece& piece) {
    for (;;) {
        const qint64 held = end_ - begin_;
        const qint64 stop = nextStop();
        if (stop - begin_ > lineSize_) {
            // Too long for one line: a piece of the line size, not ending inside a character.
            qint64 cut = lineSize_;
            while (cut > 1 && cut > lineSize_ - 3 && (buffer_[size_t(begin_ + cut)] & 0xC0) == 0x80)
                --cut;
            return emit(piece, cut, begin_ + cut);
        }
        if (stop < end_) {
            if (buffer_[size_t(stop)] == '\r') {
                if (stop + 1 == end_ && !atEnd_) { // an LF may follow in the next block
                    if (!refill()) atEnd_ = true;
                    continue;
                }
                const bool crlf = stop + 1 < end_ && buffer_[size_t(stop + 1)] == '\n';
                return emit(piece, stop - begin_, stop + (crlf ? 2 : 1));
            }
            return emit(piece, stop - begin_, stop + 1);
        }
        if (!atEnd_ && refill()) continue;
        if (held == 0) return false;
        return emit(piece, held, end_); // the last line has no line end
    }
}
