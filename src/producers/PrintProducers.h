#pragma once

#include "framework/report/PrintPreview.h"
#include "framework/report/ReportRunner.h"
#include "producers/ProducerReport.h"

// The producer list printed in name order, on a thread number of its own behind its
// progress window, which keeps its place under "PrintProducers". It reads Prd through a
// view of its own, so the producer list keeps its record.
class PrintProducersWindow : public ReportRunner {
public:
    PrintProducersWindow();
    int Init() override;
    int Kill() override;

    ProcessManager Entries;
    PrdRecord Entry;
    ProducerReport Report;
    PrintPreview Pages;

private:
    bool opened_ = false;
};

void PrintProducers();
