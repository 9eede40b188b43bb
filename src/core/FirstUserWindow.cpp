#include "core/FirstUserWindow.h"

#include "core/Installation.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "core/Users.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

FirstUserWindow::FirstUserWindow(const QString& explanation)
    : WindowController(QStringLiteral("FirstUser")), explanation_(explanation) {}

int FirstUserWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Wareloft - First user"));
    Window().setResizable(false);
    C().prompt(Explanation, explanation_).at(0, 0, 1, 4);
    auto* text = static_cast<QLabel*>(C().widget(Explanation));
    text->setWordWrap(true);
    text->setMinimumWidth(420);
    C().prompt(NamePrompt, QStringLiteral("Name")).at(1, 0);
    C().prompt(NameText, QStringLiteral("%1 (level 3)").arg(QLatin1String(UserName)))
        .at(1, 1, 1, 3);
    C().prompt(PasswordPrompt, QStringLiteral("&Password")).at(2, 0);
    C().entry(PasswordEntry, QStringLiteral("@s20")).at(2, 1, 1, 3).use(password_);
    C().prompt(RepeatPrompt, QStringLiteral("&Repeat")).at(3, 0);
    C().entry(RepeatEntry, QStringLiteral("@s20")).at(3, 1, 1, 3).use(repeat_);
    for (int entry : {PasswordEntry, RepeatEntry}) {
        auto* edit = static_cast<QLineEdit*>(C().widget(entry));
        edit->setEchoMode(QLineEdit::Password);
        edit->setMaxLength(password_.capacity());
    }
    C().button(OkButton, QStringLiteral("&OK")).at(4, 2).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(4, 3);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout()))
        grid->setColumnStretch(1, 1);
    AddButton(CancelButton, RequestCancelled);
    FirstField = PasswordEntry;
    return Open();
}

int FirstUserWindow::TakeAccepted() {
    if (Field() == OkButton) {
        accept();
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

void FirstUserWindow::accept() {
    C().TakePending();
    if (password_.str() != repeat_.str()) {
        Notices::notice(QStringLiteral("The two passwords differ: type the same password twice."));
        repeat_.clear();
        C().Display(RepeatEntry);
        Select(RepeatEntry);
        return;
    }
    if (const QString problem = Users::passwordProblem(password_); !problem.isEmpty()) {
        Notices::notice(problem);
        password_.clear();
        repeat_.clear();
        Display();
        Select(PasswordEntry);
        return;
    }
    SetResponse(RequestCompleted);
}

FirstUser EnsureFirstUser(const QString& directory, bool newCatalogue) {
    QString report;
    // A users file that cannot be read is the logon's to report.
    if (Installation::check(report) != Installation::Installed) return FirstUser::Known;
    const QString where = QDir::toNativeSeparators(directory);
    const QString explanation =
        newCatalogue
            ? QStringLiteral("Wareloft keeps your catalogue in %1. It is new: it gets its "
                             "first user \"System\", of level 3, with the password you give "
                             "here. Cancel ends Wareloft.")
                  .arg(where)
            : QStringLiteral("The catalogue in %1 has no user, so nobody can log on. Wareloft "
                             "can add its first user \"System\", of level 3, with the password "
                             "you give here. Cancel ends Wareloft.")
                  .arg(where);
    // Asked again after a refusal (a password the installation does not take, a full disk)
    // until the user gives one that it takes or cancels.
    for (;;) {
        FirstUserWindow window(explanation);
        if (window.Run() != RequestCompleted) return FirstUser::Cancelled;
        Installation::Options options;
        options.password = window.Password();
        if (Installation::install(options, report) == Installation::Installed)
            return FirstUser::Added;
        Notices::notice(report.trimmed());
    }
}
