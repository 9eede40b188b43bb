#include "framework/window/ToolbarDispatcher.h"

#include "framework/window/Requests.h"

void ToolbarDispatcher::AddTarget(ToolbarTarget& target) {
    targets_.push_back(&target);
    if (!current_) current_ = &target;
}

void ToolbarDispatcher::SetTarget(int control) {
    for (ToolbarTarget* t : targets_)
        if (t->Control() == control && t != current_) {
            current_ = t;
            DisplayButtons();
            return;
        }
}

int ToolbarDispatcher::TakeAccepted(int control) {
    if (control < FirstToolButton || control > LastToolButton || !current_) return 0;
    return current_->TakeToolbar(control);
}

void ToolbarDispatcher::DisplayButtons() {
    if (current_) current_->DisplayButtons();
}

void ToolbarDispatcher::Kill() {
    targets_.clear();
    current_ = nullptr;
}
