#include "core/PrintLog.h"

#include "core/DataFiles.h"

PrintLogWindow::PrintLogWindow() : ReportRunner(QStringLiteral("PrintLog")), Report(Entry) {
    ErrorNote = QStringLiteral("The report ends here: the next entry could not be read.");
}

int PrintLogWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    BuildProgressWindow({}, true);
    opened_ = Access::Log().Open() == LevelBenign;
    Entries.Init(Relate::Log());
    Entries.Buffer = &Entry;
    Entries.AddSortOrder(LogKey::KeyDate);
    ReportRunner::Init(Entries, Report.Layout, &Pages);
    Entries.SetQuickScan(true);
    Pages.AllowUserZoom = true;
    return Open();
}

int PrintLogWindow::Kill() {
    const int level = ReportRunner::Kill();
    if (Entries.File) Entries.SetQuickScan(false);
    Entries.Kill();
    if (opened_) Access::Log().Close();
    opened_ = false;
    return level;
}

void PrintLog() {
    (new PrintLogWindow)->Start();
}
