#include "framework/DecimalText.h"

#include <algorithm>
#include <limits>

namespace Pictures::Syntax {

namespace {

constexpr int MostDigits = 18;

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isGroupSeparator(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QChar(0x00A0);
}

// The digits of a whole part; a separator must follow one to three leading digits and
// precede exactly three.
std::optional<QString> wholeDigits(const QString& whole) {
    QString digits;
    int sinceSeparator = -1; // -1 until the first separator
    for (const QChar c : whole) {
        if (isAsciiDigit(c)) {
            digits += c;
            if (sinceSeparator >= 0) ++sinceSeparator;
        } else if (isGroupSeparator(c)) {
            const bool afterFirstGroup =
                sinceSeparator < 0 && !digits.isEmpty() && digits.size() <= 3;
            if (!afterFirstGroup && sinceSeparator != 3) return std::nullopt;
            sinceSeparator = 0;
        } else {
            return std::nullopt;
        }
    }
    if (sinceSeparator >= 0 && sinceSeparator != 3) return std::nullopt;
    return digits;
}

} // namespace

quint64 power10(int n) {
    quint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

quint64 dropDigits(quint64 magnitude, int count) {
    const quint64 divisor = power10(count);
    const bool up = 2 * (magnitude % divisor) >= divisor;
    return magnitude / divisor + (up ? 1 : 0);
}

std::optional<Decimal> readDecimal(const QString& text) {
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.at(0) == QLatin1Char('-');
        t = t.mid(1).trimmed();
    }
    const int dot = t.indexOf(QLatin1Char('.'));
    const QString fraction = dot < 0 ? QString() : t.mid(dot + 1);
    const auto whole = wholeDigits(dot < 0 ? t : t.left(dot));
    if (!whole || (whole->isEmpty() && fraction.isEmpty())) return std::nullopt;
    if (fraction.size() > MostDigits) return std::nullopt;
    for (const QChar c : fraction)
        if (!isAsciiDigit(c)) return std::nullopt;

    QString digits = *whole + fraction;
    while (digits.size() > 1 && digits.at(0) == QLatin1Char('0'))
        digits.remove(0, 1);
    if (digits.size() > MostDigits) return std::nullopt;
    const qint64 magnitude = digits.isEmpty() ? 0 : digits.toLongLong();
    return Decimal{negative ? -magnitude : magnitude, int(fraction.size())};
}

std::optional<qint64> rescale(const Decimal& number, int scale) {
    scale = std::clamp(scale, 0, MostDigits);
    const bool negative = number.value < 0;
    quint64 magnitude = negative ? 0 - quint64(number.value) : quint64(number.value);
    if (number.scale > scale) {
        magnitude = dropDigits(magnitude, number.scale - scale);
    } else if (number.scale < scale) {
        const quint64 factor = power10(scale - number.scale);
        if (magnitude > quint64(std::numeric_limits<qint64>::max()) / factor) return std::nullopt;
        magnitude *= factor;
    }
    return negative ? qint64(0 - magnitude) : qint64(magnitude);
}

} // namespace Pictures::Syntax
