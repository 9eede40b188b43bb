#include "core/ToolbarWindow.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "core/ToolbarButtons.h"
#include "core/ToolbarGrip.h"

#include <QDockWidget>
#include <QGridLayout>
#include <QMainWindow>
#include <QToolButton>

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
    Window().layout()->setContentsMargins(2, 2, 2, 2);
    auto* grid = static_cast<QGridLayout*>(C().Content().layout());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
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
    });
    connect(dock_, &QDockWidget::topLevelChanged, this, [this] { layOut(); });
    SetOuter(dock_);
    layOut();
    RefreshButtons();
    return Open();
}

void ToolbarWindow::layOut() {
    if (!dock_) return;
    const Qt::DockWidgetArea area = owner_.dockWidgetArea(dock_);
    const bool row = dock_->isFloating()
                         ? dock_->width() >= dock_->height()
                         : area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
    for (int n = 1; n <= Count; ++n)
        if (Controls::Control* c = C().find(n))
            ControlRef(C(), *c).at(row ? 0 : n - 1, row ? n - 1 : 0);
    // Docked at the top or bottom, the title runs down the side so the row stays low.
    QDockWidget::DockWidgetFeatures features = QDockWidget::DockWidgetClosable |
                                               QDockWidget::DockWidgetMovable |
                                               QDockWidget::DockWidgetFloatable;
    if (row && !dock_->isFloating()) features |= QDockWidget::DockWidgetVerticalTitleBar;
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
