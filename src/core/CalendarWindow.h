#pragma once

#include "core/CalendarMonth.h"
#include "framework/window/WindowController.h"

// The window of the date picker (PickDate).
class CalendarWindow : public WindowController {
public:
    enum Control {
        TitleText = 1,
        MonthPrompt,
        MonthSpin,
        YearPrompt,
        YearSpin,
        FirstHead = 10, // "Su" .. "Sa": 10 .. 16
        FirstCell = 20, // the day cells: 20 .. 56
    };

    explicit CalendarWindow(qint32 start);

    int Init() override;
    int TakeAccepted() override;
    int TakeEvent() override;

    // The date to hand back once the window has closed.
    qint32 Result() const { return result_; }
    const CalendarMonth& Month() const { return month_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    // Shows the month; a year brought into range is told first.
    void showMonth(CalendarMonth::Limit limit = CalendarMonth::Limit::None);
    void close(qint32 result, int response);

    CalendarMonth month_;
    qint32 shownMonth_ = 0;
    qint32 shownYear_ = 0;
    qint32 result_ = 0;
};
