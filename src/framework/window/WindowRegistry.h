#pragma once

#include "framework/window/WindowEvent.h"

class WindowController;

// The windows by thread number. A modal window runs on its caller's thread number, so a
// number may have several windows; the newest is the one that is told.
namespace WindowRegistry {

void Register(int thread, WindowController& window);
void Unregister(WindowController& window);
// The newest window of a thread number; null when none runs there.
WindowController* Top(int thread);
// Queues a gain-focus event to the window of a thread number: it refreshes what it
// shows. False when no window runs there.
bool PostGainFocus(int thread);
// Brings the window of a thread number forward (restored, raised, active) and queues
// gain focus to it. False when no window runs there.
bool Activate(int thread);

// How many windows run now.
int Count();

// Queues an event to every window, newest first (close-down when the program ends).
void PostAll(const WindowEvent& event);

} // namespace WindowRegistry
