#include "search/Trigrams.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace search {

namespace {

int varintLength(quint32 v) {
    return v < (1u << 7) ? 1 : v < (1u << 14) ? 2 : v < (1u << 21) ? 3 : v < (1u << 28) ? 4 : 5;
}

unsigned char* putVarint(unsigned char* p, quint32 v) {
    while (v >= 0x80) {
        *p++ = static_cast<unsigned char>(v | 0x80);
        v >>= 7;
    }
    *p++ = static_cast<unsigned char>(v);
    return p;
}

// Runs `each(bucket, text)` for every three-byte run of every text; a run repeated within a
// text is reported once per bucket thanks to `last`.
template <class Each>
void walk(const TextColumn& column, quint32 texts, int bits, std::vector<quint32>& last,
          Each each) {
    const char* pool = column.pool().data();
    const auto& start = column.starts();
    const int shift = 32 - bits;
    for (quint32 t = 0; t < texts; ++t) {
        const quint64 end = start[t + 1];
        for (quint64 i = start[t]; i + 3 <= end; ++i) {
            const quint32 three = quint32(static_cast<unsigned char>(pool[i])) |
                                  quint32(static_cast<unsigned char>(pool[i + 1])) << 8 |
                                  quint32(static_cast<unsigned char>(pool[i + 2])) << 16;
            const quint32 b = (three * 0x9E3779B1u) >> shift;
            if (last[b] == t + 1) continue;
            each(b, t + 1 - last[b]); // `last` counts from 1: 0 is none
            last[b] = t + 1;
        }
    }
}

} // namespace

quint32 Trigrams::bucketOf(const char* p) const {
    const quint32 three = quint32(static_cast<unsigned char>(p[0])) |
                          quint32(static_cast<unsigned char>(p[1])) << 8 |
                          quint32(static_cast<unsigned char>(p[2])) << 16;
    return (three * 0x9E3779B1u) >> (32 - bits_);
}

void Trigrams::clear() {
    *this = Trigrams();
}

void Trigrams::build(const TextColumn& column) {
    covered_ = column.size();
    bits_ = std::clamp(int(std::bit_width(covered_)) - 2, 12, 20);
    const size_t buckets = size_t(1) << bits_;
    std::vector<quint32> last(buckets, 0);
    std::vector<quint32> length(buckets + 1, 0);
    walk(column, covered_, bits_, last,
         [&](quint32 b, quint32 gap) { length[b] += varintLength(gap); });
    bucket_.assign(buckets + 1, 0);
    quint64 total = 0;
    for (size_t b = 0; b < buckets; ++b) {
        bucket_[b] = quint32(total);
        total += length[b];
    }
    bucket_[buckets] = quint32(total);
    postings_.assign(total, 0);
    std::vector<quint32> at(bucket_.begin(), bucket_.end() - 1);
    std::fill(last.begin(), last.end(), 0);
    walk(column, covered_, bits_, last, [&](quint32 b, quint32 gap) {
        at[b] = quint32(putVarint(postings_.data() + at[b], gap) - postings_.data());
    });
}

void Trigrams::candidates(std::string_view phrase, std::vector<quint32>& out) const {
    if (covered_ == 0 || phrase.size() < 3) return;
    // The smallest list is the surest filter; the others would cost more than verifying.
    quint32 best = bucketOf(phrase.data());
    for (size_t i = 1; i + 3 <= phrase.size(); ++i) {
        const quint32 b = bucketOf(phrase.data() + i);
        if (bucket_[b + 1] - bucket_[b] < bucket_[best + 1] - bucket_[best]) best = b;
    }
    const unsigned char* p = postings_.data() + bucket_[best];
    const unsigned char* end = postings_.data() + bucket_[best + 1];
    qint64 text = -1;
    while (p < end) {
        quint32 gap = 0;
        int shift = 0;
        while (*p & 0x80) {
            gap |= quint32(*p++ & 0x7F) << shift;
            shift += 7;
        }
        gap |= quint32(*p++) << shift;
        text += gap;
        out.push_back(quint32(text));
    }
}

size_t Trigrams::bytes() const {
    return bucket_.capacity() * sizeof(quint32) + postings_.capacity() + sizeof(*this);
}

} // namespace search
