#pragma once

#include <QString>
#include <vector>

// The text of a popup menu, taken apart. Items are separated by "|"; "-" alone is a
// separator; "~" before an item greys it; "+" before an item ticks it; an item followed by a braced
// list ("View{&Toolbar| &Colours}") is a submenu holding that list.
//
// Numbering: every item that can be chosen gets the next number, from 1, in the order of the
// text, submenus entered where they stand. Separators and submenu headings are not counted;
// greyed items are, so an item keeps its number whether or not it is enabled.
struct PopupItem {
    enum Kind { Command, Separator, Submenu };
    Kind kind = Command;
    QString text; // "&" accelerators kept, "~" removed
    bool enabled = true;
    bool checked = false;
    int number = 0; // commands only
    std::vector<PopupItem> children;
};

std::vector<PopupItem> parsePopupMenu(const QString& text);
