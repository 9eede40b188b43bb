#include "framework/textview/TextGoto.h"

#include <algorithm>

TextGoto::TextGoto(qint64 line)
    : WindowController(QStringLiteral("TextGoto")),
      line_(qint32(std::clamp<qint64>(line, 0, 99999))) {}

bool TextGoto::Ask(qint64& line) {
    TextGoto window(line);
    if (window.Run() != RequestCompleted) return false;
    line = window.Line();
    return true;
}

int TextGoto::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Goto"));
    Window().setResizable(false);
    C().prompt(LinePrompt, QStringLiteral("&Line No:")).at(0, 0);
    C().entry(LineEntry, QStringLiteral("@n5")).at(0, 1).width(7).use(line_);
    C().button(GoButton, QStringLiteral("&Go")).at(1, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
    AddButton(CancelButton, RequestCancelled);
    FirstField = LineEntry;
    return Open();
}

int TextGoto::TakeAccepted() {
    if (Field() == GoButton) {
        if (!C().Accept(LineEntry)) {
            Select(LineEntry);
            return LevelNotify;
        }
        SetResponse(RequestCompleted);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}
