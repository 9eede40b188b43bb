#pragma once

#include "framework/window/WindowController.h"

// The window "Goto": a line number for the text viewer to make current.
class TextGoto : public WindowController {
public:
    enum Control { LinePrompt = 1, LineEntry, GoButton, CancelButton };

    explicit TextGoto(qint64 line);

    // Runs the window; true with the line typed when "&Go" was pressed.
    static bool Ask(qint64& line);

    int Init() override;
    int TakeAccepted() override;
    qint32 Line() const { return line_; }

private:
    qint32 line_;
};
