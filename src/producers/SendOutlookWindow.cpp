#include "producers/SendOutlookWindow.h"

#include "framework/host/Host.h"
#include "framework/host/Images.h"
#include "producers/MailDraft.h"

#include <QGridLayout>
#include <QLineEdit>

SendOutlookWindow::SendOutlookWindow(const QString& producer, const QString& to,
                                     const QString& registration, const QString& program)
    : WindowController(QStringLiteral("SendOutlook")), producer_(producer.trimmed()) {
    to_ = to.trimmed();
    subject_ = MailDraft::subjectFor(program, registration);
}

int SendOutlookWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    build();
    AddButton(CancelButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = SendButton;
    const int level = Open();
    // A subject longer than its entry shows its start, where it says what it is about.
    if (auto* subject = qobject_cast<QLineEdit*>(C().widget(SubjectEntry)))
        subject->setCursorPosition(0);
    return level;
}

void SendOutlookWindow::build() {
    SetTitle(QStringLiteral("Send a message to ") + producer_);
    Window().setWindowIcon(Images::icon(QStringLiteral("Send1.ico")));

    C().group(AddressGroup, QStringLiteral("Address")).at(0, 0, 1, 4);
    C().prompt(ToPrompt, QStringLiteral("To:")).in(AddressGroup).at(0, 0);
    C().entry(ToEntry).in(AddressGroup).at(0, 1).width(30).use(to_);
    C().toolButton(AddressBookButton, QStringLiteral("Address book"), QStringLiteral("To2.ico"))
        .in(AddressGroup)
        .at(0, 2)
        .tip(QStringLiteral("Call Adres Book"));
    C().prompt(SubjectPrompt, QStringLiteral("Subject:")).in(AddressGroup).at(1, 0);
    C().entry(SubjectEntry).in(AddressGroup).at(1, 1, 1, 2).width(46).use(subject_);
    static_cast<QLineEdit*>(C().widget(SubjectEntry))->setMaxLength(SubjectLength);
    C().prompt(AttachmentPrompt, QStringLiteral("Attachment:")).in(AddressGroup).at(2, 0);
    C().entry(AttachmentEntry).in(AddressGroup).at(2, 1).use(attachment_);
    C().button(AttachmentButton, QStringLiteral("..."))
        .in(AddressGroup)
        .at(2, 2)
        .tip(QStringLiteral("Select Attachment"));
    QWidget* dots = C().widget(AttachmentButton);
    dots->setMaximumWidth(dots->sizeHint().height() * 2);

    C().group(MessageGroup, QStringLiteral("Message text")).at(1, 0, 1, 4);
    C().text(MessageText).in(MessageGroup).at(0, 0).use(body_);
    C().widget(MessageText)->setMinimumHeight(200);

    C().button(HelpButton, QStringLiteral("&Help")).at(2, 0);
    C().button(SendButton, QStringLiteral("&Send"))
        .at(2, 2)
        .defaultButton()
        .tip(QStringLiteral("Send this message to the Outbox!"));
    C().SetIcon(SendButton, QStringLiteral("SEND1.ICO"));
    C().button(CancelButton, QStringLiteral("&Cancel")).at(2, 3);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout())) {
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(1, 1);
    }
}

int SendOutlookWindow::TakeAccepted() {
    switch (Field()) {
    case AddressBookButton:
        addressBook();
        return LevelNotify;
    case AttachmentButton:
        chooseAttachment();
        return LevelNotify;
    case SendButton:
        send();
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

// The book opens with the recipients held ticked, or the To address when none are. The
// recipients that come back replace those held; the first one's address becomes the To text.
void SendOutlookWindow::addressBook() {
    C().TakePending();
    QStringList recipients = picked_;
    if (recipients.isEmpty() && !to_.isBlank()) recipients << to_.str().trimmed();
    const int result = Host::instance().addressBook(QStringLiteral("Address To:"),
                                                    MailDraft::supportAddresses(), recipients);
    if (result == MailSuccess) {
        picked_ = recipients;
        if (!picked_.isEmpty() && !picked_.first().isEmpty()) {
            to_ = picked_.first().left(PickedToLength);
            C().Display(ToEntry);
        }
        return;
    }
    const QString problem = MailDraft::addressBookResultText(result);
    if (!problem.isEmpty())
        Host::instance().message(problem, QString(), Icon::Exclamation, ButtonOk, ButtonOk);
}

void SendOutlookWindow::chooseAttachment() {
    C().TakePending();
    const QString chosen = Host::instance().fileDialog(
        QStringLiteral("Choose a File"), QStringLiteral("All Files|*.*"), attachment_, false);
    if (chosen.isEmpty()) return;
    attachment_ = chosen;
    C().Display(AttachmentEntry);
}

// A mail the client took, or one the user dropped there, closes the window. One that could
// not be handed over keeps it open with the message, so the text typed is not lost.
void SendOutlookWindow::send() {
    C().TakePending();
    const MailDraft::Draft draft{to_.str(), picked_, subject_, body_, attachment_};
    const int result = Host::instance().composeMail(MailDraft::message(draft));
    const QString problem = MailDraft::sendResultText(result);
    if (problem.isEmpty()) {
        SetResponse(RequestCompleted);
        return;
    }
    Host::instance().message(problem, QString(), Icon::Exclamation, ButtonOk, ButtonOk);
}
