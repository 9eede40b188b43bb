#include "core/UpdatePass.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Users.h"
#include "framework/host/Host.h"

#include <QLineEdit>

void UpdatePass() {
    (new UpdatePassWindow)->Start();
}

UpdatePassWindow::UpdatePassWindow() : WindowController(QStringLiteral("UpdatePass")) {}

int UpdatePassWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Access::IDE().Open();
    build();
    AddButton(CancelButton, RequestCancelled);
    FirstField = NewEntry;
    if (const int level = Open()) return level;
    SetTitle(QStringLiteral("Passchange of ") + GLO.UserName.str());
    if (!fetchUser()) {
        tell(QStringLiteral("Fout"));
        SetResponse(RequestCancelled);
        return LevelBenign;
    }
    new_ = user_.PASSWORD.str();
    Display();
    return LevelBenign;
}

// The first user of the logged-on user's name, in name order.
bool UpdatePassWindow::fetchUser() {
    FileManager& users = Access::IDE();
    const int others = users.SaveBuffer();
    IDE.clear();
    IDE.Name = GLO.UserName.str();
    const bool found = users.TryFetch(IdeKey::KeyName) == LevelBenign;
    if (found) user_.copyFrom(IDE);
    users.RestoreBuffer(others);
    return found;
}

int UpdatePassWindow::Kill() {
    const int level = WindowController::Kill();
    Access::IDE().Close();
    return level;
}

void UpdatePassWindow::build() {
    Window().setResizable(false);
    C().prompt(NewPrompt, QStringLiteral("New Password")).at(0, 0);
    C().entry(NewEntry, QStringLiteral("@s20")).at(0, 1, 1, 2).use(new_);
    C().prompt(RepeatPrompt, QStringLiteral("Repeat :")).at(1, 0);
    C().entry(RepeatEntry, QStringLiteral("@s20")).at(1, 1, 1, 2).use(repeat_);
    // What is typed is not shown: the repetition is the check of it.
    for (int entry : {NewEntry, RepeatEntry})
        static_cast<QLineEdit*>(C().widget(entry))->setEchoMode(QLineEdit::Password);
    C().Hide(RepeatPrompt);
    C().Hide(RepeatEntry);
    // Enter in the new password brings up the repetition; OK becomes the default with it.
    C().button(OkButton, QStringLiteral("&OK")).at(2, 1);
    C().button(CancelButton, QStringLiteral("&Cancel")).at(2, 2);
}

int UpdatePassWindow::TakeAccepted() {
    switch (Field()) {
    case NewEntry:
        if (!new_.isBlank()) showRepeat();
        return LevelNotify;
    case OkButton:
        store();
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

void UpdatePassWindow::showRepeat() {
    C().Show(RepeatPrompt);
    C().Show(RepeatEntry);
    C().SetDefaultButton(OkButton);
    Select(RepeatEntry);
}

void UpdatePassWindow::store() {
    C().TakePending();
    if (repeat_.str() != new_.str()) {
        tell(QStringLiteral("Wrong repetion : try again"));
        repeat_.clear();
        C().Display(RepeatEntry);
        showRepeat();
        return;
    }
    if (const QString problem = Users::passwordProblem(new_); !problem.isEmpty()) {
        tell(problem);
        repeat_.clear();
        C().Display(RepeatEntry);
        Select(NewEntry);
        return;
    }
    FileManager& users = Access::IDE();
    const int others = users.SaveBuffer();
    IDE.copyFrom(user_);
    IDE.PASSWORD = new_.str();
    const bool written = users.TryUpdate() == LevelBenign;
    users.RestoreBuffer(others);
    if (!written) tell(QStringLiteral("Fout bij updaten"));
    SetResponse(RequestCompleted);
}

// The window's own messages have no caption.
void UpdatePassWindow::tell(const QString& text) {
    Host::instance().message(text, QString(), Icon::Information, ButtonOk, ButtonOk);
}
