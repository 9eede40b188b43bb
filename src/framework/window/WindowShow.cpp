#include "framework/window/WindowController.h"
#include "framework/window/WindowWatch.h"

#include "framework/host/Modality.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTimer>
#include <algorithm>

// Where a controller's window is shown: a window of its own, a sub-window of the frame's
// area, or an outer window the procedure built (the frame itself, a dock).

namespace {
QPointer<QMdiArea> childArea;
} // namespace

void WindowController::SetChildArea(QMdiArea* area) {
    childArea = area;
}

QMdiArea* WindowController::ChildArea() {
    return childArea;
}

void WindowController::SetOuter(QWidget* outer) {
    outer_ = outer;
    outerWatch_ = new WindowWatch(*outer, [this](const WindowEvent& e) { Post(e); });
}

QWidget& WindowController::TopLevel() {
    if (outer_) return *outer_;
    if (sub_) return *sub_;
    return *window_;
}

// A docked window's place belongs to the frame it is docked in.
bool WindowController::keepsPlace() {
    return TopLevel().isWindow() || sub_;
}

void WindowController::showWindow() {
    if (outer_) {
        outer_->show();
        return;
    }
    QMdiArea* area = childArea;
    if (area && !modal_) {
        sub_ = area->addSubWindow(window_.get());
        connect(sub_, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                    if ((now & Qt::WindowActive) && !(before & Qt::WindowActive))
                        Post(windowEvent(EventKind::GainFocus));
                });
        sub_->show();
        return;
    }
    if (modal_) {
        // Modal to the window it opens over (the modal one below it, or the frame), not to
        // the whole program: the help window stays usable.
        QWidget* owner = QApplication::activeModalWidget();
        if (!owner && area) owner = area->window();
        if (owner && owner != window_.get()) window_->setParent(owner, Qt::Dialog);
        Modality::toOwner(*window_);
    }
    // Until it has a place of its own, a window opens centred over the frame or the screen.
    if (!window_->testAttribute(Qt::WA_Resized)) window_->adjustSize();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect over = window_->parentWidget() ? window_->parentWidget()->geometry()
                       : screen                ? screen->availableGeometry()
                                               : window_->geometry();
    window_->move(over.center() - QPoint(window_->width() / 2, window_->height() / 2));
    window_->show();
}

void WindowController::closeWindow() {
    C().Freeze();
    window_->allowClose();
    if (outerWatch_ && outer_) outerWatch_->allowClose();
    if (outer_) {
        outer_->close();
    } else if (sub_) {
        window_->hide();
        window_->setParent(nullptr);
        sub_->close(); // the area deletes it
        sub_ = nullptr;
    } else {
        window_->close();
    }
}

void WindowController::BringForward() {
    QWidget& w = TopLevel();
    if (w.isMinimized()) w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    if (sub_ && sub_->mdiArea()) sub_->mdiArea()->setActiveSubWindow(sub_);
    w.raise();
    w.window()->activateWindow();
}

void WindowController::SetTimer(int milliseconds) {
    if (milliseconds <= 0) {
        if (timer_) timer_->stop();
        return;
    }
    if (!timer_) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, [this] {
            // While a step waits (a message box), ticks are not piled up.
            const bool waiting =
                std::any_of(queue_.begin(), queue_.end(),
                            [](const WindowEvent& e) { return e.Kind == EventKind::Timer; });
            if (!waiting) Post(windowEvent(EventKind::Timer));
        });
    }
    timer_->start(milliseconds);
}

int WindowController::TimerInterval() const {
    return timer_ && timer_->isActive() ? timer_->interval() : 0;
}
