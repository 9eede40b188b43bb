#pragma once

#include <QString>
#include <optional>

// Numbers as people write them, read into scaled integers. Used by the formatting and
// the parsing of pictures only.
namespace Pictures::Syntax {

// A number as written: its digits as an integer and the count of decimals written.
struct Decimal {
    qint64 value = 0;
    int scale = 0;
};

// Reads "-1 234.5", "1,234", "+7", ".5" and the like: surrounding blanks, a sign, and
// thousands separated by blanks or commas (each group of exactly three digits).
std::optional<Decimal> readDecimal(const QString& text);

// The number held with `scale` decimals, rounded half away from zero; nullopt when it
// does not fit.
std::optional<qint64> rescale(const Decimal& number, int scale);

// 10 to the power n, for n from 0 to 18.
quint64 power10(int n);

// The magnitude with its last `count` digits dropped, rounded half up.
quint64 dropDigits(quint64 magnitude, int count);

} // namespace Pictures::Syntax
