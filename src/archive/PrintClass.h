#pragma once

#include "archive/ClassReport.h"
#include "framework/report/PrintPreview.h"
#include "framework/report/ReportRunner.h"

// The class list printed: every class in name order, "Everything" too, on a thread number
// of its own behind its progress window, which keeps its place under "PrintClass". It
// reads SoortTabel through a view of its own, so the class list keeps its record.
class PrintClassWindow : public ReportRunner {
public:
    PrintClassWindow();
    int Init() override;
    int Kill() override;

    ProcessManager Entries;
    SoortTabelRecord Entry;
    ClassReport Report;
    PrintPreview Pages;

private:
    bool opened_ = false;
};

void PrintClass();
