#include "core/ToolbarWindow.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "core/ToolbarButtons.h"
#include "core/ToolbarGrip.h"

#include <QDockWidget>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

namespace {

Qt::DockWidgetArea dockArea(int barPosition) {
    switch (FrameRules::barPosition(barPosition)) {
    case FrameRules::BarLeft:
        return Qt::LeftDockWidgetArea;
    case FrameRules::BarRight:
        return Qt::RightDockWidgetArea;
    case FrameRules::BarBottom:
        return Qt::BottomDockWidgetArea;
    default:
        return Qt::TopDockWidgetArea;
    }
}

int barPosition(Qt::DockWidgetArea area) {
    switch (area) {
    case Qt::LeftDockWidgetArea:
        return FrameRules::BarLeft;
    case Qt::RightDockWidgetArea:
        return FrameRules::BarRight;
    case Qt::BottomDockWidgetArea:
        return FrameRules::BarBottom;
    default:
        return FrameRules::BarTop;
    }
}

constexpr int IconSize = 28;
constexpr int Count = 12;
constexpr int Margin = 2;
constexpr int Spacing = 3;

} // namespace

ToolbarWindow::ToolbarWindow(QMainWindow& owner)
    : WindowController(QStringLiteral("ToolbarWindow")), owner_(owner) {}

QDockWidget* ToolbarWindow::Dock() const {
    return dock_;
}

void ToolbarWindow::StartFor(QMainWindow& owner) {
    auto* toolbar = new ToolbarWindow(owner);
    toolbar->SingleInstance = {
        [] { return int(GLO.Threads.thread(Instance::Toolbar)); },
        [](int thread) { GLO.Threads.set(Instance::Toolbar, quint32(thread)); }};
    toolbar->Start();
}

int ToolbarWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Toolbar"));
    for (const ToolbarButtons::Button& b : ToolbarButtons::all()) {
        C().toolButton(b.control, QString::fromUtf8(b.text), QString::fromUtf8(b.icon))
            .tip(QString::fromUtf8(b.tip));
        auto* button = static_cast<QToolButton*>(C().widget(b.control));
        button->setIconSize(QSize(IconSize, IconSize));
        button->setFocusPolicy(Qt::NoFocus); // the focused field of a window stays focused
    }
    Window().layout()->setContentsMargins(Margin, Margin, Margin, Margin);
    auto* grid = static_cast<QGridLayout*>(C().Content().layout());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(Spacing);
    // The buttons keep together at the start of the side; the rest stays empty.
    grid->setRowStretch(Count, 1);
    grid->setColumnStretch(Count, 1);

    dock_ = new QDockWidget(QStringLiteral("Toolbar"), &owner_);
    dock_->setObjectName(QStringLiteral("ToolbarWindow"));
    dock_->setWidget(&Window());
    Window().show();
    owner_.addDockWidget(dockArea(GLO.BarPosition), dock_);
    GLO.BarPosition = FrameRules::barPosition(GLO.BarPosition);
    connect(dock_, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea area) {
        if (area == Qt::NoDockWidgetArea) return;
        GLO.BarPosition = barPosition(area);
        layOut();
        fitThickness();
    });
    connect(dock_, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        layOut();
        if (floating) fitOnScreen();
    });
    dock_->installEventFilter(this);
    SetOuter(dock_);
    layOut();
    RefreshButtons();
    return Open();
}

void ToolbarWindow::DockAt(int side) {
    if (!dock_) return;
    GLO.BarPosition = FrameRules::barPosition(side);
    dock_->setFloating(false);
    owner_.addDockWidget(dockArea(GLO.BarPosition), dock_);
    layOut();
    fitThickness();
}

// The length the buttons may take in a row or a column: the dock's, or before the dock has a
// size, the frame's.
int ToolbarWindow::lengthAvailable() const {
    const QWidget& within = dock_->width() > 1 && dock_->height() > 1
                                ? static_cast<const QWidget&>(*dock_)
                                : static_cast<const QWidget&>(owner_);
    const int grip = dock_->isFloating() ? 0 : ToolbarGrip::Thickness;
    const int length = row_ ? within.width() : within.height();
    return length - grip - 2 * Margin;
}

QSize ToolbarWindow::buttonExtent() {
    QSize extent;
    for (int n = 1; n <= Count; ++n)
        if (QWidget* w = C().widget(n)) extent = extent.expandedTo(w->sizeHint());
    return extent + QSize(Spacing, Spacing);
}

bool ToolbarWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dock_ && event->type() == QEvent::Resize && !layingOut_) layOut();
    return QObject::eventFilter(watched, event);
}

// Docked on another side, the toolbar is as thick as its buttons, not as it was before.
void ToolbarWindow::fitThickness() {
    if (!dock_ || dock_->isFloating()) return;
    const int thickness = row_ ? Window().minimumHeight() : Window().minimumWidth();
    owner_.resizeDocks({dock_}, {thickness}, row_ ? Qt::Vertical : Qt::Horizontal);
}

// Floating, it takes the size of its buttons and stays on the screen.
void ToolbarWindow::fitOnScreen() {
    if (!dock_) return;
    dock_->adjustSize();
    const QScreen* screen = dock_->screen() ? dock_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect place(dock_->geometry().topLeft(), dock_->size().boundedTo(area.size()));
    place.moveRight(std::min(place.right(), area.right()));
    place.moveBottom(std::min(place.bottom(), area.bottom()));
    place.moveLeft(std::max(place.left(), area.left()));
    place.moveTop(std::max(place.top(), area.top()));
    dock_->setGeometry(place);
}

// Buttons in a row at the top or bottom and in a column at the sides; floating, in the
// direction they had docked. A line that does not fit goes on in a second one, so that no
// button is ever cut off.
void ToolbarWindow::layOut() {
    if (!dock_) return;
    layingOut_ = true;
    const Qt::DockWidgetArea area = owner_.dockWidgetArea(dock_);
    if (!dock_->isFloating())
        row_ = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
    const QSize extent = buttonExtent();
    const int along = row_ ? extent.width() : extent.height();
    const int perLine = dock_->isFloating()
                            ? Count
                            : std::clamp(along > 0 ? lengthAvailable() / along : Count, 1, Count);
    const int lines = (Count + perLine - 1) / perLine;
    for (int n = 1; n <= Count; ++n)
        if (Controls::Control* c = C().find(n)) {
            const int line = (n - 1) / perLine, place = (n - 1) % perLine;
            ControlRef(C(), *c).at(row_ ? line : place, row_ ? place : line);
        }
    // Short along its line, so that the frame may be made small; as thick as its lines.
    const int across = 2 * Margin + lines * (row_ ? extent.height() : extent.width());
    const int one = 2 * Margin + along;
    Window().setMinimumSize(row_ ? one : across, row_ ? across : one);
    // Docked at the top or bottom, the title runs down the side so the row stays low.
    QDockWidget::DockWidgetFeatures features = QDockWidget::DockWidgetClosable |
                                               QDockWidget::DockWidgetMovable |
                                               QDockWidget::DockWidgetFloatable;
    if (row_ && !dock_->isFloating()) features |= QDockWidget::DockWidgetVerticalTitleBar;
    dock_->setFeatures(features);
    // Docked, a grip takes the place of a title that would not fit; floating, the toolbar
    // is a small window with its title.
    if (dock_->isFloating()) {
        if (QWidget* grip = dock_->titleBarWidget()) {
            dock_->setTitleBarWidget(nullptr);
            grip->deleteLater();
        }
    } else if (!dock_->titleBarWidget()) {
        dock_->setTitleBarWidget(new ToolbarGrip(*dock_));
    } else {
        dock_->titleBarWidget()->update();
    }
    layingOut_ = false;
}

void ToolbarWindow::RefreshButtons() {
    for (const ToolbarButtons::Button& b : ToolbarButtons::all())
        C().Enable(b.control, ToolbarButtons::enabled(b));
}

int ToolbarWindow::TakeEvent() {
    const int level = WindowController::TakeEvent();
    if (!Dead) RefreshButtons();
    return level;
}

int ToolbarWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::CloseWindow) closedByUser_ = true;
    return WindowController::TakeWindowEvent();
}

int ToolbarWindow::TakeAccepted() {
    if (const ToolbarButtons::Button* b = ToolbarButtons::find(Field())) {
        if (ToolbarButtons::enabled(*b)) ToolbarButtons::press(*b);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

int ToolbarWindow::Kill() {
    if (Dead) return LevelNotify;
    // Closed by its own close box it stays closed, also at the next start.
    if (closedByUser_) GLO.ToolbarShown = 0;
    INIMgr().Update(FrameRules::userSection(), Settings::BarPosition, GLO.BarPosition);
    return WindowController::Kill();
}
