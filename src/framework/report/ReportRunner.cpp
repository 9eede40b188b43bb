#include "framework/report/ReportRunner.h"

#include "framework/host/Host.h"
#include "framework/report/PrintPreview.h"
#include "framework/report/PrintService.h"
#include "framework/window/BusyCursor.h"

#include <QLabel>
#include <QProgressBar>

ReportRunner::ReportRunner(const QString& procedureName) : WindowController(procedureName) {
    since_.start();
    Clock = [this] { return since_.elapsed(); };
}

ReportRunner::~ReportRunner() = default;

void ReportRunner::BuildProgressWindow(const QString& status, bool pausable) {
    SetTitle(QStringLiteral("Progress..."));
    Window().setResizable(false);
    auto* bar = new QProgressBar;
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setMinimumWidth(260);
    int row = 0;
    C().custom(ProgressBar, bar).at(row++, 0, 1, 2);
    C().prompt(ProgressText, QStringLiteral("0% Complete")).at(row++, 0, 1, 2);
    static_cast<QLabel*>(C().widget(ProgressText))->setAlignment(Qt::AlignCenter);
    if (!status.isEmpty()) {
        C().prompt(StatusText, status).at(row++, 0, 1, 2);
        static_cast<QLabel*>(C().widget(StatusText))->setAlignment(Qt::AlignCenter);
    }
    if (pausable) C().button(PauseButton, QStringLiteral("&Pause")).at(row, 0);
    C().button(CancelButton, QStringLiteral("&Cancel"))
        .at(row, pausable ? 1 : 0, 1, pausable ? 1 : 2);
    AddButton(CancelButton, RequestCancelled);
}

int ReportRunner::Init(ProcessManager& process, const ReportLayout& report, PrintPreview* preview) {
    Process = &process;
    Report = &report;
    Preview = preview;
    if (Preview) {
        if (!Preview->IniMgr) Preview->IniMgr = Settings;
        if (Preview->DocumentName.isEmpty()) Preview->DocumentName = ProcedureName;
    }
    Process->Percentile = [this](int percent) {
        if (auto* bar = qobject_cast<QProgressBar*>(C().widget(ProgressBar)))
            bar->setValue(percent);
    };
    Process->PText = [this](const QString& text) {
        if (C().find(ProgressText)) C().SetText(ProgressText, text);
    };
    SetTimer(TickInterval);
    return LevelBenign;
}

void ReportRunner::Ask() {
    if (DeferWindow) {
        if (WaitCursor) busy_ = std::make_unique<BusyCursor>();
        StartTime = Clock();
        TopLevel().hide();
    }
    WindowController::Ask();
}

int ReportRunner::Kill() {
    busy_.reset();
    discardPages();
    if (Process) {
        Process->Percentile = nullptr;
        Process->PText = nullptr;
    }
    return WindowController::Kill();
}

void ReportRunner::showProgressWindow() {
    busy_.reset();
    TopLevel().show();
}

void ReportRunner::discardPages() {
    Writer.reset();
    PreviewQueue.Clear();
}

int ReportRunner::OpenReport() {
    Process->Reset();
    if (const int level = Next(); level != LevelBenign) {
        TakeNoRecords();
        return level;
    }
    OpenFailed = false;
    Writer = std::make_unique<ReportWriter>(*Report, PreviewQueue);
    return LevelBenign;
}

void ReportRunner::TakeNoRecords() {
    if (Errors) Errors->Throw(MsgNoRecords);
    OpenFailed = true;
}

int ReportRunner::Next() {
    const int level = Process->Next(true);
    if (level == LevelBenign) return LevelBenign;
    if (level == LevelNotify && Process->RecordsProcessed > 0) {
        SetResponse(RequestCompleted);
        return LevelNotify;
    }
    if (level != LevelNotify && !ErrorNote.isEmpty() && Writer && Process->RecordsProcessed > 0) {
        // What was printed so far, marked as ending early.
        const PageUnits line = Report->LineHeight(0);
        Band note(2 * line);
        note.Text(0, line, Report->BodyWidth(), ErrorNote);
        if (Writer->Print(note)) {
            SetResponse(RequestCompleted);
            return LevelFatal;
        }
    }
    SetResponse(RequestCancelled);
    return LevelFatal;
}

int ReportRunner::TakeRecord() {
    if (Writer && Writer->PrintDetail()) return LevelBenign;
    Host::instance().message(PreviewQueue.Error(), QStringLiteral("Wareloft"), Icon::Exclamation,
                             ButtonOk, ButtonOk);
    return LevelFatal;
}

int ReportRunner::TakeAccepted() {
    if (Field() == PauseButton && C().find(PauseButton)) {
        togglePause();
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

void ReportRunner::togglePause() {
    if (!Paused) {
        savedInterval_ = TimerInterval();
        SetTimer(0);
        C().SetText(PauseButton, QStringLiteral("Restart"));
    } else {
        SetTimer(savedInterval_);
        C().SetText(PauseButton, QStringLiteral("Pause"));
    }
    Paused = !Paused;
}

int ReportRunner::TakeWindowEvent() {
    switch (Event().Kind) {
    case EventKind::OpenWindow:
        if (!Inited && !DeferOpenReport) OpenReport();
        break;
    case EventKind::Timer: {
        if (Paused) return LevelNotify;
        if (DeferOpenReport) {
            DeferOpenReport = false;
            OpenReport();
        }
        if (OpenFailed) return LevelFatal;
        if (DeferWindow && Clock() - StartTime > DeferWindow * 1000LL) {
            showProgressWindow();
            DeferWindow = 0;
        }
        const qint64 slice = TimeSlice * 10LL; // milliseconds
        const qint64 tickStart = Clock();
        bool going = Writer != nullptr;
        while (going) {
            const qint64 batchStart = Process->RecordsProcessed;
            while (going && Process->RecordsProcessed - batchStart < RecordsPerCycle) {
                const int took = TakeRecord();
                if (took == LevelFatal) {
                    SetTimer(0);
                    Post(windowEvent(EventKind::CloseWindow));
                    going = false;
                } else if (took == LevelNotify) {
                    going = false;
                } else if (Next() != LevelBenign) {
                    SetTimer(0);
                    going = false;
                }
            }
            if (!going) break;
            const qint64 elapsed = Clock() - tickStart;
            if (elapsed * 5 < slice * 4) RecordsPerCycle *= 2;
            going = elapsed * 2 < slice;
        }
        if ((Clock() - tickStart) * 2 > slice * 3 && RecordsPerCycle > 1) RecordsPerCycle /= 2;
        break;
    }
    default:
        break;
    }
    return WindowController::TakeWindowEvent();
}

int ReportRunner::TakeCloseEvent() {
    if (Event().Kind == EventKind::CloseWindow && !Dead) {
        SetTimer(0);
        busy_.reset();
        if (!KeepVisible) TopLevel().hide();
        EndReport();
        discardPages();
    }
    return WindowController::TakeCloseEvent();
}

void ReportRunner::EndReport() {
    if (Response != RequestCompleted || !Writer) return;
    if (!Writer->Close()) {
        Host::instance().message(PreviewQueue.Error(), QStringLiteral("Wareloft"),
                                 Icon::Exclamation, ButtonOk, ButtonOk);
        return;
    }
    if (Preview && !SkipPreview) {
        Printed = Preview->Display(PreviewQueue, Zoom);
        return;
    }
    QString error;
    Printed = PrintService::Print(PreviewQueue, PageSelection::All(PreviewQueue.Count()),
                                  PrintService::Printer(), error);
    if (!Printed)
        Host::instance().message(error, QStringLiteral("Wareloft"), Icon::Exclamation, ButtonOk,
                                 ButtonOk);
}
