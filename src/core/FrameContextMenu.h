#pragma once

#include "core/FrameMenus.h"

#include <QString>
#include <vector>

// The menu of a right click on the frame's client area: a short one for users of level 1,
// a longer one with the new CD and disk forms for levels 2 and 3. The procedures start on
// threads of their own; the new CD and disk forms on the frame's.
namespace FrameContextMenu {

struct Item {
    QString text; // with "&", without "~"
    FrameAction action;
};

// The items of the menu for a user level, separators left out.
std::vector<Item> items(int level);
// The popup text of the items: "-" between the groups, "~" before an item whose
// procedure does not exist yet.
QString popupText(int level);

} // namespace FrameContextMenu
