#include "core/MainFrame.h"

#include "core/FrameContextMenu.h"
#include "core/FrameStatus.h"
#include "core/Globals.h"
#include "core/Logon.h"
#include "core/ToolbarWindow.h"
#include "framework/host/Host.h"
#include "framework/window/FrameWindow.h"
#include "framework/window/WindowRegistry.h"
#include "scan/DriveConfiguration.h"

#include <QApplication>

MainFrame::MainFrame() : WindowController(QStringLiteral("Main")) {
    LogonStep = [] { return LogonAndStartSession(); };
    ChangeUserStep = [] { return ChangeUser(); };
    DriveConfigurationStep = [] { DriveConfiguration(); };
    SingleInstance = {[] { return int(GLO.Threads.thread(Instance::MainFrame)); },
                      [](int thread) { GLO.Threads.set(Instance::MainFrame, quint32(thread)); }};
}

MainFrame::~MainFrame() = default;

FrameWindow* MainFrame::Frame() const {
    return frame_;
}

// ---- events --------------------------------------------------------------------------------

int MainFrame::TakeEvent() {
    const int level = WindowController::TakeEvent();
    // The level rules follow the user and the windows that opened or closed meanwhile.
    if (!Dead && menus_) menus_->refresh();
    return level;
}

int MainFrame::TakeWindowEvent() {
    const EventKind kind = Event().Kind;
    const bool first = kind == EventKind::OpenWindow && !Inited;
    const int level = WindowController::TakeWindowEvent();
    if (level != LevelBenign || !frame_) return level;
    switch (kind) {
    case EventKind::OpenWindow:
        if (first) whenOpened();
        break;
    case EventKind::Timer:
        keepTimer();
        status_->showClock();
        break;
    case EventKind::GainFocus:
        if (frame_->isMinimized())
            frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
        if (!frame_->isActiveWindow() && !QApplication::activeModalWidget())
            frame_->activateWindow();
        Refresh();
        break;
    default:
        break;
    }
    return LevelBenign;
}

int MainFrame::TakeAccepted() {
    if (Field() == ClientAreaControl) {
        backgroundMenu();
        return LevelNotify;
    }
    if (const FrameAction* action = menus_ ? menus_->actionOf(Field()) : nullptr) {
        CarryOut(*action);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

// When the window has opened: the toolbar when the user wants it, the wallpaper, the clock.
void MainFrame::whenOpened() {
    if (GLO.ToolbarShown == 1) ToolbarWindow::StartFor(*frame_);
    showWallpaper();
    keepTimer();
    Refresh();
}

void MainFrame::keepTimer() {
    const bool outside = TimerPeriod < 1 || TimerPeriod > 100;
    if (outside) TimerPeriod = 100;
    if (outside || TimerInterval() != TimerPeriod * 10) SetTimer(TimerPeriod * 10);
}

void MainFrame::Refresh() {
    if (!frame_) return;
    status_->showUser();
    status_->showClock();
    menus_->refresh();
    if (const int toolbar = int(GLO.Threads.thread(Instance::Toolbar)))
        WindowRegistry::PostGainFocus(toolbar);
}

void MainFrame::backgroundMenu() {
    const int level = GLO.UserLevel;
    const int chosen = Host::instance().popupMenu(FrameContextMenu::popupText(level));
    const std::vector<FrameContextMenu::Item> items = FrameContextMenu::items(level);
    if (chosen >= 1 && chosen <= int(items.size())) CarryOut(items[chosen - 1].action);
}

void MainFrame::close() {
    Post(windowEvent(EventKind::CloseWindow));
}
