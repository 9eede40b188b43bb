#pragma once

#include "framework/window/WindowEvent.h"

#include <QObject>
#include <functional>
#include <optional>

class QEvent;
class QWidget;

// The event a window's activation or state change means to its controller (gain or lose
// focus, iconized, maximized, restored); none for other events.
std::optional<WindowEvent> windowStateEvent(const QWidget& window, const QEvent& event);

// Turns the close box, activation, size and state of a window that the controller did not
// build itself (a frame window, a dock) into the controller's events, as FormWindow does
// for its own. The window closes only once the controller allows it.
class WindowWatch : public QObject {
public:
    WindowWatch(QWidget& watched, std::function<void(const WindowEvent&)> post);

    void allowClose() { closeAllowed_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const WindowEvent&)> post_;
    bool closeAllowed_ = false;
};
