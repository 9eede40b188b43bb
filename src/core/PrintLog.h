#pragma once

#include "core/LogbookReport.h"
#include "framework/report/PrintPreview.h"
#include "framework/report/ReportRunner.h"

// The logbook report: every session by date and log-in time, behind the progress window,
// into the preview. It reads Log through a view of its own into a record of its own, so the
// logbook window keeps its highlighted entry meanwhile.
class PrintLogWindow : public ReportRunner {
public:
    PrintLogWindow();
    int Init() override;
    int Kill() override;

    ProcessManager Entries;
    LogRecord Entry;
    LogbookReport Report;
    PrintPreview Pages;

private:
    bool opened_ = false;
};

// Starts the logbook report on a thread number of its own.
void PrintLog();
