#include "framework/window/WindowRegistry.h"

#include "framework/window/WindowController.h"

#include <algorithm>
#include <vector>

namespace {

struct Entry {
    int Thread;
    QPointer<WindowController> Window;
};

std::vector<Entry>& entries() {
    static std::vector<Entry> all;
    return all;
}

} // namespace

void WindowRegistry::Register(int thread, WindowController& window) {
    Unregister(window);
    entries().push_back({thread, &window});
}

void WindowRegistry::Unregister(WindowController& window) {
    auto& all = entries();
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const Entry& e) { return !e.Window || e.Window == &window; }),
              all.end());
}

WindowController* WindowRegistry::Top(int thread) {
    const auto& all = entries();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->Thread == thread && it->Window && !it->Window->Dead) return it->Window;
    return nullptr;
}

bool WindowRegistry::PostGainFocus(int thread) {
    WindowController* window = Top(thread);
    if (!window) return false;
    window->Post(windowEvent(EventKind::GainFocus));
    return true;
}

bool WindowRegistry::Activate(int thread) {
    WindowController* window = Top(thread);
    if (!window) return false;
    window->BringForward();
    window->Post(windowEvent(EventKind::GainFocus));
    return true;
}

int WindowRegistry::Count() {
    return int(std::count_if(entries().begin(), entries().end(),
                             [](const Entry& e) { return e.Window && !e.Window->Dead; }));
}

void WindowRegistry::PostAll(const WindowEvent& event) {
    const std::vector<Entry> all = entries();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (it->Window) it->Window->Post(event);
}
