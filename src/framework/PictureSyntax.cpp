#include "framework/PictureSyntax.h"

namespace Pictures::Syntax {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Reads the digits at `pos`, moving past them; -1 when there are none.
int readCount(const QString& text, int& pos) {
    const int start = pos;
    int value = 0;
    while (pos < text.size() && isAsciiDigit(text.at(pos)) && pos - start < 5)
        value = value * 10 + text.at(pos++).digitValue();
    if (pos < text.size() && isAsciiDigit(text.at(pos))) return -1; // absurdly long count
    return pos == start ? -1 : value;
}

bool isBlankFlag(QChar c) {
    return c == QLatin1Char('B') || c == QLatin1Char('b');
}

Picture readText(const QString& rest) {
    Picture p;
    int pos = 0;
    p.size = readCount(rest, pos);
    if (pos < rest.size() && isBlankFlag(rest.at(pos))) {
        p.blankZero = true;
        ++pos;
    }
    if (p.size < 0 || pos != rest.size()) return {};
    p.kind = Kind::Text;
    return p;
}

// [-] [_] [0] size [_] [.places] [B], the prefix flags in any order.
Picture readNumber(const QString& rest) {
    Picture p;
    int pos = 0;
    for (; pos < rest.size(); ++pos) {
        const QChar c = rest.at(pos);
        if (c == QLatin1Char('-'))
            p.signAllowed = true;
        else if (c == QLatin1Char('_'))
            p.grouped = true;
        else if (c == QLatin1Char('0') && pos + 1 < rest.size() && isAsciiDigit(rest.at(pos + 1)))
            p.zeroFill = true;
        else
            break;
    }
    p.size = readCount(rest, pos);
    if (p.size <= 0) return {};
    if (pos < rest.size() && rest.at(pos) == QLatin1Char('_')) {
        p.grouped = true;
        ++pos;
    }
    if (pos < rest.size() && rest.at(pos) == QLatin1Char('.')) {
        p.places = readCount(rest, ++pos);
        if (p.places < 0 || p.places > 9) return {};
    }
    if (pos < rest.size() && isBlankFlag(rest.at(pos))) {
        p.blankZero = true;
        ++pos;
    }
    if (pos != rest.size()) return {};
    p.kind = Kind::Number;
    return p;
}

// The style number (@D6: 6), then a separator and "B" in any order.
Picture readDateOrTime(Kind kind, const QString& rest) {
    Picture p;
    int pos = 0;
    const int style = readCount(rest, pos);
    if (kind == Kind::Date) {
        if (style != 1 && style != 2 && style != 5 && style != 6) return {};
        p.monthFirst = style <= 2;
        p.fourDigitYear = style == 2 || style == 6;
        p.separator = QLatin1Char('/');
    } else {
        if (style != 1 && style != 4) return {};
        p.withSeconds = style == 4;
        p.separator = QLatin1Char(':');
    }
    for (; pos < rest.size(); ++pos) {
        const QChar c = rest.at(pos);
        if (isBlankFlag(c))
            p.blankZero = true;
        else if (c == QLatin1Char('_'))
            p.separator = QLatin1Char(' ');
        else if (c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('/') ||
                 c == QLatin1Char(':'))
            p.separator = c;
        else
            return {};
    }
    p.kind = kind;
    return p;
}

} // namespace

Picture read(const QString& picture) {
    const QString text = picture.startsWith(QLatin1Char('@')) ? picture.mid(1) : picture;
    if (text.isEmpty()) return {};
    const QString rest = text.mid(1);
    switch (text.at(0).toLower().unicode()) {
    case 's':
        return readText(rest);
    case 'n':
        return readNumber(rest);
    case 'd':
        return readDateOrTime(Kind::Date, rest);
    case 't':
        return readDateOrTime(Kind::Time, rest);
    default:
        return {};
    }
}

} // namespace Pictures::Syntax
