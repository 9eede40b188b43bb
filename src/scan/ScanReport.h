#pragma once

#include "core/Globals.h"
#include "framework/report/PageStore.h"
#include "framework/report/ReportLayout.h"

#include <QString>
#include <vector>

// The scan list on paper: a page header with the date, the time and "Content of Dir : "
// with the directory, the column titles, one line per row of the list as it is ordered,
// and the page number at the foot of every page.
class ScanReportPages {
public:
    // `directory` is cut to 32 characters, as the window hands it over.
    ScanReportPages(const QString& directory, qint32 date, qint32 time);

    // Lays out every row into `pages`; false when a page could not be kept (the store
    // says why).
    bool Write(const std::vector<ScanFileEntry>& rows, PageStore& pages);

    const QString& Heading() const { return heading_; }
    ReportLayout Layout;

private:
    QString heading_;
    qint32 date_;
    qint32 time_;
    const ScanFileEntry* row_ = nullptr;
};

// Prints the scan list of the directory the user looks at: lays out all pages, then shows
// them in their own preview; returns when the preview closes.
void ScanReport(const QString& directory);
