#pragma once

#include "framework/report/PageStore.h"
#include "framework/report/ReportLayout.h"
#include "search/ResultList.h"

// The pages of a search's matches: the heading that names the search, then one line per
// match in the order the list has now. The report date and time are taken when it is
// made. Landscape paper gives each column room for what its picture shows.
namespace search {

class ResultReport {
public:
    ResultReport(const ResultList& list, const QString& heading);

    // Prints every match into `pages`; false, with the reason in `error`, when a page
    // could not be kept (nothing is left in `pages` then).
    bool Write(PageStore& pages, QString& error);

    const ResultList& List;
    QString Heading;
    ReportLayout Layout;
    qint32 Date = 0, Time = 0;

private:
    size_t row_ = 0; // the match being printed
};

} // namespace search
