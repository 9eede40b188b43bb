#include "framework/store/Collation.h"

#include <QChar>

namespace store::collation {

namespace {

int trimmed(const char* s, int n) {
    while (n > 0 && s[n - 1] == ' ')
        --n;
    return n;
}

unsigned char lowerAscii(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

// Decodes one code point at s[i]; a malformed byte stands for a value past Unicode, so that
// it never equals a character.
char32_t decode(const unsigned char* s, int n, int& i) {
    const unsigned char c = s[i];
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (c < 0x80) {
        ++i;
        return c;
    }
    char32_t cp = c & (0x3F >> extra);
    bool good = extra > 0 && i + extra < n;
    for (int k = 1; good && k <= extra; ++k) {
        good = (s[i + k] & 0xC0) == 0x80;
        cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if (!good) {
        ++i;
        return 0x110000 + c;
    }
    i += extra + 1;
    return cp;
}

int compareFolded(const unsigned char* a, int na, int i, const unsigned char* b, int nb, int j) {
    while (i < na && j < nb) {
        const char32_t x = QChar::toCaseFolded(decode(a, na, i));
        const char32_t y = QChar::toCaseFolded(decode(b, nb, j));
        if (x != y) return x < y ? -1 : 1;
    }
    return (i < na) - (j < nb);
}

int collate(void*, int na, const void* pa, int nb, const void* pb) {
    return compare(static_cast<const char*>(pa), na, static_cast<const char*>(pb), nb);
}

} // namespace

int compare(const char* pa, int na, const char* pb, int nb) {
    const auto* a = reinterpret_cast<const unsigned char*>(pa);
    const auto* b = reinterpret_cast<const unsigned char*>(pb);
    na = trimmed(pa, na);
    nb = trimmed(pb, nb);
    const int n = na < nb ? na : nb;
    // ASCII fast path: both texts share a character boundary as long as both are ASCII.
    for (int i = 0; i < n; ++i) {
        unsigned char x = a[i], y = b[i];
        if ((x | y) & 0x80) return compareFolded(a, na, i, b, nb, i);
        if (x != y) {
            x = lowerAscii(x);
            y = lowerAscii(y);
            if (x != y) return x < y ? -1 : 1;
        }
    }
    if (na == nb) return 0;
    return na < nb ? -1 : 1;
}

int install(sqlite3* db) {
    return sqlite3_create_collation_v2(db, Name, SQLITE_UTF8, nullptr, collate, nullptr);
}

} // namespace store::collation
