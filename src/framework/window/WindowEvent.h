#pragma once

// What a window reports to its controller, one event at a time. Events that concern a
// control carry its number; window events carry control 0.
enum class EventKind {
    Accepted,     // a control's value was taken, or a button pressed
    Selected,     // a control got the focus
    NewSelection, // another row or choice of a list became current
    Rejected,     // a control's text does not fit its picture
    AlertKey,     // a key the window asked to be told about
    ScrollUp,     // list scrolling, for the browses
    ScrollDown,
    PageUp,
    PageDown,
    ScrollTop,
    ScrollBottom,
    ScrollDrag,  // the thumb of a list was dragged; KeyCode holds 0..100 (a text viewer's
                 // list: 0..10000, finer over a large file)
    OpenWindow,  // the window is open; always the first event
    CloseWindow, // the window is asked to close (close box, a button's response)
    CloseDown,   // the program is ending
    GainFocus,   // the window became active, or another thread asked it to refresh
    LoseFocus,
    Timer,
    Completed, // the form's fields were accepted: save the record
    Sized,
    Moved,
    Maximized,
    Iconized,
    Restored,
};

struct WindowEvent {
    EventKind Kind = EventKind::OpenWindow;
    int Control = 0; // 0: a window event
    int KeyCode = 0; // the key of an alert key event

    bool isWindowEvent() const { return Control == 0; }
};

inline WindowEvent windowEvent(EventKind kind) {
    return {kind, 0, 0};
}
inline WindowEvent controlEvent(EventKind kind, int control, int keyCode = 0) {
    return {kind, control, keyCode};
}
