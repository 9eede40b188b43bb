#pragma once

class QWidget;

// Dialogs and modal windows block the window they belong to (and the windows under it), never
// the whole program: the help window stays usable beside every one of them.
namespace Modality {

// The window a new dialog belongs to: the modal window open now, else the active window
// (the help window excepted), else the program's main window; null when there is none.
QWidget* owner();
// Makes `dialog` modal to its owner only (a window without an owner blocks nothing).
void toOwner(QWidget& dialog);

} // namespace Modality
