#pragma once

#include <QString>
#include <vector>

// The pages a user chose to print, written as page numbers and ranges separated by commas:
// "1-3,5,8-" (a range without an end runs to the last page, "-4" from the first). Blanks
// are allowed anywhere; "1-" with the page count is every page.
class PageSelection {
public:
    struct Range {
        int first = 1;
        int last = 1;
        bool operator==(const Range&) const = default;
    };

    // Every page of a report of `pages` pages.
    static PageSelection All(int pages);
    // False for a text that is no selection of the report's pages, with a message for the
    // user in `error`: an unknown character, a page 0 or beyond the last page, a range
    // that runs backwards, or nothing chosen at all.
    static bool Parse(const QString& text, int pages, PageSelection& selection, QString& error);
    // The text "1-" followed by the page count.
    static QString DefaultText(int pages);

    // The chosen pages in the order written; a page named twice is printed once.
    std::vector<int> Pages() const;
    bool Contains(int page) const;
    const std::vector<Range>& Ranges() const { return ranges_; }

private:
    std::vector<Range> ranges_;
};
