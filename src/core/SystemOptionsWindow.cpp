#include "core/SystemOptionsWindow.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "core/SystemOptions.h"
#include "framework/host/Host.h"
#include "framework/host/Images.h"

#include <QGridLayout>
#include <QSpinBox>

namespace {

constexpr int DaysHigh = 255; // the fields hold one byte

void singleInstance(WindowController& w) {
    w.SingleInstance = {
        [] { return int(GLO.Threads.thread(Instance::SystemOptions)); },
        [](int thread) { GLO.Threads.set(Instance::SystemOptions, quint32(thread)); }};
}

} // namespace

SystemOptionsWindow::SystemOptionsWindow() : WindowController(QStringLiteral("UpdateSysOptions")) {}

void SystemOptionsWindow::RunHere() {
    SystemOptionsWindow window;
    singleInstance(window);
    window.Run();
}

void SystemOptionsWindow::StartOwn() {
    auto* window = new SystemOptionsWindow;
    singleInstance(*window);
    window->Start();
}

int SystemOptionsWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Relate::Sys().Open();
    load();
    build();
    showLog();
    showBackup();
    AddButton(CancelButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = KeepLog;
    if (const int level = Open()) return level;
    TopLevel().setWindowIcon(Window().windowIcon()); // also inside the frame
    return LevelBenign;
}

// The record's five options into the window's own copies.
int SystemOptionsWindow::Kill() {
    const int level = WindowController::Kill();
    Relate::Sys().Close();
    return level;
}

void SystemOptionsWindow::load() {
    SYS.clear();
    SYS.ID = 1;
    if (Access::Sys().TryFetch(SysKey::KeyID) != LevelBenign) {
        SYS.clear();
        Notices::notice(QStringLiteral("No records available"));
    }
    doLog_ = SYS.DOLOG;
    howLong_ = SYS.HOWLONG;
    doBackup_ = SYS.DOBACKUP;
    backupDays_ = SYS.BACKUPDAYS;
    path_ = SYS.PATHBACKUPFILES.str();
}

void SystemOptionsWindow::build() {
    SetTitle(QStringLiteral("Log and Backup Options"));
    Window().setWindowIcon(Images::icon(QStringLiteral("Tools.ico")));
    Window().setResizable(false);
    C().check(KeepLog, QStringLiteral(" &Keep Log")).at(0, 0).use(doLog_);
    C().spin(HowLong, 0, DaysHigh).at(0, 1).width(5).use(howLong_);
    C().prompt(RetentionText, QString()).at(0, 2, 1, 2);
    C().check(DoBackup, QStringLiteral(" &Backup files:"))
        .at(1, 0)
        .use(doBackup_)
        .tip(QStringLiteral("Check to make backup files"));
    C().spin(BackupDays, 0, DaysHigh).at(1, 1).width(5).use(backupDays_);
    C().prompt(IntervalText, QString()).at(1, 2, 1, 2);
    C().prompt(PathPrompt, QStringLiteral("Backup path")).at(2, 0);
    C().button(ChooseButton, QStringLiteral("........"))
        .at(2, 3)
        .tip(QStringLiteral("Choose the backup directory"));
    C().entry(PathEntry, QStringLiteral("@s255")).at(2, 1, 1, 2).width(30).use(path_);
    C().button(OkButton, QStringLiteral("&OK")).at(3, 1).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(3, 2);
    C().button(HelpButton, QStringLiteral("&Help")).at(3, 3);
    // A blank box stands for 0 days, as the texts beside say what 0 means.
    for (int spin : {HowLong, BackupDays})
        static_cast<QSpinBox*>(C().widget(spin))->setSpecialValueText(QStringLiteral(" "));
    // Hidden controls keep their room: the window has one size whatever is ticked.
    for (int control : {HowLong, RetentionText, BackupDays, IntervalText, PathPrompt, PathEntry}) {
        QWidget* widget = C().widget(control);
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout()))
        grid->setColumnStretch(0, 1); // the buttons keep their size
}

void SystemOptionsWindow::showLog() {
    const bool on = doLog_ != 0;
    C().Show(HowLong, on);
    C().Show(RetentionText, on);
    C().SetText(RetentionText, SystemOptions::retentionText(howLong_));
}

void SystemOptionsWindow::showBackup() {
    const bool on = doBackup_ != 0;
    for (int control : {BackupDays, IntervalText, PathPrompt, PathEntry})
        C().Show(control, on);
    C().SetText(IntervalText, SystemOptions::intervalText(backupDays_));
}

int SystemOptionsWindow::TakeAccepted() {
    switch (Field()) {
    case KeepLog:
    case HowLong:
        showLog();
        break;
    case DoBackup:
    case BackupDays:
        showBackup();
        break;
    case ChooseButton:
        choosePath();
        return LevelNotify;
    case OkButton:
        save();
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        break;
    }
    return WindowController::TakeAccepted();
}

void SystemOptionsWindow::choosePath() {
    C().Accept(PathEntry);
    const QString chosen =
        Host::instance().directoryDialog(QStringLiteral("Choose Directory"), path_.str());
    if (chosen.isEmpty()) return;
    path_ = SystemOptions::chosenDirectory(chosen);
    C().Display(PathEntry);
}

// A directory that is not there is offered to be made; one that cannot hold the backup
// files keeps the window open with the path selected.
bool SystemOptionsWindow::settlePath() {
    using SystemOptions::PathState;
    Host& host = Host::instance();
    const PathState state = SystemOptions::checkPath(path_.str());
    if (state == PathState::Usable) return true;
    if (state != PathState::Missing) {
        Notices::notice(SystemOptions::problemText(state, path_.str()));
        Select(PathEntry);
        return false;
    }
    if (!Notices::ask(QStringLiteral("Path noth found, do you wanna created it for you?"))) {
        doBackup_ = 0;
        path_.clear();
        Display();
        showBackup();
        return true;
    }
    const bool made = !path_.str().trimmed().isEmpty() &&
                      host.makeDirectory(path_.str().trimmed()) &&
                      SystemOptions::checkPath(path_.str()) == PathState::Usable;
    host.setCurrentDirectory(GLO.ProgramDir);
    if (made) return true;
    Notices::notice(QStringLiteral("Unable to create BackUp Directory"));
    Select(PathEntry);
    return false;
}

void SystemOptionsWindow::save() {
    C().TakePending();
    if (doBackup_ && !settlePath()) return;
    SYS.clear();
    SYS.ID = 1;
    FileManager& sys = Access::Sys();
    const bool found = sys.TryFetch(SysKey::KeyID) == LevelBenign;
    SYS.ID = 1;
    SYS.DOLOG = doLog_;
    SYS.HOWLONG = howLong_;
    SYS.DOBACKUP = doBackup_;
    SYS.BACKUPDAYS = backupDays_;
    SYS.PATHBACKUPFILES = SystemOptions::chosenDirectory(path_.str().trimmed());
    if (!found || sys.TryUpdate() != LevelBenign)
        Notices::notice(QStringLiteral("System Update Error"));
    SetResponse(RequestCompleted);
}
