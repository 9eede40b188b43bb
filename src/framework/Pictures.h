#pragma once

#include "framework/DayNumbers.h"

#include <QString>
#include <optional>

// Display pictures: the one place that turns numbers, day numbers and time values into
// the text a window or report shows, and typed text back into values.
//
//   @s20        the first 20 characters of a text
//   @N_8_.1B    a number: "-" allows a sign, "0" fills with leading zeros, "_" (before
//               or after the size) groups thousands with a blank, the size counts the
//               digits before the decimal point, ".1" decimals, "B" blank when 0
//   @D6 @D5     dd/mm/yyyy, dd/mm/yy; @D2 @D1 mm/dd/yyyy, mm/dd/yy; a suffix "-", "."
//               or "_" (blank) replaces the "/"; "B" blank when 0
//   @T4 @T1     hh:mm:ss, hh:mm; a suffix "_" (blank), "." or "-" replaces the ":"
//
// The letter is case-insensitive. A date or time of 0 is "no date" / "no time" and
// shows blank with or without "B". A number too large for its size is shown in full,
// never cut. The text is returned without padding: windows and reports align it.
namespace Pictures {

// `scale` is the number of decimals `value` is held with (a decimal field is a scaled
// integer): format(12345, "@N_8_.1B", 2) gives "123.5", rounded half away from zero.
// A text picture shows the value as plain digits, cut to its size.
QString format(qint64 value, const QString& picture, int scale = 0);

// A text picture cuts the text; any other picture reads the text as a number (a day
// number or time value for dates and times) and formats that. A text that is not a
// number is returned unchanged.
QString format(const QString& text, const QString& picture);

// Reads typed text as the picture's kind of value, held with `scale` decimals.
// Accepts what format() produces and forgives surrounding blanks, thousands grouped by
// blanks or commas, dates without zero padding ("7/3/2024"), two-digit years (00..49
// are 2000..2049, 50..99 are 1950..1999), times without seconds or padding ("9:05").
// Blank text gives 0; text that is not a value of the picture gives nullopt, as does a
// minus sign when the picture has no "-", and any text for a text picture.
std::optional<qint64> parse(const QString& text, const QString& picture, int scale = 0);

// The most characters the picture shows (signs, grouping blanks and decimal point
// included); 0 for a picture this module does not know.
int pictureWidth(const QString& picture);

} // namespace Pictures
