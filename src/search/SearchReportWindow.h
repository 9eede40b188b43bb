#pragma once

#include "framework/report/PageStore.h"
#include "framework/window/WindowController.h"
#include "search/ResultList.h"

class PreviewPages;

// The preview of a search's report, "Search Results": one page at a time from the first,
// the next and the previous page, all pages to the printer, the pages saved as a PDF file,
// or Cancel. A printer that fails or a file that cannot be written is said in a message and
// the preview stays open. Its place is kept under "SearchReport".
class SearchReportWindow : public WindowController {
public:
    enum Control {
        Pages = 1,
        PageText,
        NextButton,
        PreviousButton,
        PrintButton,
        SavePdfButton,
        CancelButton,
    };

    SearchReportWindow(PageStore& pages, const QString& title);

    int Init() override;
    int TakeAccepted() override;

    void GoToPage(int page);
    int CurrentPage() const { return page_; }
    void Print();
    void SavePdf();

    bool Printed = false; // the pages went to the printer

private:
    void message(const QString& text);

    PageStore& pages_;
    QString title_;
    PreviewPages* view_ = nullptr;
    int page_ = 1;
};

namespace search {

// Prints the matches in the order `list` has now, headed by the search they answer, and
// shows them in the "Search Results" preview, on the caller's thread until it closes.
// True when they were printed.
bool SearchReport(const ResultList& list, qint32 from, qint32 till, const QString& phrase,
                  const QString& subjectLabel);

} // namespace search
