#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"

// Asks for the password of a catalogue's first user, "System" of level 3, typed twice,
// when nobody could log on otherwise: a catalogue made new, or one whose users file holds
// no user. The window says which of the two it is.
class FirstUserWindow : public WindowController {
public:
    enum Control {
        Explanation = 1,
        NamePrompt,
        NameText,
        PasswordPrompt,
        PasswordEntry,
        RepeatPrompt,
        RepeatEntry,
        OkButton,
        CancelButton,
    };
    static constexpr const char* UserName = "System";

    explicit FirstUserWindow(const QString& explanation);

    int Init() override;
    int TakeAccepted() override;

    // The password given, once the window completed.
    QString Password() const { return password_.str(); }

private:
    void accept();

    QString explanation_;
    Text password_{20};
    Text repeat_{20};
};

// Before the logon: when the catalogue's users file holds no user, says so and offers to add
// the first one. `newCatalogue`: the directory was made for this start.
enum class FirstUser {
    Known,    // the catalogue has users: the logon as always
    Added,    // the first user was added just now and may start without the logon
    Cancelled // no user to log on as: the program ends
};
FirstUser EnsureFirstUser(const QString& directory, bool newCatalogue);
