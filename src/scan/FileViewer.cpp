#include "scan/FileViewer.h"

#include "core/Globals.h"
#include "framework/host/FileSystemHost.h"
#include "scan/DriveQuestion.h"
#include "scan/PictureWindow.h"
#include "scan/ReadTextFileWindow.h"

namespace {

const QString Caption = QStringLiteral("Wareloft");

void notice(const QString& text) {
    Host::instance().message(text, Caption, Icon::Information, ButtonOk, ButtonOk);
}

// Starts or shows a command; the host's error number of a program that did not start,
// after its message, else 0.
int runInMode(const QString& command, LaunchMode mode) {
    switch (mode) {
    case LaunchMode::Execute: {
        QString text;
        const int error = Host::instance().execute(command, &text);
        switch (error) {
        case 0:
            break;
        case FileSystemHost::ProgramNotFound:
            notice(QStringLiteral("File not found"));
            break;
        case FileSystemHost::OutOfMemory:
            notice(QStringLiteral("Insufficient Memory"));
            break;
        case FileSystemHost::DriveNotReady:
            notice(QStringLiteral("Invalid Drive"));
            break;
        default:
            notice(text);
        }
        return error;
    }
    case LaunchMode::Picture:
        ShowWindow(command);
        return 0;
    case LaunchMode::Text:
        ReadTextFile(command, 1);
        return 0;
    case LaunchMode::ShellOpen:
        Host::instance().shellOpen(command);
        return 0;
    }
    return 0;
}

void backToProgramDirectory() {
    if (!GLO.ProgramDir.isEmpty()) Host::instance().setCurrentDirectory(GLO.ProgramDir);
}

// The window stays for another drive while the command was not found on this one.
void askForDrive(const QString& command, LaunchMode mode) {
    DriveQuestion question(command, [mode](const QString& fromDrive) {
        const int error = runInMode(fromDrive, mode);
        return error != FileSystemHost::ProgramNotFound && error != FileSystemHost::DriveNotReady;
    });
    question.Run();
}

} // namespace

int ReadTextFile(const QString& fileName, int hideAdd) {
    ReadTextFileWindow window(fileName, hideAdd);
    window.Run();
    return window.Result();
}

void ShowWindow(const QString& imageFile) {
    QString reason;
    const QImage image = PictureWindow::Load(imageFile, &reason);
    if (image.isNull()) {
        notice(QStringLiteral("The picture %1 cannot be shown: %2").arg(imageFile, reason));
        return;
    }
    PictureWindow window(imageFile, image);
    window.Run();
}

void RunProgram(const QString& command, int fullPath, LaunchMode mode) {
    const QString clipped = command.left(255).trimmed();
    if (fullPath != 1) {
        askForDrive(clipped, mode);
        return;
    }
    if (runInMode(clipped, mode) != 0 && mode == LaunchMode::Execute) {
        askForDrive(clipped.mid(3), mode);
        return;
    }
    backToProgramDirectory();
}
