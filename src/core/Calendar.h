#pragma once

#include <QtGlobal>

// The date picker: one month as a grid of day buttons. Given a standard day number (0
// means today), it returns the date clicked, the start date when the user cancels (Esc or
// the right mouse button), and 0 when the window is closed in another way. Runs on the
// caller's thread until it closes. `chosen`, when given, tells whether a day was clicked.
qint32 PickDate(qint32 start, bool* chosen = nullptr);
