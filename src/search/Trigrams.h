#pragma once

#include "search/TextColumn.h"

#include <vector>

// Finds the texts of a column that may hold a phrase of three bytes or more without looking
// at every text: for each run of three bytes (hashed into buckets) the numbers of the texts
// that hold it, ascending, as variable-length differences.
namespace search {

class Trigrams {
public:
    // Indexes the texts [0, column.size()).
    void build(const TextColumn& column);
    void clear();
    // The texts indexed: [0, covered()).
    quint32 covered() const { return covered_; }
    // Appends, ascending, every indexed text that may hold `phrase` (3 bytes or more); the
    // caller verifies each.
    void candidates(std::string_view phrase, std::vector<quint32>& out) const;
    size_t bytes() const;

private:
    quint32 bucketOf(const char* three) const;

    int bits_ = 0;
    quint32 covered_ = 0;
    std::vector<quint32> bucket_; // where each bucket's list begins, and the end
    std::vector<unsigned char> postings_;
};

} // namespace search
