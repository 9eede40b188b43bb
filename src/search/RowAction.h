#pragma once

#include <QString>

// What the results window offers for a row: the command for the launcher, whether it starts
// with its drive, the launch mode (2 picture, 3 text viewer, 4 shell; 0 no action) and the
// button's text.
namespace search {

struct RowAction {
    QString command;
    int fullPath = 0;
    int mode = 0;
    QString button; // empty: the button is hidden
};

// `medium` and `file` as the row shows them; `viewerOn` is the main frame's viewer setting.
RowAction rowAction(const QString& medium, const QString& file, bool viewerOn);
// The three characters after the first "." of a file name, in capitals.
QString extensionOf(const QString& file);

} // namespace search
