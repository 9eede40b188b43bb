#include "app/ProgramRun.h"

#include "core/MainFrame.h"
#include "core/Process.h"
#include "framework/host/Images.h"
#include "framework/host/QtHost.h"
#include "framework/report/PageRenderer.h"

#include <QApplication>
#include <QDir>

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wareloft"));
    QApplication::setWindowIcon(Images::icon(QStringLiteral("Diskfile.ico")));
    QtHost host;
    Host::install(&host);
    FontMeasure measure; // reports wrap by the fonts they print with
    TextMeasure::Install(&measure);
    {
        Process process(QDir::currentPath());
        host.setSettings(&process.settings());
        WindowController::SetServices(&process.errors(), &process.settings());
        {
            MainFrame frame;
            frame.Run();
        }
        WindowController::SetServices(nullptr, nullptr);
        host.setSettings(nullptr);
    } // the settings store, the files and the error manager go in the order they came
    TextMeasure::Install(nullptr);
    Host::install(nullptr);
    return 0;
}
