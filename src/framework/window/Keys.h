#pragma once

#include <Qt>

// The system's key codes: the key's number plus a bit for each modifier held. Windows
// ask for keys by these codes (alert keys, the history key).
namespace Keys {

constexpr int Shift = 0x100;
constexpr int Ctrl = 0x200;
constexpr int Alt = 0x400;

constexpr int MouseRight = 2; // the right mouse button, as an alert key
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Esc = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
constexpr int Delete = 46;
constexpr int Key0 = 48; // "0" .. "9" follow
constexpr int KeyA = 65; // "A" .. "Z" follow
constexpr int F1 = 112;  // F1 .. F12 follow
constexpr int Semicolon = 186;
constexpr int Equal = 187;
constexpr int Comma = 188;
constexpr int Minus = 189;
constexpr int Period = 190;
constexpr int Slash = 191;
constexpr int Grave = 192;
constexpr int BracketLeft = 219;
constexpr int Backslash = 220;
constexpr int BracketRight = 221;
constexpr int Apostrophe = 222;

constexpr int CtrlEnter = Ctrl + Enter;
constexpr int CtrlApostrophe = Ctrl + Apostrophe; // 734: recalls a field's saved value
constexpr int ShiftTab = Shift + Tab;

// The code of a Qt key with its modifiers; 0 for a key the system has no code for
// (a modifier pressed alone, a character outside the keyboard's own keys).
int fromQt(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace Keys
