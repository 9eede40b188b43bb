#pragma once

#include "framework/browse/ViewManager.h"

#include <QString>
#include <functional>
#include <vector>

// Reads the records of a view one by one for a report or a long pass and works out how far
// it has come. The percentage comes from the records the view holds (counted by the engine),
// or from the bytes read of the file's size when there is no count; child processes are
// read through, record by record, after each record of their parent.
//
// It is a view (Init, AddSortOrder, AddRange, SetFilter as for a browse); a process over
// something other than a view gives the protected steps below instead.
class ProcessManager : public ViewManager {
public:
    // Before the first Next: the record count (or file size) for the percentage; the
    // counters cleared; the view positioned before its first record.
    virtual int Reset();
    // The next record: 0 read, 5 the view has ended, 3 an error (its message shown).
    // `count` adds the record to RecordsProcessed (and its bytes to BytesRead).
    virtual int Next(bool count = true);
    // Shows the percentage when it changed: the bar, and the text with "% Complete".
    void SetProgress(int percent);
    // Quick sequential reading of the primary file and its link-only related files.
    virtual int SetQuickScan(bool on) { return SetViewQuickScan(on); }

    qint64 BytesRead = 0;
    qint64 FileSize = 0; // used only when the record count is 0
    size_t ChildRead = 0;
    std::vector<ProcessManager*> Children;
    int Percent = 0;
    std::function<void(int)> Percentile;       // receives the percentage
    std::function<void(const QString&)> PText; // the progress text control
    qint64 RecordsProcessed = 0;
    qint64 RecordsToProcess = 0; // 0: counted at Reset

protected:
    // ---- what is read ----------------------------------------------------------------
    // Positions before the first record.
    virtual int ResetView();
    // Reads the next record: 0, 5 at the end, 3 on an error (with its message shown).
    virtual int ReadView();
    // The records the reads will give; the file's size in bytes when there is no count.
    virtual qint64 PrimaryRecords();
    virtual qint64 PrimaryBytes();
    // Bytes of the record just read.
    virtual qint64 RecordBytes() { return 0; }
    virtual int SetViewQuickScan(bool on);

private:
    bool isChild_ = false;
};
