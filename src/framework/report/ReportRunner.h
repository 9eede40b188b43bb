#pragma once

#include "framework/report/PageStore.h"
#include "framework/report/ProcessManager.h"
#include "framework/report/ReportLayout.h"
#include "framework/report/ReportWriter.h"
#include "framework/window/WindowController.h"

#include <QElapsedTimer>
#include <functional>
#include <memory>

class BusyCursor;
class PrintPreview;

// Runs a report: a small progress window whose timer reads the process's records in
// slices, prints each record through TakeRecord into pages, and at the end shows the pages
// in the print preview, from which the user prints or leaves.
//
// The slices adapt to the time they take: a batch of RecordsPerCycle records (1 at first)
// is doubled while a batch takes under 4/5 of TimeSlice, further batches run in the same
// tick while under half of it, and the batch is halved after a tick over 3/2 of it.
//
// A report procedure derives from it: its Init calls WindowController::Init, builds the
// progress window (BuildProgressWindow), its layout and its process, calls
// ReportRunner::Init, then Open. It overrides TakeRecord when a record needs more than
// the layout's detail band.
class ReportRunner : public WindowController {
public:
    // Controls of the progress window.
    enum ProgressControl {
        ProgressBar = 1,
        ProgressText = 2,
        StatusText = 3,
        PauseButton = 4,
        CancelButton = 5,
    };

    explicit ReportRunner(const QString& procedureName);
    ~ReportRunner() override;

    using WindowController::Init;
    // Links the process to the progress window and starts the timer. `preview` may be
    // null: the pages then go to the printer without one. A preview without settings gets
    // the window's, and the procedure's name as the name of a saved PDF file.
    int Init(ProcessManager& process, const ReportLayout& report, PrintPreview* preview);
    // The progress window: caption "Progress...", the bar, "0% Complete", the status
    // text when given, "&Pause" when `pausable`, and "&Cancel" (response 2).
    void BuildProgressWindow(const QString& status = {}, bool pausable = true);

    void Ask() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeCloseEvent() override;
    int TakeWindowEvent() override;

    virtual int OpenReport();
    // Prints the current record; 0 goes on, 3 ends the report, 5 ends this tick. By
    // default the layout's detail band (with its groups).
    virtual int TakeRecord();
    virtual void TakeNoRecords();
    // With a preview and a completed report: shows the pages, or prints them at once with
    // SkipPreview; then the pages are discarded.
    virtual void EndReport();
    // The process's next record: 0; 5 the end after some records (response 1); 3 an error
    // or a view without records (response 2). Both of those ask to close the window.
    // With an ErrorNote, an error after some records ends the report with that note
    // printed under them instead, and they go to the preview (response 1).
    int Next();

    QString ErrorNote; // none: a read error ends the report as cancelled
    bool DeferOpenReport = false;
    int DeferWindow = 0; // seconds before the progress window shows; 0 at once
    bool KeepVisible = false;
    bool OpenFailed = false;
    bool Paused = false;
    PrintPreview* Preview = nullptr;
    PageStore PreviewQueue;
    ProcessManager* Process = nullptr;
    qint64 RecordsPerCycle = 1;
    const ReportLayout* Report = nullptr;
    std::unique_ptr<ReportWriter> Writer;
    bool SkipPreview = false;
    qint64 StartTime = 0; // milliseconds, by Clock
    int TimeSlice = 100;  // hundredths of a second
    bool WaitCursor = false;
    int Zoom = 0;
    bool Printed = false; // the pages went to a printer or a file

    // Milliseconds from a fixed point: the clock the slices are timed by.
    std::function<qint64()> Clock;
    // Milliseconds between timer ticks while running.
    int TickInterval = 10;

private:
    void togglePause();
    void showProgressWindow();
    void discardPages();

    QElapsedTimer since_;
    int savedInterval_ = 0;
    std::unique_ptr<BusyCursor> busy_;
};
