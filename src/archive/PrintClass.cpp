#include "archive/PrintClass.h"

#include "core/DataFiles.h"

PrintClassWindow::PrintClassWindow() : ReportRunner(QStringLiteral("PrintClass")), Report(Entry) {}

int PrintClassWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    BuildProgressWindow({}, true);
    opened_ = Access::SoortTabel().Open() == LevelBenign;
    Entries.Init(Relate::SoortTabel());
    Entries.Buffer = &Entry;
    Entries.AddSortOrder(SrtKey::KeySoort);
    ReportRunner::Init(Entries, Report.Layout, &Pages);
    Entries.SetQuickScan(true);
    Pages.AllowUserZoom = true;
    return Open();
}

int PrintClassWindow::Kill() {
    const int level = ReportRunner::Kill();
    if (Entries.File) Entries.SetQuickScan(false);
    Entries.Kill();
    if (opened_) Access::SoortTabel().Close();
    opened_ = false;
    return level;
}

void PrintClass() {
    (new PrintClassWindow)->Start();
}
