#include "core/CalendarWindow.h"

#include "core/Calendar.h"
#include "framework/host/Host.h"
#include "framework/window/Keys.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const char* const Heads[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
constexpr int Columns = 7;
constexpr int KeysTold[] = {Keys::Left,   Keys::Up,       Keys::Right, Keys::Down,
                            Keys::PageUp, Keys::PageDown, Keys::Esc};

} // namespace

qint32 PickDate(qint32 start, bool* chosen) {
    CalendarWindow window(start);
    const int response = window.Run();
    if (chosen) *chosen = response == RequestCompleted;
    return window.Result();
}

CalendarWindow::CalendarWindow(qint32 start)
    : WindowController(QStringLiteral("Calendar")), month_(start, Host::instance().today()) {}

int CalendarWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    build();
    for (int key : KeysTold)
        C().Alert(key);
    Window().installEventFilter(this);
    FirstField = FirstCell + std::max(month_.markedCell(), 0);
    const int level = Open();
    showMonth();
    return level;
}

void CalendarWindow::build() {
    Window().setResizable(false);
    C().prompt(TitleText, QString()).at(0, 0, 1, Columns);
    QFont bold = C().widget(TitleText)->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    C().widget(TitleText)->setFont(bold);
    C().prompt(MonthPrompt, QStringLiteral("&Month")).at(1, 0, 1, 2);
    C().spin(MonthSpin, 0, 13).at(1, 2, 1, 2).use(shownMonth_).tip(QStringLiteral("Month"));
    C().prompt(YearPrompt, QStringLiteral("&Year")).at(1, 4);
    C().spin(YearSpin, 0, 9999).at(1, 5, 1, 2).use(shownYear_).tip(QStringLiteral("Year"));
    for (int column = 0; column < Columns; ++column) {
        C().prompt(FirstHead + column, QString::fromLatin1(Heads[column])).at(2, column);
        C().widget(FirstHead + column)->setProperty("alignment", int(Qt::AlignCenter));
    }
    const QFontMetrics metrics(C().widget(TitleText)->fontMetrics());
    for (int cell = 0; cell < CalendarMonth::Cells; ++cell) {
        C().button(FirstCell + cell, QString()).at(3 + cell / Columns, cell % Columns);
        QWidget* button = C().widget(FirstCell + cell);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("888")) + 14);
    }
    auto* grid = qobject_cast<QGridLayout*>(C().Content().layout());
    for (int spin : {MonthSpin, YearSpin}) {
        C().widget(spin)->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("88888")) + 28);
        if (grid) grid->setAlignment(C().widget(spin), Qt::AlignLeft);
    }
}

void CalendarWindow::showMonth(CalendarMonth::Limit limit) {
    if (limit != CalendarMonth::Limit::None)
        Host::instance().message(CalendarMonth::limitText(limit),
                                 QStringLiteral("Date Out Of Range"), Icon::Exclamation, ButtonOk,
                                 ButtonOk);
    shownMonth_ = month_.month();
    shownYear_ = month_.year();
    SetTitle(month_.title());
    C().SetText(TitleText, month_.title());
    const int marked = month_.markedCell();
    for (int cell = 0; cell < CalendarMonth::Cells; ++cell) {
        auto* button = static_cast<QPushButton*>(C().widget(FirstCell + cell));
        const int day = month_.dayAt(cell);
        button->setText(day ? QString::number(day) : QString());
        button->setFlat(day == 0);
        button->setCheckable(cell == marked);
        button->setChecked(cell == marked);
        QFont font = button->font();
        font.setBold(cell == marked);
        button->setFont(font);
    }
    Display();
}

int CalendarWindow::TakeAccepted() {
    const int control = Field();
    if (control == MonthSpin) {
        showMonth(month_.setMonth(shownMonth_));
        return LevelNotify;
    }
    if (control == YearSpin) {
        showMonth(month_.setYear(shownYear_));
        return LevelNotify;
    }
    const int cell = control - FirstCell;
    if (cell >= 0 && cell < CalendarMonth::Cells) {
        if (const qint32 date = month_.dateAt(cell)) close(date, RequestCompleted);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

int CalendarWindow::TakeEvent() {
    if (Event().Kind != EventKind::AlertKey) return WindowController::TakeEvent();
    switch (Keycode()) {
    case Keys::Left:
    case Keys::Up:
        showMonth(month_.previousMonth());
        break;
    case Keys::Right:
    case Keys::Down:
        showMonth(month_.nextMonth());
        break;
    case Keys::PageUp:
        showMonth(month_.previousYear());
        break;
    case Keys::PageDown:
        showMonth(month_.nextYear());
        break;
    case Keys::Esc:
        close(month_.start(), RequestCancelled);
        break;
    default:
        return WindowController::TakeEvent();
    }
    return LevelNotify;
}

// The right mouse button anywhere in the window cancels, like Esc.
bool CalendarWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        close(month_.start(), RequestCancelled);
        return true;
    }
    return WindowController::eventFilter(watched, event);
}

void CalendarWindow::close(qint32 result, int response) {
    result_ = result;
    SetResponse(response);
}
