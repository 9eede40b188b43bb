#pragma once

#include "core/Procedures.h"

#include <vector>

// The twelve buttons of the toolbar window, in order, with what each does and when it may
// be pressed.
namespace ToolbarButtons {

enum class Rule {
    Always,
    LevelTwo,        // users of level 2 and 3
    LevelThree,      // users of level 3
    BrowseOpen,      // the archive browse is open
    BrowseClosed,    // the archive browse is not open
    EntriesToChange, // level 2 or 3, the archive browse open and entries in the archive
};

struct Button {
    int control;      // 1 .. 12
    const char* text; // the button's first text: its name
    const char* tip;  // the second text
    const char* icon;
    Rule rule;
    // Either a command handed to the archive browse in GLO:BrowseAction ...
    int browseAction = 0;
    // ... or a procedure started as given.
    Procedure procedure = Procedure::ArchiveBrowse;
    Way way = Way::OwnThread;
    bool programDirFirst = false; // the program's directory is made current before
};

const std::vector<Button>& all();
const Button* find(int control);
// The rule holds and what the button starts exists.
bool enabled(const Button& button);
// Hands the command to the archive browse and wakes it, or starts the procedure.
void press(const Button& button);

} // namespace ToolbarButtons
