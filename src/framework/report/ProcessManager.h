#pragma once

#include <QString>
#include <functional>
#include <vector>

// Reads the records of a view one by one for a report or a long pass and works out how far
// it has come. The percentage comes from the primary file's record count, or from the
// bytes read of the file's size when the count is not known; child processes are read
// through, record by record, after each record of their parent.
//
// A process reaches its view through the protected steps below: a procedure derives from
// it (or from a process over a file) and gives them.
class ProcessManager {
public:
    virtual ~ProcessManager() = default;

    // Before the first Next: the record count (or file size) for the percentage; the
    // counters cleared.
    virtual int Reset();
    // The next record: 0 read, 5 the view has ended, 3 an error (its message shown).
    // `count` adds the record to RecordsProcessed (and its bytes to BytesRead).
    virtual int Next(bool count = true);
    // Shows the percentage when it changed: the bar, and the text with "% Complete".
    void SetProgress(int percent);
    // Quick sequential reading of the primary file (and its related files) on or off.
    virtual int SetQuickScan(bool on) { return SetViewQuickScan(on); }
    virtual void Kill() {}

    qint64 BytesRead = 0;
    qint64 FileSize = 0; // used only when the record count is 0
    size_t ChildRead = 0;
    std::vector<ProcessManager*> Children;
    int Percent = 0;
    std::function<void(int)> Percentile;       // receives the percentage
    std::function<void(const QString&)> PText; // the progress text control
    qint64 RecordsProcessed = 0;
    qint64 RecordsToProcess = 0;

protected:
    // ---- the view --------------------------------------------------------------------
    // Positions before the first record.
    virtual int ResetView() = 0;
    // Reads the next record: 0, 5 at the end, 3 on an error (with its message shown).
    virtual int ReadView() = 0;
    virtual qint64 PrimaryRecords() = 0;
    virtual qint64 PrimaryBytes() { return 0; }
    // Bytes of the record just read.
    virtual qint64 RecordBytes() { return 0; }
    virtual int SetViewQuickScan(bool) { return 0; }

private:
    bool isChild_ = false;
};
