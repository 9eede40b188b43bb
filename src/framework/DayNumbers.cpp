#include "framework/DayNumbers.h"

namespace Pictures {

namespace {
// Julian day number of 1 January 1801, which is standard day 4.
constexpr qint64 JulianOfFirstDay = 2378862;
constexpr int FirstYear = 1801;
constexpr int LastYear = 9999;
} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValidDay(qint64 day) {
    return day >= FirstDay && day <= LastDay;
}

qint32 dayNumber(int year, int month, int day) {
    if (year < FirstYear || year > LastYear) return 0;
    if (day < 1 || day > daysInMonth(year, month)) return 0;
    return dayNumber(QDate(year, month, day));
}

qint32 dayNumber(const QDate& date) {
    if (!date.isValid()) return 0;
    const qint64 day = date.toJulianDay() - JulianOfFirstDay + FirstDay;
    return isValidDay(day) ? qint32(day) : 0;
}

QDate toDate(qint64 day) {
    if (!isValidDay(day)) return {};
    return QDate::fromJulianDay(day - FirstDay + JulianOfFirstDay);
}

std::optional<CalendarDate> calendarDate(qint64 day) {
    const QDate date = toDate(day);
    if (!date.isValid()) return std::nullopt;
    return CalendarDate{date.year(), date.month(), date.day()};
}

int weekday(qint64 day) {
    return int(((day % 7) + 7) % 7);
}

QString dayName(qint64 day) {
    static const char* const names[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    if (!isValidDay(day)) return {};
    return QString::fromLatin1(names[weekday(day)]);
}

bool isValidTime(qint64 value) {
    return value >= 1 && value <= LastTime;
}

qint32 timeValue(int hours, int minutes, int seconds, int hundredths) {
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59 ||
        hundredths < 0 || hundredths > 99)
        return 0;
    return ((hours * 60 + minutes) * 60 + seconds) * 100 + hundredths + 1;
}

qint32 timeValue(const QTime& time) {
    if (!time.isValid()) return 0;
    return time.msecsSinceStartOfDay() / 10 + 1;
}

std::optional<ClockTime> clockTime(qint64 value) {
    if (!isValidTime(value)) return std::nullopt;
    const int t = int(value - 1);
    return ClockTime{t / 360000, t / 6000 % 60, t / 100 % 60, t % 100};
}

QTime toTime(qint64 value) {
    if (!isValidTime(value)) return {};
    return QTime::fromMSecsSinceStartOfDay(int(value - 1) * 10);
}

} // namespace Pictures
