#pragma once

#include <QString>
#include <string>
#include <string_view>

// The searchable form of a text: every character in the form that compares equal without
// regard to case for all of Unicode, in the same way as the keys do (ASCII letters as
// capitals, every other character case folded), as UTF-8. A substring test on these forms is
// a case-insensitive substring test on the texts.
namespace search {

// Appends the searchable form of UTF-8 bytes; a malformed byte is kept as it is.
void fold(const char* text, size_t length, std::string& out);
std::string fold(std::string_view utf8);
std::string fold(const QString& text);

// The phrase as it is looked for: trailing blanks removed, leading blanks kept, folded.
std::string phraseOf(const QString& phrase);

// Compares two searchable forms in the order of the keys: < 0, 0 or > 0.
int compareFolded(std::string_view a, std::string_view b);

// A byte of a searchable form as the key order reads it.
inline unsigned char keyByte(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

// The first `characters` characters of UTF-8 text.
std::string_view leftChars(std::string_view utf8, int characters);

} // namespace search
