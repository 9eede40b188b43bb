#include "archive/ArchiveReportWindows.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/host/Host.h"

namespace {

// Fields of Archief by their place in the record.
constexpr int NrField = 0;
constexpr int SoortField = 4;

} // namespace

ArchiveReportWindow::ArchiveReportWindow(const QString& procedureName)
    : ReportRunner(procedureName) {
    ErrorNote = QStringLiteral("The report ends here: the next entry could not be read.");
}

void ArchiveReportWindow::Walk(int key) {
    opened_ = Access::Archief().Open() == LevelBenign;
    Entries.Init(Relate::Archief());
    Entries.Buffer = &Entry;
    Entries.AddSortOrder(key);
}

int ArchiveReportWindow::Begin(const ReportLayout& layout) {
    ReportRunner::Init(Entries, layout, &Pages);
    Entries.SetQuickScan(true);
    Pages.AllowUserZoom = true;
    return Open();
}

int ArchiveReportWindow::Kill() {
    const int level = ReportRunner::Kill();
    if (Entries.File) Entries.SetQuickScan(false);
    Entries.Kill();
    if (opened_) Access::Archief().Close();
    opened_ = false;
    return level;
}

// ---- PrintSelection ----------------------------------------------------------------------

PrintSelectionWindow::PrintSelectionWindow(const QString& className)
    : ArchiveReportWindow(QStringLiteral("PrintSelection")), Report(className, Entry) {}

int PrintSelectionWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    // The class is named before the pass, on its own.
    if (!Report.Everything)
        Host::instance().message(Report.Class, QString(), Icon::None, ButtonOk, ButtonOk);
    BuildProgressWindow({}, true);
    Walk(ArcKey::KeySoort);
    Entries.SkipMemos = true; // the list shows no description
    if (!Report.Everything) Entries.AddRange(SoortField, FieldValue(Report.Class));
    return Begin(Report.Layout);
}

int PrintSelectionWindow::TakeRecord() {
    Report.TakeRecord();
    return ReportRunner::TakeRecord();
}

// ---- PrintSingleRecord -------------------------------------------------------------------

PrintSingleRecordWindow::PrintSingleRecordWindow(const QString& recordNumber)
    : ArchiveReportWindow(QStringLiteral("PrintSingleRecord")), Report(Entry),
      number_(recordNumber.trimmed().toUInt()) {}

int PrintSingleRecordWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    BuildProgressWindow({}, true);
    Report.PrepareTexts(ARC);
    Walk(ArcKey::IDkey);
    Entries.AddRange(NrField, FieldValue(qint64(number_)));
    return Begin(Report.Layout);
}

// ---- PrintDatabase -----------------------------------------------------------------------

PrintDatabaseWindow::PrintDatabaseWindow()
    : ArchiveReportWindow(QStringLiteral("PrintDatabase")), Report(Entry) {}

int PrintDatabaseWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    BuildProgressWindow(QStringLiteral("Printing Software Database"), false);
    Walk(ArcKey::KeySoort);
    Entries.SkipMemos = true; // the list shows no description
    return Begin(Report.Layout);
}

// ---- starting ----------------------------------------------------------------------------

void PrintSelection(const QString& className) {
    (new PrintSelectionWindow(className))->Start();
}

void PrintSingleRecord(const QString& recordNumber) {
    (new PrintSingleRecordWindow(recordNumber))->Start();
}

void PrintDatabase() {
    (new PrintDatabaseWindow)->Start();
}
