#include "producers/PrintProducers.h"

#include "core/DataFiles.h"

PrintProducersWindow::PrintProducersWindow()
    : ReportRunner(QStringLiteral("PrintProducers")), Report(Entry) {}

int PrintProducersWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    BuildProgressWindow({}, true);
    opened_ = Access::Prd().Open() == LevelBenign;
    Entries.Init(Relate::Prd());
    Entries.Buffer = &Entry;
    Entries.AddSortOrder(PrdKey::KeyName);
    ReportRunner::Init(Entries, Report.Layout, &Pages);
    Entries.SetQuickScan(true);
    Pages.AllowUserZoom = true;
    return Open();
}

int PrintProducersWindow::Kill() {
    const int level = ReportRunner::Kill();
    if (Entries.File) Entries.SetQuickScan(false);
    Entries.Kill();
    if (opened_) Access::Prd().Close();
    opened_ = false;
    return level;
}

void PrintProducers() {
    (new PrintProducersWindow)->Start();
}
