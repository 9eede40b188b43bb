#pragma once

#include "framework/window/WindowController.h"

// The user form "Update the IDE File": name, password and level of the user in the IDE
// buffer, for the request in Protocol::GlobalRequest (insert, change or delete). Refuses an
// empty or blank password, and the deletion or the lower level of the last user of level 3.
class UpdateIDEWindow : public WindowController {
public:
    enum Control {
        GeneralTab = 1,
        NamePrompt,
        NameEntry,
        PasswordPrompt,
        PasswordEntry,
        LevelPrompt,
        LevelList,
        OkButton,
        CancelButton,
        HelpButton,
        Sheet = 20,
    };
    static constexpr const char* HelpKeyword = "Users";

    UpdateIDEWindow();

    int Init() override;
    int Kill() override;
    int PrimeUpdate() override;
    void PrimeFields() override;
    int TakeAccepted() override;
    int TakeCompleted() override;

private:
    void build();
    // False, with the reason said, when the record must not be written as it is.
    bool mayStore();
};

// Runs the form modally for the request in Protocol::GlobalRequest; the response.
int UpdateIDE();
