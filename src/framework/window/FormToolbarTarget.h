#pragma once

#include "framework/window/WindowController.h"

// The form's own toolbar target: the navigation buttons save the record and tell the
// calling browse where to go next.
class WindowController::FormTarget : public ToolbarTarget {
public:
    explicit FormTarget(WindowController& window) : w_(window) {}

    int TakeToolbar(int button) override {
        const bool form = w_.Request == InsertRecord || w_.Request == ChangeRecord;
        if (form && ToolbarRules::IsFormNavigation(button)) {
            if (w_.VCRRequest) *w_.VCRRequest = button;
            w_.PressOK();
            return LevelNotify;
        }
        if (button == ToolHistory) {
            w_.RestoreField(w_.C().Focused());
            return LevelNotify;
        }
        if (button == ToolHelp && w_.HelpControl) {
            w_.Post(controlEvent(EventKind::Accepted, w_.HelpControl));
            return LevelNotify;
        }
        return LevelBenign;
    }

    void DisplayButtons() override {
        Controls& c = w_.C();
        const bool help = w_.HelpControl && c.IsEnabled(w_.HelpControl);
        for (int b = FirstToolButton; b <= LastToolButton; ++b) {
            if (!c.find(b)) continue;
            c.SetTip(b, ToolbarRules::FormTip(w_.Request, b));
            if (auto on = ToolbarRules::FormEnables(w_.Request, b, help, !w_.History.empty()))
                c.Enable(b, *on);
        }
    }

private:
    WindowController& w_;
};
