#include "search/RowLaunch.h"

#include "scan/FileViewer.h"

void launchRow(const search::RowAction& action) {
    if (action.mode < int(LaunchMode::Picture) || action.mode > int(LaunchMode::ShellOpen)) return;
    RunProgram(action.command, action.fullPath, LaunchMode(action.mode));
}
