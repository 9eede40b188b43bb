#pragma once

#include <QString>

// The month a date picker shows: which of its 37 day cells carry which day, the title, the
// marked day, and the steps between months and years. Cells run in rows of seven from
// Sunday; a 31-day month that starts on a Saturday fills all of them.
class CalendarMonth {
public:
    static constexpr int Cells = 37;
    static constexpr int FirstYear = 1801;
    static constexpr int LastYear = 2099;

    // What bringing the year into range did.
    enum class Limit { None, BeforeFirst, AfterLast };

    // The month of a start date (a standard day number; 0 means today).
    CalendarMonth(qint32 start, qint32 today);

    int month() const { return month_; }
    int year() const { return year_; }
    // The start date, today when the picker was given 0.
    qint32 start() const { return start_; }

    // "March 2024".
    QString title() const;
    int days() const;
    // 0 = Sunday: the column of the first of the month.
    int firstColumn() const;
    // The day a cell shows, 0 for a blank cell.
    int dayAt(int cell) const;
    // The cell that shows the start date's day of the month; -1 when this month is shorter.
    int markedCell() const;
    // The date of a cell in the month shown; 0 for a blank cell.
    qint32 dateAt(int cell) const;

    // Months and years. A month outside 1..12 is carried into the year (13 is January of
    // the next year, 0 December of the previous one). The year is then brought into
    // 1801..2099; the answer says whether it had to be.
    Limit previousMonth() { return setMonth(month_ - 1); }
    Limit nextMonth() { return setMonth(month_ + 1); }
    Limit previousYear() { return setYear(year_ - 1); }
    Limit nextYear() { return setYear(year_ + 1); }
    Limit setMonth(int month);
    Limit setYear(int year);

    // The two lines of the message for a year out of range.
    static QString limitText(Limit limit);

private:
    Limit clampYear();

    qint32 start_;
    int startDay_;
    int month_;
    int year_;
};
