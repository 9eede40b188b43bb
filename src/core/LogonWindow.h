#pragma once

#include "core/Logon.h"
#include "framework/Text.h"
#include "framework/window/WindowController.h"

// The window "WLP - Logon": the user's name from a list of all users (or typed) and the
// password, three attempts in all. Its place is kept under "Logon".
class LogonWindow : public WindowController {
public:
    enum Control {
        EnterGroup = 1,
        NamePrompt,
        PasswordPrompt,
        Light,
        NameCombo,
        PasswordEntry,
        OkButton,
        CancelButton,
    };
    static constexpr int MaxAttempts = 3;
    // The caption of the logon's own message boxes.
    static constexpr const char* MessageCaption = "WLP message";

    LogonWindow();

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;

    // What the window ended with; success only after an accepted attempt.
    const LogonResult& Result() const { return result_; }
    int Attempts() const { return attempts_; }

private:
    void attempt();
    void failed();
    QStringList userNames();

    Text password_{20};
    int attempts_ = 0;
    LogonResult result_;
};
