#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"

#include <QStringList>

// The window behind SendOutlook. Its place is kept under "SendOutlook".
class SendOutlookWindow : public WindowController {
public:
    enum Control {
        AddressGroup = 1,
        ToPrompt,
        ToEntry,
        AddressBookButton,
        SubjectPrompt,
        SubjectEntry,
        AttachmentPrompt,
        AttachmentEntry,
        AttachmentButton,
        MessageGroup,
        MessageText,
        HelpButton,
        SendButton,
        CancelButton,
    };
    static constexpr const char* HelpKeyword = "Send Message";
    // Most characters the address book's first pick puts in the To text.
    static constexpr int PickedToLength = 250;
    static constexpr int SubjectLength = 254;

    SendOutlookWindow(const QString& producer, const QString& to, const QString& registration,
                      const QString& program);

    int Init() override;
    int TakeAccepted() override;

    // The recipients held from the address book.
    const QStringList& Picked() const { return picked_; }

private:
    void build();
    void addressBook();
    void chooseAttachment();
    void send();

    QString producer_;
    Text to_{254};
    QString subject_;    // its prepared text ends in a blank, kept for what is typed after it
    QString attachment_; // a host path of any length: a cut one would name another file
    QString body_;       // the mail layer refuses a text over its limit, the window keeps it
    QStringList picked_;
};
