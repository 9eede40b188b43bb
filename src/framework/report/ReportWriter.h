#pragma once

#include "framework/report/PageStore.h"
#include "framework/report/ReportLayout.h"

#include <optional>

class TextMeasure;

// Prints bands of a layout into pages: starts a page with its header when a band does not
// fit on the current one, ends it with its footer, and hands each finished page to the
// store. The values of a band are taken when the band is printed.
class ReportWriter {
public:
    // Gives the store the layout's fonts and paper.
    ReportWriter(const ReportLayout& layout, PageStore& pages);
    ReportWriter(const ReportWriter&) = delete;
    ReportWriter& operator=(const ReportWriter&) = delete;

    // The headers of the groups whose values changed, then the detail band.
    bool PrintDetail();
    bool Print(const Band& band);
    // Ends the current page (footer), so that the next band starts a new one.
    bool EndPage();
    // Ends the last page; a report that printed nothing has no page.
    bool Close();

    // The page being printed (1 for the first); 0 before the first.
    int PageNumber() const { return page_; }
    // A page could not be kept: nothing more is printed (the store says why).
    bool Failed() const { return failed_; }

    void SetMeasure(TextMeasure& measure) { measure_ = &measure; }

private:
    struct Piece {
        PageUnits height = 0;
        std::vector<PageItem> items; // relative to the piece's top
    };
    std::vector<Piece> piecesOf(const Band& band);
    void place(const BandItem& item, PageUnits dy, Piece& piece);
    bool startPage();
    bool fits(PageUnits height) const { return y_ + height <= bodyBottom(); }
    PageUnits bodyBottom() const;
    void putBand(const Band& band, PageUnits top);
    void put(const Piece& piece);
    QString textOf(const BandItem& item) const;

    const ReportLayout& layout_;
    PageStore& pages_;
    TextMeasure* measure_;
    Page current_;
    bool open_ = false;
    bool failed_ = false;
    int page_ = 0;
    PageUnits y_ = 0;
    std::vector<std::optional<FieldValue>> groupValues_;
};
