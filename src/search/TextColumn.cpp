#include "search/TextColumn.h"

#include "search/Folding.h"

#include <cstring>

namespace search {

std::string_view TextColumn::written(quint32 value) const {
    if (!keepsWritten_ || writtenAt_[value] == Unchanged) return folded(value);
    const size_t at = writtenAt_[value];
    quint16 length;
    std::memcpy(&length, written_.data() + at, sizeof length);
    return std::string_view(written_).substr(at + sizeof length, length);
}

quint32 TextColumn::add(std::string_view text) {
    const quint32 value = size();
    fold(text.data(), text.size(), folded_);
    start_.push_back(folded_.size());
    if (keepsWritten_) {
        if (folded(value) == text) {
            writtenAt_.push_back(Unchanged);
        } else {
            writtenAt_.push_back(quint32(written_.size()));
            const quint16 length = quint16(std::min<size_t>(text.size(), 0xFFFF));
            written_.append(reinterpret_cast<const char*>(&length), sizeof length);
            written_.append(text.data(), length);
        }
    }
    return value;
}

void TextColumn::reserve(size_t values, size_t bytes) {
    start_.reserve(values + 1);
    folded_.reserve(bytes);
    if (keepsWritten_) writtenAt_.reserve(values);
}

void TextColumn::shrink() {
    folded_.shrink_to_fit();
    start_.shrink_to_fit();
    written_.shrink_to_fit();
    writtenAt_.shrink_to_fit();
}

size_t TextColumn::bytes() const {
    return folded_.capacity() + start_.capacity() * sizeof(quint64) + written_.capacity() +
           writtenAt_.capacity() * sizeof(quint32) + sizeof(*this);
}

} // namespace search
