#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"
#include "search/SearchIndex.h"

class QProgressBar;

// The window "Extended Search": a phrase in one field of the archive entries, or a range of
// file dates; the matches go to SearchResultQueue and into the results window.
class SearchWindow : public WindowController {
public:
    enum Control {
        SubjectGroup = 1,
        FirstSubject = 2, // "&Name" .. "&Description": 2 .. 7, subjects 1 .. 6
        FromCalendar = 10,
        FromPrompt,
        FromEntry,
        TillPrompt,
        TillEntry,
        TillCalendar,
        Progress,
        PhrasePrompt,
        PhraseEntry,
        GoButton,
        NewSearchButton,
        CancelButton,
    };

    SearchWindow();

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeWindowEvent() override;

    // Window state, open to tests.
    qint32 subject() const { return subject_; }
    quint32 recordsRead() const { return recordsRead_; }

private:
    void build();
    void showDates();
    void go();
    void search();
    void newSearch();
    void pickDate(qint32& date, qint32 start);
    void showProgress(qint64 done, qint64 total);

    qint32 subject_ = 0;
    Text phrase_{20};
    qint32 from_ = 0;
    qint32 till_ = 0;
    quint32 recordsRead_ = 0;
    QProgressBar* progress_ = nullptr;
};

// Opens the search window, or brings the open one forward.
void Search();
