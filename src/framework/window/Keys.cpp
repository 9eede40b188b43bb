#include "framework/window/Keys.h"

namespace {

int baseCode(int k, bool keypad) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return Keys::KeyA + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (keypad ? 96 : Keys::Key0) + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return Keys::F1 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace:
        return Keys::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Keys::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Keys::Enter;
    case Qt::Key_Escape:
        return Keys::Esc;
    case Qt::Key_Space:
        return Keys::Space;
    case Qt::Key_PageUp:
        return Keys::PageUp;
    case Qt::Key_PageDown:
        return Keys::PageDown;
    case Qt::Key_End:
        return Keys::End;
    case Qt::Key_Home:
        return Keys::Home;
    case Qt::Key_Left:
        return Keys::Left;
    case Qt::Key_Up:
        return Keys::Up;
    case Qt::Key_Right:
        return Keys::Right;
    case Qt::Key_Down:
        return Keys::Down;
    case Qt::Key_Insert:
        return Keys::Insert;
    case Qt::Key_Delete:
        return Keys::Delete;
    // Shifted characters share the code of their key.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return Keys::Semicolon;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return Keys::Equal;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return Keys::Comma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return Keys::Minus;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return Keys::Period;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return Keys::Slash;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return Keys::Grave;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return Keys::BracketLeft;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return Keys::Backslash;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return Keys::BracketRight;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return Keys::Apostrophe;
    default:
        return 0;
    }
}

} // namespace

int Keys::fromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    const int base = baseCode(qtKey, modifiers.testFlag(Qt::KeypadModifier));
    if (base == 0) return 0;
    int code = base;
    // Backtab is Shift+Tab even when the platform leaves the modifier out.
    if (modifiers.testFlag(Qt::ShiftModifier) || qtKey == Qt::Key_Backtab) code += Shift;
    if (modifiers.testFlag(Qt::ControlModifier)) code += Ctrl;
    if (modifiers.testFlag(Qt::AltModifier)) code += Alt;
    return code;
}
