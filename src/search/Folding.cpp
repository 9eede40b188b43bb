#include "search/Folding.h"

#include <QChar>
#include <algorithm>
#include <bit>
#include <cstring>

namespace search {

namespace {

// Decodes one code point at s[i]; returns false (and leaves cp unset) for a malformed
// sequence.
bool decode(const unsigned char* s, size_t n, size_t& i, char32_t& cp) {
    const unsigned char c = s[i];
    const int extra = c >= 0xF8 ? -1 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + extra >= n) return false;
    char32_t v = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((s[i + k] & 0xC0) != 0x80) return false;
        v = (v << 6) | (s[i + k] & 0x3F);
    }
    cp = v;
    i += extra + 1;
    return true;
}

void encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Folded ASCII letters become capitals again: no other character folds to a capital, so
// two characters still have equal forms exactly when they fold alike.
char32_t canonical(char32_t cp) {
    const char32_t f = QChar::toCaseFolded(cp);
    return (f >= 'a' && f <= 'z') ? f - 32 : f;
}

unsigned char keyOrder(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

} // namespace

void fold(const char* text, size_t length, std::string& out) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    size_t i = 0;
    // Runs of ASCII are copied with their small letters raised, without decoding.
    auto ascii = [&] {
        const size_t at = out.size();
        out.resize(at + (length - i));
        char* o = out.data() + at;
        const size_t from = i;
        for (; i < length && s[i] < 0x80; ++i)
            o[i - from] = char((s[i] >= 'a' && s[i] <= 'z') ? s[i] - 32 : s[i]);
        out.resize(at + (i - from));
    };
    ascii();
    if (i == length) return;
    while (i < length) {
        if (s[i] < 0x80) {
            ascii();
            continue;
        }
        char32_t cp;
        if (decode(s, length, i, cp))
            encode(canonical(cp), out);
        else
            out += char(s[i++]);
    }
}

std::string fold(std::string_view utf8) {
    std::string out;
    fold(utf8.data(), utf8.size(), out);
    return out;
}

std::string fold(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return fold(std::string_view(utf8.constData(), size_t(utf8.size())));
}

std::string phraseOf(const QString& phrase) {
    qsizetype end = phrase.size();
    while (end > 0 && phrase.at(end - 1) == QLatin1Char(' '))
        --end;
    return fold(phrase.left(end));
}

// Searchable forms hold no small ASCII letters, so the first byte that differs decides, read
// as the keys read it (capitals as small letters).
int compareFolded(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        quint64 x, y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) {
            i += size_t(std::countr_zero(x ^ y)) / 8;
            break;
        }
    }
    for (; i < n; ++i)
        if (a[i] != b[i]) {
            const unsigned char x = keyOrder(static_cast<unsigned char>(a[i]));
            const unsigned char y = keyOrder(static_cast<unsigned char>(b[i]));
            return x < y ? -1 : 1;
        }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

std::string_view leftChars(std::string_view utf8, int characters) {
    size_t i = 0;
    for (int c = 0; c < characters && i < utf8.size(); ++c) {
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            ++i;
    }
    return utf8.substr(0, i);
}

} // namespace search
