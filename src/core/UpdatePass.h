#pragma once

#include "core/Dictionary.h"
#include "framework/Text.h"
#include "framework/window/WindowController.h"

// "Passchange of" the logged-on user: the new password, then its repetition, which shows
// once a new password was typed. Written only when both agree and the password is not
// empty or blank.
class UpdatePassWindow : public WindowController {
public:
    enum Control {
        NewPrompt = 1,
        NewEntry,
        RepeatPrompt,
        RepeatEntry,
        OkButton,
        CancelButton,
    };

    UpdatePassWindow();

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;

private:
    void build();
    bool fetchUser();
    void showRepeat();
    void store();
    void tell(const QString& text);

    Text new_{20};
    Text repeat_{20};
    // The user's record as read when the window opened: the IDE buffer belongs to whichever
    // window used it last.
    IdeRecord user_;
};

// Starts the window on a thread number of its own.
void UpdatePass();
