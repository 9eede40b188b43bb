#pragma once

#include "core/Procedures.h"

#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

// What an item of the frame's menus does: a procedure, or one of the frame's own commands.
enum class FrameCommand {
    None, // an item without an action
    Procedure,
    Logon,
    Exit,
    KeepSelection,
    UseNotebook,
    Toolbar,
    BrowseColor,
    Wallpaper,
    PrintSetup,
    Cut,
    Copy,
    Paste,
    Undo,
    Tile,
    Cascade,
    ArrangeIcons,
    GettingStarted,
    HowToUseHelp,
    ProgramHelp,
};

struct FrameAction {
    FrameCommand command = FrameCommand::None;
    Procedure procedure = Procedure::ArchiveBrowse; // for FrameCommand::Procedure
    Way way = Way::AsListed;
};

// The frame's menu bar. Every item is a control of the frame: choosing it hands the item's
// number to `choose`, which posts it as an accepted control. Items are enabled, hidden and
// ticked by refresh(), from the user's level, the open windows and the procedures that
// exist.
class FrameMenus {
public:
    static constexpr int FirstControl = 1000;

    FrameMenus(QMenuBar& bar, std::function<void(int control)> choose);

    // The action of an item's control number; null for a number that is no menu item or
    // an item that is disabled.
    const FrameAction* actionOf(int control) const;
    void refresh();
    // An item by the path of its texts without "&": "Menu/HouseHold/View/Toolbar"; the
    // action of a submenu by the path of the submenu.
    QAction* item(const QString& path) const;

private:
    enum class Rule { None, LevelTwo, LevelThreeShown, BrowseClosed, KeepSelection, Disabled };
    struct Entry {
        int depth;
        const char* text;
        FrameAction action = {};
        Rule rule = Rule::None;
        const char* tip = nullptr;
        bool check = false;
    };
    struct Item {
        QAction* action;
        const Entry* entry;
    };
    static const std::vector<Entry>& entries();
    static bool allowed(Rule rule);
    void tick(const Item& item) const;

    std::vector<Item> items_; // by control number - FirstControl
};
