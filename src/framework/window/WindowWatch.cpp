#include "framework/window/WindowWatch.h"

#include <QCloseEvent>
#include <QWidget>

std::optional<WindowEvent> windowStateEvent(const QWidget& window, const QEvent& event) {
    if (event.type() == QEvent::ActivationChange)
        return windowEvent(window.isActiveWindow() ? EventKind::GainFocus : EventKind::LoseFocus);
    if (event.type() != QEvent::WindowStateChange) return std::nullopt;
    if (window.isMinimized()) return windowEvent(EventKind::Iconized);
    if (window.isMaximized()) return windowEvent(EventKind::Maximized);
    return windowEvent(EventKind::Restored);
}

WindowWatch::WindowWatch(QWidget& watched, std::function<void(const WindowEvent&)> post)
    : QObject(&watched), post_(std::move(post)) {
    watched.installEventFilter(this);
}

bool WindowWatch::eventFilter(QObject* watched, QEvent* event) {
    auto* w = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Close:
        if (closeAllowed_) return false;
        // The close box is a close request: the controller decides.
        event->ignore();
        post_(windowEvent(EventKind::CloseWindow));
        return true;
    case QEvent::Resize:
        if (w->isVisible()) post_(windowEvent(EventKind::Sized));
        return false;
    case QEvent::Move:
        if (w->isVisible()) post_(windowEvent(EventKind::Moved));
        return false;
    default:
        if (const auto e = windowStateEvent(*w, *event)) post_(*e);
        return false;
    }
}
