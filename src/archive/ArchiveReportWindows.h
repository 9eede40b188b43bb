#pragma once

#include "archive/ArchiveReports.h"
#include "framework/report/PrintPreview.h"
#include "framework/report/ReportRunner.h"

// The archive's printed reports, each on a thread number of its own with its progress
// window, its place kept under its own name.
//
// A report reads Archief through a view of its own into a record of its own (with quick
// scanning), so the archive browse and an open form keep their record meanwhile. An entry
// that cannot be read ends the pass: what was printed before it goes to the preview, closed
// by a line that says the report ends early.
class ArchiveReportWindow : public ReportRunner {
public:
    int Kill() override;

    ProcessManager Entries; // the view of Archief the report walks
    ArchiefRecord Entry;    // what it reads into
    PrintPreview Pages;

protected:
    explicit ArchiveReportWindow(const QString& procedureName);
    // The view of Archief in `key` order, read into Entry; ranges may follow.
    void Walk(int key);
    // After the progress window and the view: the runner, quick scan; opens the window.
    int Begin(const ReportLayout& layout);

private:
    bool opened_ = false;
};

// The archive, or one class of it: "Everything" for the whole archive.
class PrintSelectionWindow : public ArchiveReportWindow {
public:
    explicit PrintSelectionWindow(const QString& className);
    int Init() override;
    int TakeRecord() override;

    SelectionReport Report;
};

// One entry by its record number, all its fields and its description. The texts for the
// medium, name and remarks come from the archive's record as it is when the window opens
// (the entry highlighted in the browse).
class PrintSingleRecordWindow : public ArchiveReportWindow {
public:
    explicit PrintSingleRecordWindow(const QString& recordNumber);
    int Init() override;

    SingleRecordReport Report;

private:
    quint32 number_;
};

// Every entry with all its columns, from the main frame.
class PrintDatabaseWindow : public ArchiveReportWindow {
public:
    PrintDatabaseWindow();
    int Init() override;

    DatabaseReport Report;
};

void PrintSelection(const QString& className);
void PrintSingleRecord(const QString& recordNumber);
void PrintDatabase();
