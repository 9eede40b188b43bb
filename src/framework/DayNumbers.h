#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

// Standard day numbers and time values, the form in which every date and time of the
// data files is held.
//
// A day number counts days of the Gregorian calendar: day 4 is 1 January 1801 and 0
// means "no date". Valid dates run from 1 January 1801 to 31 December 9999. The weekday
// is the day number modulo 7 with 0 = Sunday.
//
// A time value is hundredths of a second since midnight plus one: 1 is midnight,
// 8640000 is 23:59:59.99 and 0 means "no time".
namespace Pictures {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct ClockTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
};

inline constexpr qint32 FirstDay = 4;       // 1 January 1801
inline constexpr qint32 LastDay = 2994626;  // 31 December 9999
inline constexpr qint32 LastTime = 8640000; // 23:59:59.99

bool isLeapYear(int year);
// 0 for a month outside 1..12.
int daysInMonth(int year, int month);

bool isValidDay(qint64 day);
// 0 when the parts do not make a date between 1801 and 9999.
qint32 dayNumber(int year, int month, int day);
qint32 dayNumber(const QDate& date);
// nullopt for 0 and for day numbers outside the valid range.
std::optional<CalendarDate> calendarDate(qint64 day);
// An invalid QDate for 0 and for day numbers outside the valid range.
QDate toDate(qint64 day);
// 0 = Sunday .. 6 = Saturday; only meaningful for valid day numbers.
int weekday(qint64 day);
// "Sunday" .. "Saturday"; empty for a day number that is not a date.
QString dayName(qint64 day);

bool isValidTime(qint64 value);
// 0 when the parts do not make a time of day.
qint32 timeValue(int hours, int minutes, int seconds, int hundredths = 0);
// Milliseconds below a hundredth are dropped.
qint32 timeValue(const QTime& time);
std::optional<ClockTime> clockTime(qint64 value);
QTime toTime(qint64 value);

} // namespace Pictures
