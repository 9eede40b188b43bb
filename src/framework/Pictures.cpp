#include "framework/Pictures.h"

#include "framework/DecimalText.h"
#include "framework/PictureSyntax.h"

#include <algorithm>

namespace Pictures {

using Syntax::Kind;
using Syntax::Picture;

namespace {

constexpr int MostScale = 18;

// The first n characters, never splitting a surrogate pair.
QString firstCharacters(const QString& text, int n) {
    if (text.size() <= n) return text;
    if (n > 0 && text.at(n - 1).isHighSurrogate()) --n;
    return text.left(n);
}

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

QString groupThousands(const QString& digits) {
    QString out;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += QLatin1Char(' ');
        out += digits.at(i);
    }
    return out;
}

struct Digits {
    bool negative = false;
    QString whole;
    QString fraction;
};

// The digits of a value held with `scale` decimals, rounded half away from zero or
// extended with zeros to `places` decimals.
Digits digitsOf(qint64 value, int scale, int places) {
    scale = std::clamp(scale, 0, MostScale);
    const int kept = std::min(scale, places);
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    if (scale > kept) magnitude = Syntax::dropDigits(magnitude, scale - kept);
    const quint64 unit = Syntax::power10(kept);
    Digits d;
    d.negative = value < 0 && magnitude != 0; // a value that rounds to zero has no sign
    d.whole = QString::number(magnitude / unit);
    if (kept > 0)
        d.fraction = QString::number(magnitude % unit).rightJustified(kept, QLatin1Char('0'));
    d.fraction += QString(places - kept, QLatin1Char('0'));
    return d;
}

QString joined(const Digits& d) {
    QString text = d.negative ? QStringLiteral("-") : QString();
    text += d.whole;
    if (!d.fraction.isEmpty()) text += QLatin1Char('.') + d.fraction;
    return text;
}

QString plainNumber(qint64 value, int scale) {
    return joined(digitsOf(value, scale, std::clamp(scale, 0, MostScale)));
}

QString formatNumber(qint64 value, const Picture& p, int scale) {
    if (value == 0 && p.blankZero) return {};
    Digits d = digitsOf(value, scale, p.places);
    if (p.zeroFill) d.whole = d.whole.rightJustified(p.size, QLatin1Char('0'));
    if (p.grouped) d.whole = groupThousands(d.whole);
    return joined(d);
}

QString formatDate(qint64 day, const Picture& p) {
    const auto date = calendarDate(day);
    if (!date) return {};
    const QString year =
        p.fourDigitYear ? QString::number(date->year) : twoDigits(date->year % 100);
    const QString first = twoDigits(p.monthFirst ? date->month : date->day);
    const QString second = twoDigits(p.monthFirst ? date->day : date->month);
    return first + p.separator + second + p.separator + year;
}

QString formatTime(qint64 value, const Picture& p) {
    const auto time = clockTime(value);
    if (!time) return {};
    QString text = twoDigits(time->hours) + p.separator + twoDigits(time->minutes);
    if (p.withSeconds) text += p.separator + twoDigits(time->seconds);
    return text;
}

} // namespace

QString format(qint64 value, const QString& picture, int scale) {
    const Picture p = Syntax::read(picture);
    switch (p.kind) {
    case Kind::Text:
        return firstCharacters(plainNumber(value, scale), p.size);
    case Kind::Number:
        return formatNumber(value, p, scale);
    case Kind::Date:
        return formatDate(value, p);
    case Kind::Time:
        return formatTime(value, p);
    case Kind::Invalid:
        break;
    }
    return plainNumber(value, scale);
}

QString format(const QString& text, const QString& picture) {
    const Picture p = Syntax::read(picture);
    if (p.kind == Kind::Text) return firstCharacters(text, p.size);
    if (p.kind == Kind::Invalid) return text;
    const auto number = Syntax::readDecimal(text);
    if (!number) return text;
    if (p.kind == Kind::Number) return format(number->value, picture, number->scale);
    const auto whole = Syntax::rescale(*number, 0);
    return whole ? format(*whole, picture) : text;
}

int pictureWidth(const QString& picture) {
    const Picture p = Syntax::read(picture);
    switch (p.kind) {
    case Kind::Text:
        return p.size;
    case Kind::Number:
        return (p.signAllowed ? 1 : 0) + p.size + (p.grouped ? (p.size - 1) / 3 : 0) +
               (p.places > 0 ? p.places + 1 : 0);
    case Kind::Date:
        return p.fourDigitYear ? 10 : 8;
    case Kind::Time:
        return p.withSeconds ? 8 : 5;
    case Kind::Invalid:
        break;
    }
    return 0;
}

} // namespace Pictures
