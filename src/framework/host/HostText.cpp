#include "framework/host/HostText.h"

namespace {

// Windows-1252 for 0x80..0x9F; the rest of the upper half is Latin-1.
constexpr char16_t windows1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t fromCodePage(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? windows1252[byte - 0x80] : char16_t(byte);
}

} // namespace

int HostText::sequenceLength(const unsigned char* b, qsizetype available) {
    const unsigned char lead = b[0];
    if (lead < 0x80) return 1;
    int length = 0;
    char32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = 0x10000;
    } else {
        return 0;
    }
    if (available < length) return 0;
    char32_t code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((b[i] & 0xC0) != 0x80) return 0;
        code = (code << 6) | (b[i] & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not valid UTF-8.
    if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 0;
    return length;
}

QString HostText::decode(const char* bytes, qsizetype size) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    qsizetype ascii = 0;
    while (ascii < size && b[ascii] < 0x80)
        ++ascii;
    if (ascii == size) return QString::fromLatin1(bytes, size);

    QString out;
    out.reserve(size);
    out.append(QLatin1StringView(bytes, ascii));
    for (qsizetype i = ascii; i < size;) {
        if (b[i] < 0x80) {
            out.append(QChar(b[i++]));
            continue;
        }
        const int length = sequenceLength(b + i, size - i);
        if (length == 0) {
            out.append(QChar(fromCodePage(b[i++])));
            continue;
        }
        out.append(QString::fromUtf8(bytes + i, length));
        i += length;
    }
    return out;
}
