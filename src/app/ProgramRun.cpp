#include "app/ProgramRun.h"

#include "core/DataDirectory.h"
#include "core/FirstUserWindow.h"
#include "core/Logon.h"
#include "core/MainFrame.h"
#include "core/Process.h"
#include "framework/host/Images.h"
#include "framework/host/QtHost.h"
#include "framework/report/PageRenderer.h"

#include <QApplication>
#include <QDir>
#include <cstring>

namespace {

bool startedFromMenu(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], DataDirectory::MenuOption) == 0) return true;
    return false;
}

} // namespace

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wareloft"));
    QApplication::setDesktopFileName(QStringLiteral(WARELOFT_APP_ID));
    QApplication::setWindowIcon(Images::icon(QStringLiteral("Diskfile.ico")));
    const DataDirectory::Choice where =
        DataDirectory::choose(startedFromMenu(argc, argv), QDir::currentPath());
    QDir::setCurrent(where.path);
    QtHost host;
    Host::install(&host);
    FontMeasure measure; // reports wrap by the fonts they print with
    TextMeasure::Install(&measure);
    FirstUser first = FirstUser::Known;
    {
        Process process(where.path);
        host.setSettings(&process.settings());
        WindowController::SetServices(&process.errors(), &process.settings());
        first = EnsureFirstUser(where.path, where.madeNow);
        if (first != FirstUser::Cancelled) {
            MainFrame frame;
            // The first user has just typed the password twice: no logon for that session.
            if (first == FirstUser::Added)
                frame.LogonStep = [] {
                    return StartSessionAs(QString::fromLatin1(FirstUserWindow::UserName));
                };
            frame.Run();
        }
        WindowController::SetServices(nullptr, nullptr);
        host.setSettings(nullptr);
    } // the settings store, the files and the error manager go in the order they came
    TextMeasure::Install(nullptr);
    Host::install(nullptr);
    // A catalogue made for this start and then declined is not left behind half made.
    if (where.madeNow && first == FirstUser::Cancelled) {
        QDir::setCurrent(QDir::homePath());
        QDir(where.path).removeRecursively();
    }
    return 0;
}
