#include "framework/DayNumbers.h"

#include <gtest/gtest.h>

using namespace Pictures;

TEST(DayNumbers, AnchorAndRange) {
    EXPECT_EQ(dayNumber(1801, 1, 1), 4);
    EXPECT_EQ(weekday(4), 4); // 1 January 1801 was a Thursday
    EXPECT_EQ(dayName(4), "Thursday");
    EXPECT_EQ(dayNumber(2024, 3, 7), 81519);
    EXPECT_EQ(dayName(81519), "Thursday");
    EXPECT_EQ(dayName(81522), "Sunday");
    EXPECT_EQ(dayNumber(9999, 12, 31), LastDay);

    EXPECT_EQ(dayNumber(1800, 12, 31), 0);
    EXPECT_EQ(dayNumber(10000, 1, 1), 0);
    EXPECT_EQ(dayNumber(QDate(1800, 12, 31)), 0);
    EXPECT_FALSE(calendarDate(0));
    EXPECT_FALSE(calendarDate(3));
    EXPECT_FALSE(toDate(LastDay + 1).isValid());
    EXPECT_EQ(dayName(0), "");
}

TEST(DayNumbers, GregorianLeapYears) {
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2100, 2), 28);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 4), 30);
    EXPECT_EQ(daysInMonth(2023, 13), 0);

    EXPECT_EQ(dayNumber(2000, 2, 29), 72746);
    EXPECT_EQ(dayNumber(2000, 3, 1), 72747);
    EXPECT_EQ(dayNumber(1900, 2, 29), 0);
    EXPECT_EQ(dayNumber(2100, 2, 29), 0);
    EXPECT_EQ(dayNumber(1900, 3, 1) - dayNumber(1900, 2, 28), 1);
    EXPECT_EQ(dayNumber(2024, 4, 31), 0);
    EXPECT_EQ(dayNumber(2024, 0, 1), 0);
}

// Walks every day from 1801 to 2200: each day number maps to the day after the
// previous one, agrees with QDate and comes back unchanged.
TEST(DayNumbers, RoundTripThroughFourCenturies) {
    QDate expected(1801, 1, 1);
    for (qint32 day = FirstDay; day <= dayNumber(2200, 12, 31); ++day) {
        const auto date = calendarDate(day);
        ASSERT_TRUE(date) << day;
        ASSERT_EQ(QDate(date->year, date->month, date->day), expected) << day;
        ASSERT_EQ(dayNumber(date->year, date->month, date->day), day);
        ASSERT_EQ(dayNumber(toDate(day)), day);
        ASSERT_EQ(weekday(day), expected.dayOfWeek() % 7);
        expected = expected.addDays(1);
    }
}

TEST(TimeValues, PartsAndLimits) {
    EXPECT_EQ(timeValue(0, 0, 0), 1);
    EXPECT_EQ(timeValue(23, 59, 59, 99), LastTime);
    EXPECT_EQ(timeValue(9, 5, 3, 25), ((9 * 60 + 5) * 60 + 3) * 100 + 25 + 1);
    EXPECT_EQ(timeValue(24, 0, 0), 0);
    EXPECT_EQ(timeValue(9, 60, 0), 0);
    EXPECT_EQ(timeValue(9, 0, 0, 100), 0);

    const auto t = clockTime(timeValue(9, 5, 3, 25));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hours, 9);
    EXPECT_EQ(t->minutes, 5);
    EXPECT_EQ(t->seconds, 3);
    EXPECT_EQ(t->hundredths, 25);
    EXPECT_FALSE(clockTime(0));
    EXPECT_FALSE(clockTime(LastTime + 1));
}

TEST(TimeValues, QTimeRoundTrip) {
    EXPECT_EQ(timeValue(QTime(9, 5, 3, 457)), timeValue(9, 5, 3, 45)); // below a hundredth drops
    EXPECT_EQ(toTime(timeValue(9, 5, 3, 45)), QTime(9, 5, 3, 450));
    EXPECT_EQ(toTime(1), QTime(0, 0));
    EXPECT_FALSE(toTime(0).isValid());
    EXPECT_EQ(timeValue(QTime()), 0);
}
