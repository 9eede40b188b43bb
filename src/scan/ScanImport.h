#pragma once

#include "core/Globals.h"
#include "scan/ScanNumbers.h"

#include <QString>
#include <vector>

// Scanned files made archive entries, a slice at a time: each slice is one transaction of
// the archive, so that the windows stay responsive between slices and a process that ends
// on the way leaves every entry of the slices done whole and nothing of the slice it was in.
// A file whose name is catalogued already (on any CD or disk) is replaced, added beside the
// entry found, or left, as the duplicate answer says; while it is 0 the user is asked.
// Runs on the thread of the windows: nothing is shown from inside a transaction, the
// caller shows the question and the notices between slices.
class ScanImport {
public:
    enum Duplicates { Ask = 0, ReplaceAll = 1, AddBeside = 2 };
    enum class State { Working, Question, Done };
    // The buttons of the duplicate question, by position.
    enum QuestionButton { Yes = 1, YesToAll = 2, NoToAll = 3 };
    static constexpr const char* QuestionButtons = "&Yes|Yes to &All|&No to All";

    struct Notice {
        QString caption;
        QString text;
    };

    // `files` are rows of ScanFileQueue that are not directories. `contentRequest` takes the
    // text content of the first file also when the scan does not read content.
    ScanImport(const ScanSource& source, const ScanNumbers& numbers,
               std::vector<ScanFileEntry> files, bool contentRequest = false);

    // Imports files until `milliseconds` have passed, a slice is full, or a duplicate waits
    // for an answer, and commits them. The archive file must be open.
    State step(int milliseconds);
    // Runs the import to its end; duplicates get `unanswered` when the answer is 0.
    void runAll(int unanswered = NoToAll);

    // The question for the duplicate in wait, with its CR LF line breaks.
    QString question() const;
    // A QuestionButton, or anything else for a question closed otherwise (the file is left).
    void answer(int button);
    // No further slice starts; what is committed stays.
    void cancel() { cancelled_ = true; }

    size_t total() const { return files_.size(); }
    // Counts of committed slices: file rows handled (whatever came of them), entries
    // inserted, entries replaced, and files the user declined with "No to All".
    qint64 handled() const { return handled_; }
    qint64 inserted() const { return inserted_; }
    qint64 replaced() const { return replaced_; }
    qint64 declined() const { return declined_; }
    bool done() const { return done_; }
    bool cancelled() const { return cancelled_; }
    // Why the import stopped before its end; empty when it did not.
    const QString& failure() const { return failure_; }
    // Messages for the user gathered by the slices; the caller shows them.
    std::vector<Notice> takeNotices();
    int duplicates() const { return duplicates_; }

    // At most this many files per transaction; a slice's time mostly ends it sooner. Every
    // commit waits for the disk, so fewer and larger slices import faster.
    static constexpr int MostPerSlice = 20000;

private:
    enum class Outcome { Inserted, Replaced, Declined, Left, Failed, Ask, Stop };
    struct Slice {
        qint64 handled = 0, inserted = 0, replaced = 0, declined = 0;
        std::vector<Notice> notices;
    };

    Outcome importOne(const ScanFileEntry& row, Slice& slice);
    bool fill(const ScanFileEntry& row, Slice& slice);
    Outcome write(bool replace, Slice& slice);
    void stop(const QString& why);

    ScanSource source_;
    // The host folder of the scanned drive, looked up once a slice: every look-up reads the
    // settings file. Empty when the drive is not ready.
    QString driveFolder_;
    ScanNumbers numbers_;
    std::vector<ScanFileEntry> files_;
    size_t next_ = 0;
    bool contentRequest_;
    int duplicates_ = Ask;
    int rowAnswer_ = 0; // the answer to the question about files_[next_]; 0 none
    ArchiefRecord found_;
    bool waiting_ = false;
    bool cancelled_ = false;
    bool done_ = false;
    qint64 handled_ = 0, inserted_ = 0, replaced_ = 0, declined_ = 0;
    qint64 busySince_ = 0;
    QString failure_;
    std::vector<Notice> notices_;
};
