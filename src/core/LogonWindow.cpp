#include "core/LogonWindow.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "core/Session.h"
#include "core/SettingKeys.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

LogonWindow::LogonWindow() : WindowController(QStringLiteral("Logon")) {}

int LogonWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Access::IDE().Open();
    SetTitle(QStringLiteral("WLP - Logon"));
    Window().setResizable(false);

    // The last user who logged on is proposed; nobody yet: the installation's "System".
    GLO.UserName = INIMgr().Fetch(Settings::LastLogon);
    IDE.Name = GLO.UserName.str();

    const int nameField = Dictionary::IDE().fieldIndex(QStringLiteral("IDE:Name"));
    C().group(EnterGroup, QStringLiteral("Enter")).at(0, 0, 1, 3);
    C().prompt(NamePrompt, QStringLiteral("Name")).in(EnterGroup).at(0, 1);
    C().combo(NameCombo, userNames()).in(EnterGroup).at(0, 2).width(14).use(IDE, nameField);
    C().prompt(PasswordPrompt, QStringLiteral("Password")).in(EnterGroup).at(1, 1);
    C().entry(PasswordEntry, QStringLiteral("@s20")).in(EnterGroup).at(1, 2).use(password_);
    C().image(Light, QStringLiteral("Trffc10a.ico")).in(EnterGroup).at(0, 0, 2, 1);
    C().button(OkButton, QStringLiteral("&OK")).at(1, 1).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 2);
    static_cast<QLineEdit*>(C().widget(PasswordEntry))->setEchoMode(QLineEdit::Password);
    static_cast<QComboBox*>(C().widget(NameCombo))->lineEdit()->setMaxLength(IDE.Name.capacity());
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout()))
        grid->setColumnStretch(0, 1); // the buttons keep to the right

    AddButton(CancelButton, RequestCancelled);
    FirstField = PasswordEntry;
    return Open();
}

int LogonWindow::Kill() {
    const int level = WindowController::Kill();
    Access::IDE().Close();
    return level;
}

int LogonWindow::TakeAccepted() {
    if (Field() == OkButton) {
        attempt();
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

// Every user in name order, for the drop-down list; read beside the IDE buffer, which
// holds the proposed name.
QStringList LogonWindow::userNames() {
    QStringList names;
    FileManager& users = Access::IDE();
    if (users.UseFile() != LevelBenign) return names;
    IdeRecord probe;
    users.File->setOrder(IdeKey::KeyName);
    while (users.File->next(probe) == store::Ok)
        names << probe.Name.str();
    return names;
}

// One press of OK: the name as it shows in the combo, the password as typed.
void LogonWindow::attempt() {
    C().Accept(NameCombo);
    C().Accept(PasswordEntry);
    ++attempts_;
    switch (LogonCheck::attempt(C().Value(NameCombo), password_.str())) {
    case LogonCheck::Outcome::Accepted:
        GLO.UserName = IDE.Name.str();
        result_ = {true, IDE.LEVEL, IDE.IDNR};
        INIMgr().Update(Settings::LastLogon, IDE.Name.str());
        SetResponse(RequestCompleted);
        return;
    case LogonCheck::Outcome::UnknownUser:
        Notices::notice(QStringLiteral("Unknown User"), QString::fromLatin1(MessageCaption));
        IDE.Name.clear();
        C().Display(NameCombo);
        break;
    case LogonCheck::Outcome::WrongPassword:
        break;
    }
    failed();
}

// The light turns amber, then red; the third failure ends the window.
void LogonWindow::failed() {
    if (attempts_ >= MaxAttempts) {
        Notices::notice(QStringLiteral("ACCESS DENIED.."), QString::fromLatin1(MessageCaption));
        SetResponse(RequestCancelled);
        return;
    }
    C().SetIcon(Light,
                attempts_ == 1 ? QStringLiteral("Trffc10b.ico") : QStringLiteral("Trffc10c.ico"));
    password_.clear();
    C().Display(PasswordEntry);
    Select(PasswordEntry);
}
