#pragma once

#include <QChar>
#include <QString>

// The parts of a display picture, read once from its text. Used by the formatting and
// the parsing of pictures only.
namespace Pictures::Syntax {

enum class Kind { Invalid, Text, Number, Date, Time };

struct Picture {
    Kind kind = Kind::Invalid;
    int size = 0;               // text: characters; number: digits before the decimal point
    int places = 0;             // number: decimals shown
    bool signAllowed = false;   // number: a leading "-" in the picture
    bool zeroFill = false;      // number: leading zeros to the full size
    bool grouped = false;       // number: thousands grouped with a blank
    bool blankZero = false;     // trailing "B": 0 shows as blank
    QChar separator;            // date and time
    bool monthFirst = false;    // date: @D1 and @D2
    bool fourDigitYear = false; // date: @D2 and @D6
    bool withSeconds = false;   // time: @T4
};

// Letters are case-insensitive and the leading "@" may be left out. A picture this
// module does not know reads as Kind::Invalid.
Picture read(const QString& picture);

} // namespace Pictures::Syntax
