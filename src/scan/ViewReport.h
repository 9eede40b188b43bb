#pragma once

#include "framework/report/PageStore.h"
#include "framework/window/WindowController.h"

class PreviewPages;

// The preview of the scan list: one page at a time with "Next Page" and "Previous page",
// "Print Report" sends every page to the program's printer and closes, "Save as PDF..."
// writes them to a file and stays, "Cancel" closes without printing.
class ViewReport : public WindowController {
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

    // `title` is the window's title; `documentName` the proposed name of a saved PDF file.
    ViewReport(PageStore& pages, const QString& title, const QString& documentName);
    ~ViewReport() override;

    int Init() override;
    int TakeAccepted() override;

    void NextPage();
    void PreviousPage();
    // True when every page went to the printer.
    bool PrintReport();
    // True when the file was written.
    bool SavePdf();

    int PageShown() const { return page_; }
    bool Printed() const { return printed_; }

private:
    void show();
    void message(const QString& text);

    PageStore& pages_;
    QString title_;
    QString documentName_;
    PreviewPages* view_ = nullptr;
    int page_ = 1;
    bool printed_ = false;
};
