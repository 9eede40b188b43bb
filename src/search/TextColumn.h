#pragma once

#include <QtGlobal>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The distinct texts of one searched field, each in its searchable form and, where shown in
// the results, in its written form; entries refer to a text by its number.
namespace search {

class TextColumn {
public:
    explicit TextColumn(bool written) : keepsWritten_(written) {}

    quint32 size() const { return quint32(start_.size() - 1); }
    std::string_view folded(quint32 value) const {
        return std::string_view(folded_).substr(start_[value], start_[value + 1] - start_[value]);
    }
    std::string_view written(quint32 value) const;
    // The searchable texts back to back, and where each begins (one more than size()).
    const std::string& pool() const { return folded_; }
    const std::vector<quint64>& starts() const { return start_; }

    // Adds a text given in its written form (UTF-8) and returns its number.
    quint32 add(std::string_view text);
    bool same(quint32 value, std::string_view text) const { return written(value) == text; }
    void reserve(size_t values, size_t bytes);
    void shrink();
    size_t bytes() const;

private:
    static constexpr quint32 Unchanged = 0xFFFFFFFFu;
    bool keepsWritten_;
    std::string folded_;
    std::vector<quint64> start_{0};
    std::string written_; // written forms that differ from the folded ones: length, bytes
    std::vector<quint32> writtenAt_;
    std::string scratch_;
};

using TextColumnPtr = std::shared_ptr<TextColumn>;

} // namespace search
