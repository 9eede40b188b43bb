#include "scan/DriveQuestion.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/host/Host.h"
#include "scan/ScanSettingKeys.h"

DriveQuestion::DriveQuestion(const QString& command, std::function<bool(const QString&)> run)
    : WindowController(QStringLiteral("RunProgram")), command_(command), run_(std::move(run)) {}

QStringList DriveQuestion::Drives() {
    QStringList roots;
    for (char letter = 'A'; letter <= 'K'; ++letter)
        roots << QString(QChar(letter)) + QStringLiteral(":\\");
    return roots;
}

int DriveQuestion::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Insert CD or Disk and select drive... "));
    Window().setResizable(false);
    drive_ = INIMgr().Fetch(FrameRules::userSection(), Settings::RunProgram);
    if (!Drives().contains(drive_.str(), Qt::CaseInsensitive)) drive_.clear();
    C().group(DriveGroup, QStringLiteral("Select Drive")).at(0, 0, 1, 2);
    C().dropList(DriveList, Drives())
        .in(DriveGroup)
        .at(0, 0)
        .width(6)
        .use(drive_)
        .tip(QStringLiteral("Select drive to run program from"));
    C().button(GoButton, QStringLiteral("&Go")).at(1, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
    AddButton(CancelButton, RequestCancelled);
    FirstField = GoButton;
    return Open();
}

int DriveQuestion::Kill() {
    C().TakePending();
    INIMgr().Update(FrameRules::userSection(), Settings::RunProgram, drive_.str());
    const int level = WindowController::Kill();
    if (!GLO.ProgramDir.isEmpty()) Host::instance().setCurrentDirectory(GLO.ProgramDir);
    return level;
}

int DriveQuestion::TakeAccepted() {
    if (Field() == GoButton) {
        go();
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

void DriveQuestion::go() {
    C().Accept(DriveList);
    if (drive_.isBlank()) {
        Select(DriveList);
        return;
    }
    if (!Host::instance().setCurrentDirectory(drive_.str())) {
        Host::instance().message(QStringLiteral("Invalid drive -- Disk not ready"),
                                 QStringLiteral("Wareloft"), Icon::Information, ButtonOk, ButtonOk);
        Select(DriveList);
        return;
    }
    if (run_(drive_.str() + command_)) SetResponse(RequestCompleted);
}
