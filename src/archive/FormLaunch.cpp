#include "archive/FormLaunch.h"

#include "scan/FileViewer.h"

void FormLaunch::run(const QString& path, bool local, int mode) {
    if (mode < int(LaunchMode::Picture) || mode > int(LaunchMode::ShellOpen)) return;
    RunProgram(path, local ? 1 : 0, LaunchMode(mode));
}
