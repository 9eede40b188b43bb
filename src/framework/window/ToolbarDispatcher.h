#pragma once

#include "framework/window/WindowParts.h"

#include <vector>

// Routes the toolbar buttons 2000 to 2012 of a window to its current target: the form
// itself, or the browse whose list was selected last.
class ToolbarDispatcher {
public:
    void AddTarget(ToolbarTarget& target);
    // Makes the target of a control current (a browse's list); unknown controls keep
    // the current target.
    void SetTarget(int control);
    ToolbarTarget* Current() const { return current_; }
    // A toolbar button pressed: the current target's level, 0 for other controls.
    int TakeAccepted(int control);
    void DisplayButtons();
    void Kill();

private:
    std::vector<ToolbarTarget*> targets_;
    ToolbarTarget* current_ = nullptr;
};
