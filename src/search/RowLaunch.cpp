#include "search/RowLaunch.h"

#include "core/FrameRules.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "framework/SettingKey.h"
#include "framework/Text.h"
#include "framework/host/Host.h"
#include "framework/window/WindowController.h"

namespace {

constexpr SettingKey LastDrive{nullptr, "RunProgram", ""};

// Pictures and texts open through the shell as well, until the program has viewers of its
// own; a drive that stands for no folder opens nothing, as the shell would.
void open(const QString& command) {
    const QString target = Host::instance().hostPath(command.left(255));
    if (!target.isEmpty()) Host::instance().shellOpen(target);
}

QStringList roots() {
    QStringList out;
    for (char d = 'A'; d <= 'K'; ++d)
        out << QString(QLatin1Char(d)) + QStringLiteral(":\\");
    return out;
}

class DriveQuestion : public WindowController {
public:
    enum Control { DriveGroup = 1, DriveList, GoButton, CancelButton };

    explicit DriveQuestion(QString command)
        : WindowController(QStringLiteral("RunProgram")), command_(std::move(command)) {}

    int Init() override {
        if (const int level = WindowController::Init()) return level;
        SetTitle(QStringLiteral("Insert CD or Disk and select drive... "));
        Window().setResizable(false);
        drive_ = INIMgr().Fetch(FrameRules::userSection(), LastDrive);
        C().group(DriveGroup, QStringLiteral("Select Drive")).at(0, 0, 1, 2);
        C().dropList(DriveList, roots())
            .in(DriveGroup)
            .at(0, 0)
            .use(drive_)
            .tip(QStringLiteral("Select drive to run program from"));
        C().button(GoButton, QStringLiteral("&Go")).at(1, 0).defaultButton();
        C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
        AddButton(CancelButton, RequestCancelled);
        FirstField = GoButton;
        return Open();
    }

    int Kill() override {
        if (Opened) INIMgr().Update(FrameRules::userSection(), LastDrive, drive_.str());
        return WindowController::Kill();
    }

    int TakeAccepted() override {
        if (Field() != GoButton) return WindowController::TakeAccepted();
        if (drive_.isBlank()) {
            Select(DriveList);
            return LevelNotify;
        }
        if (Host::instance().driveFolder(drive_.str().at(0)).isEmpty()) {
            Notices::notice(QStringLiteral("Invalid drive -- Disk not ready"));
            Select(DriveList);
            return LevelNotify;
        }
        open(drive_.str() + command_);
        SetResponse(RequestCompleted);
        return LevelFatal;
    }

private:
    QString command_;
    Text drive_{3};
};

} // namespace

void launchRow(const search::RowAction& action) {
    if (action.mode == 0) return;
    if (action.fullPath == 1) {
        open(action.command);
        return;
    }
    DriveQuestion(action.command).Run();
}
