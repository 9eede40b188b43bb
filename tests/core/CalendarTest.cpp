#include "core/Calendar.h"
#include "core/CalendarWindow.h"
#include "framework/DayNumbers.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QSpinBox>

namespace {

using Pictures::dayNumber;

QString days(const CalendarMonth& m) {
    QString out;
    for (int cell = 0; cell < CalendarMonth::Cells; ++cell)
        out += m.dayAt(cell) ? QString::number(m.dayAt(cell)) + ' ' : QStringLiteral(". ");
    return out.trimmed();
}

TEST(CalendarMonthTest, TheGridOfAMonth) {
    CalendarMonth m(dayNumber(2000, 2, 10), 0);
    EXPECT_EQ(m.title(), "February 2000");
    EXPECT_EQ(m.days(), 29);
    EXPECT_EQ(m.firstColumn(), 2) << "a Tuesday";
    EXPECT_EQ(m.dayAt(1), 0);
    EXPECT_EQ(m.dayAt(2), 1);
    EXPECT_EQ(m.markedCell(), 11);
    EXPECT_EQ(m.dateAt(30), dayNumber(2000, 2, 29));
    EXPECT_EQ(m.dateAt(31), 0);
    m.setYear(1900);
    EXPECT_EQ(m.days(), 28) << "1900 was no leap year";
    CalendarMonth full(dayNumber(2016, 10, 1), 0); // a Saturday, 31 days
    EXPECT_EQ(days(full), ". . . . . . 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 "
                          "23 24 25 26 27 28 29 30 31");
    EXPECT_EQ(CalendarMonth(0, dayNumber(2026, 12, 8)).start(), dayNumber(2026, 12, 8));
}

TEST(CalendarMonthTest, StepsAndLimits) {
    CalendarMonth m(dayNumber(2024, 1, 31), 0);
    m.nextMonth();
    EXPECT_EQ(m.title(), "February 2024");
    EXPECT_EQ(m.markedCell(), -1) << "February has no 31st";
    m.previousMonth();
    m.previousMonth();
    EXPECT_EQ(m.title(), "December 2023");
    EXPECT_EQ(m.setMonth(13), CalendarMonth::Limit::None);
    EXPECT_EQ(m.title(), "January 2024");
    m.setMonth(0);
    EXPECT_EQ(m.title(), "December 2023");
    EXPECT_EQ(m.setYear(1800), CalendarMonth::Limit::BeforeFirst);
    EXPECT_EQ(m.year(), 1801);
    EXPECT_EQ(m.setYear(2100), CalendarMonth::Limit::AfterLast);
    EXPECT_EQ(m.year(), 2099);
    EXPECT_EQ(CalendarMonth::limitText(CalendarMonth::Limit::AfterLast),
              "You cannot use the calendar for\ndates after the year 2099");
}

class CalendarTest : public DataDirTest {
protected:
    static QAbstractButton* cell(QWidget& w, int index) {
        return w.findChild<QAbstractButton*>(
            QStringLiteral("control%1").arg(CalendarWindow::FirstCell + index));
    }
    static void key(QWidget& w, int qtKey) {
        QWidget* target = cell(w, 10);
        target->setFocus();
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        settleEvents();
    }
};

TEST_F(CalendarTest, StartingWithoutADateShowsTodayAndEscapeReturnsIt) {
    whenShown("Calendar", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "December 2026");
        EXPECT_TRUE(cell(w, 9)->isChecked()) << "the 8th is marked";
        EXPECT_EQ(cell(w, 0)->text(), "");
        EXPECT_EQ(cell(w, 2)->text(), "1");
        key(w, Qt::Key_Escape);
    });
    bool chosen = true;
    EXPECT_EQ(PickDate(0, &chosen), dayNumber(2026, 12, 8));
    EXPECT_FALSE(chosen);
}

TEST_F(CalendarTest, KeysMoveMonthsAndYearsAndADayIsChosen) {
    whenShown("Calendar", [](QWidget& w) {
        key(w, Qt::Key_Right);
        EXPECT_EQ(w.windowTitle(), "February 2024");
        EXPECT_EQ(cell(w, 4)->text(), "1");
        key(w, Qt::Key_PageDown);
        EXPECT_EQ(w.windowTitle(), "February 2025");
        key(w, Qt::Key_Up);
        key(w, Qt::Key_PageUp);
        EXPECT_EQ(w.windowTitle(), "January 2024");
        auto* month = w.findChild<QSpinBox*>("control3");
        month->setValue(13);
        settleEvents();
        EXPECT_EQ(w.windowTitle(), "January 2025");
        cell(w, 0)->click(); // blank: nothing
        settleEvents();
        EXPECT_TRUE(w.isVisible());
        cell(w, 5)->click(); // Friday the 3rd
        settleEvents();
    });
    bool chosen = false;
    EXPECT_EQ(PickDate(dayNumber(2024, 1, 31), &chosen), dayNumber(2025, 1, 3));
    EXPECT_TRUE(chosen);
}

TEST_F(CalendarTest, TheYearStaysWithinTheCalendarsRange) {
    whenShown("Calendar", [](QWidget& w) {
        key(w, Qt::Key_PageUp);
        EXPECT_EQ(w.windowTitle(), "January 1801");
        QMouseEvent right(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::RightButton,
                          Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(cell(w, 3), &right);
        settleEvents();
    });
    EXPECT_EQ(PickDate(dayNumber(1801, 1, 5)), dayNumber(1801, 1, 5)) << "the right button";
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].caption, "Date Out Of Range");
    EXPECT_EQ(host.messages()[0].text,
              "You cannot use the calendar for\ndates before the year 1801");
    whenShown("Calendar", [](QWidget& w) {
        w.close();
        settleEvents();
    });
    EXPECT_EQ(PickDate(dayNumber(2001, 1, 5)), 0) << "closed another way";
}

} // namespace
