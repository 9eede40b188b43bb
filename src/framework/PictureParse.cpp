#include "framework/Pictures.h"

#include "framework/DecimalText.h"
#include "framework/PictureSyntax.h"

#include <QStringList>

namespace Pictures {

using Syntax::Kind;
using Syntax::Picture;

namespace {

// Two-digit years 00..49 are 2000..2049, 50..99 are 1950..1999.
constexpr int CenturyPivot = 50;

// The digit groups of the text, split at blanks and at any of `separators`; nullopt
// when anything else is found or a separator has no digits before or after it.
std::optional<QStringList> tokens(const QString& text, QLatin1String separators) {
    QStringList parts;
    QString current;
    bool digitsSinceSeparator = false;
    bool separatorSeen = false;
    const auto flush = [&] {
        if (!current.isEmpty()) parts << current;
        current.clear();
    };
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            current += c;
            digitsSinceSeparator = true;
        } else if (c.isSpace()) {
            flush();
        } else if (separators.contains(c) && digitsSinceSeparator) {
            flush();
            digitsSinceSeparator = false;
            separatorSeen = true;
        } else {
            return std::nullopt;
        }
    }
    flush();
    if (separatorSeen && !digitsSinceSeparator) return std::nullopt;
    return parts;
}

// A run of digits without separators, cut into two-digit parts and the rest.
QStringList cutDigits(const QString& digits, int parts) {
    QStringList out;
    for (int i = 0; i < parts - 1; ++i)
        out << digits.mid(2 * i, 2);
    out << digits.mid(2 * (parts - 1));
    return out;
}

std::optional<qint64> parseNumber(const QString& text, const Picture& p, int scale) {
    const auto number = Syntax::readDecimal(text);
    if (!number) return std::nullopt;
    const auto value = Syntax::rescale(*number, scale);
    if (value && *value < 0 && !p.signAllowed) return std::nullopt;
    return value;
}

std::optional<qint64> parseDate(const QString& text, const Picture& p) {
    auto parts = tokens(text, QLatin1String("/-.,"));
    if (!parts) return std::nullopt;
    if (parts->size() == 1 && (parts->at(0).size() == 6 || parts->at(0).size() == 8))
        parts = cutDigits(parts->at(0), 3); // "07032024", "070324"
    if (parts->size() != 3) return std::nullopt;
    const QString& dayText = parts->at(p.monthFirst ? 1 : 0);
    const QString& monthText = parts->at(p.monthFirst ? 0 : 1);
    const QString& yearText = parts->at(2);
    if (dayText.size() > 2 || monthText.size() > 2) return std::nullopt;
    if (yearText.size() == 3 || yearText.size() > 4) return std::nullopt;

    int year = yearText.toInt();
    if (yearText.size() <= 2) year += year < CenturyPivot ? 2000 : 1900;
    const qint32 day = dayNumber(year, monthText.toInt(), dayText.toInt());
    return day ? std::optional<qint64>(day) : std::nullopt;
}

std::optional<qint64> parseTime(const QString& text) {
    auto parts = tokens(text, QLatin1String(":.-"));
    if (!parts) return std::nullopt;
    if (parts->size() == 1 && (parts->at(0).size() == 4 || parts->at(0).size() == 6))
        parts = cutDigits(parts->at(0), parts->at(0).size() / 2); // "0905", "090503"
    if (parts->size() > 4) return std::nullopt;
    for (const QString& part : *parts)
        if (part.size() > 2) return std::nullopt;

    const auto part = [&](int i) { return i < parts->size() ? parts->at(i).toInt() : 0; };
    // A fourth part is a fraction of the second: "03.5" is three and a half seconds.
    const int hundredths =
        parts->size() == 4 ? parts->at(3).leftJustified(2, QLatin1Char('0')).toInt() : 0;
    const qint32 value = timeValue(part(0), part(1), part(2), hundredths);
    return value ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

std::optional<qint64> parse(const QString& text, const QString& picture, int scale) {
    const Picture p = Syntax::read(picture);
    if (p.kind == Kind::Invalid || p.kind == Kind::Text) return std::nullopt;
    if (text.trimmed().isEmpty()) return 0;
    switch (p.kind) {
    case Kind::Number:
        return parseNumber(text, p, scale);
    case Kind::Date:
        return parseDate(text, p);
    case Kind::Time:
        return parseTime(text);
    default:
        return std::nullopt;
    }
}

} // namespace Pictures
