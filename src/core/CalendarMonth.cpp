#include "core/CalendarMonth.h"

#include "framework/DayNumbers.h"

namespace {

const char* const MonthNames[] = {"January ",   "February ", "March ",    "April ",
                                  "May ",       "June ",     "July ",     "August ",
                                  "September ", "October ",  "November ", "December "};

} // namespace

CalendarMonth::CalendarMonth(qint32 start, qint32 today)
    : start_(start != 0 ? start : today), startDay_(0), month_(1), year_(FirstYear) {
    if (const auto date = Pictures::calendarDate(start_)) {
        startDay_ = date->day;
        month_ = date->month;
        year_ = date->year;
    }
}

QString CalendarMonth::title() const {
    return QString::fromLatin1(MonthNames[month_ - 1]) + QString::number(year_);
}

int CalendarMonth::days() const {
    return Pictures::daysInMonth(year_, month_);
}

int CalendarMonth::firstColumn() const {
    return Pictures::dayNumber(year_, month_, 1) % 7;
}

int CalendarMonth::dayAt(int cell) const {
    const int day = cell - firstColumn() + 1;
    return cell >= 0 && cell < Cells && day >= 1 && day <= days() ? day : 0;
}

int CalendarMonth::markedCell() const {
    if (startDay_ < 1 || startDay_ > days()) return -1;
    return firstColumn() + startDay_ - 1;
}

qint32 CalendarMonth::dateAt(int cell) const {
    const int day = dayAt(cell);
    return day == 0 ? 0 : Pictures::dayNumber(year_, month_, day);
}

CalendarMonth::Limit CalendarMonth::setMonth(int month) {
    while (month > 12) {
        month -= 12;
        ++year_;
    }
    while (month < 1) {
        month += 12;
        --year_;
    }
    month_ = month;
    return clampYear();
}

CalendarMonth::Limit CalendarMonth::setYear(int year) {
    year_ = year;
    return clampYear();
}

CalendarMonth::Limit CalendarMonth::clampYear() {
    if (year_ <= FirstYear - 1) {
        year_ = FirstYear;
        return Limit::BeforeFirst;
    }
    if (year_ >= LastYear + 1) {
        year_ = LastYear;
        return Limit::AfterLast;
    }
    return Limit::None;
}

QString CalendarMonth::limitText(Limit limit) {
    const QString first = QStringLiteral("You cannot use the calendar for\n");
    switch (limit) {
    case Limit::BeforeFirst:
        return first + QStringLiteral("dates before the year 1801");
    case Limit::AfterLast:
        return first + QStringLiteral("dates after the year 2099");
    case Limit::None:
        break;
    }
    return {};
}
