#pragma once

#include "framework/report/PrintPreview.h"
#include "framework/report/ProcessManager.h"
#include "framework/report/ReportRunner.h"
#include "framework/textview/TextFile.h"

#include <deque>

class TextViewer;

// The lines of a text file as the records of a report, read in blocks.
class TextLineProcess : public ProcessManager {
public:
    TextLineProcess(TextFile& file, qint64 first, qint64 last);
    // The line just read, as a row of the viewer shows it.
    const QString& Line() const { return line_; }

protected:
    int ResetView() override;
    int ReadView() override;
    qint64 PrimaryRecords() override { return last_ - first_ + 1; }
    int SetViewQuickScan(bool) override { return 0; }

private:
    TextFile& file_;
    qint64 first_, last_, next_ = 0;
    std::deque<QString> ahead_;
    QString line_;
};

// Prints lines `first` to `last` of a text file: the window "Printing" with its progress
// over the lines, one report line per file line, then the print preview when asked for
// (printed only when the user chooses to), otherwise straight to the printer.
class TextPrinter : public ReportRunner {
public:
    TextPrinter(const QString& fileName, int lineSize, qint64 first, qint64 last, bool preview);

    // The printer of a text viewer: the range from "Print Options", then the printing.
    static void Print(TextViewer& viewer);

    int Init() override;
    int Kill() override;
    int TakeRecord() override;

    ReportLayout Layout;
    PrintPreview Pages;

private:
    QString fileName_;
    TextFile file_;
    TextLineProcess lines_;
    qint64 first_, last_;
    QString line_;
};
