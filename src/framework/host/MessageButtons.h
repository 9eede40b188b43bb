#pragma once

#include <QString>
#include <vector>

// The buttons of a message box, worked out before any window exists.
struct MessageButton {
    QString label; // "&" accelerators kept
    int result = 0;
};

struct MessageButtons {
    std::vector<MessageButton> buttons;
    int defaultIndex = 0; // into `buttons`
    // What closing the box with Escape or the close box returns: the result of a Cancel or
    // No button when there is one, otherwise 0.
    int escapeResult = 0;
};

// Buttons as a bit set (OK 1, Yes 2, No 4, Abort 8, Retry 16, Ignore 32, Cancel 64), shown in
// that order; each returns its bit. No bits give one OK button. A default that is not among
// the buttons selects the first. Escape: Cancel, else No, else Abort, else a lone OK.
MessageButtons buttonsFromBits(int bits, int defaultBit);

// Buttons named in a "|" list ("&Yes|&No"); each returns its position, from 1. An empty list
// gives one "&OK" button. `defaultPosition` counts from 1; 0 or a position past the end
// selects the first. Escape: the button named Cancel, else the one named No (letter case and
// "&" ignored), else a lone button, else 0.
MessageButtons buttonsFromNames(const QString& names, int defaultPosition);
