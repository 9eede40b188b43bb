#include "framework/window/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QRect screenArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

// The available area of the screen that shows most of a rectangle; `overlap` says how much.
QRect bestScreen(const QRect& r, int& overlap) {
    QRect best = screenArea();
    overlap = 0;
    for (QScreen* s : QGuiApplication::screens()) {
        const QRect common = s->availableGeometry().intersected(r);
        const int area = common.isEmpty() ? 0 : common.width() * common.height();
        if (area > overlap) {
            overlap = area;
            best = s->availableGeometry();
        }
    }
    return best;
}

// A sub-window stays inside the area of its parent.
QRect parentArea(const QWidget& window, const QRect& r, int& overlap) {
    const QRect area = window.parentWidget()->rect();
    const QRect common = area.intersected(r);
    overlap = common.isEmpty() ? 0 : common.width() * common.height();
    return area;
}

} // namespace

bool WindowPlace::isMinimized() const {
    return w_.windowState() & Qt::WindowMinimized;
}
bool WindowPlace::isMaximized() const {
    return w_.windowState() & Qt::WindowMaximized;
}
int WindowPlace::x() const {
    return w_.pos().x();
}
int WindowPlace::y() const {
    return w_.pos().y();
}
int WindowPlace::width() const {
    return w_.width();
}
int WindowPlace::height() const {
    return w_.height();
}

void WindowPlace::move(int x, int y) {
    w_.move(x, y);
    KeepOnScreen(w_);
}

void WindowPlace::resize(int width, int height) {
    const QRect area = screenArea();
    const QSize least = w_.minimumSizeHint().expandedTo(w_.minimumSize()).expandedTo({40, 30});
    w_.resize(std::clamp(width, least.width(), std::max(least.width(), area.width())),
              std::clamp(height, least.height(), std::max(least.height(), area.height())));
    KeepOnScreen(w_);
}

void WindowPlace::maximize() {
    w_.setWindowState(w_.windowState() | Qt::WindowMaximized);
}

void WindowPlace::restore() {
    w_.setWindowState(w_.windowState() & ~Qt::WindowMaximized);
}

void WindowPlace::KeepOnScreen(QWidget& window) {
    // A maximized window fills its screen; its normal place was kept when it was restored.
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) return;
    const QRect frame(window.pos(), window.size());
    int overlap = 0;
    const bool inner = !window.isWindow() && window.parentWidget();
    const QRect area = inner ? parentArea(window, frame, overlap) : bestScreen(frame, overlap);
    QSize size = window.size().boundedTo(area.size());
    if (size != window.size()) window.resize(size);
    // Enough of the window must show to take hold of it.
    const bool reachable = overlap >= std::min(size.width(), 100) * std::min(size.height(), 30);
    QPoint pos = window.pos();
    if (!reachable) pos = area.center() - QPoint(size.width() / 2, size.height() / 2);
    pos.setX(
        std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() - size.width() + 1)));
    pos.setY(
        std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom() - size.height() + 1)));
    if (pos != window.pos()) window.move(pos);
}
