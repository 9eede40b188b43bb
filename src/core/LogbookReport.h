#pragma once

#include "core/Dictionary.h"
#include "framework/report/ReportLayout.h"

// The pages of the logbook report: one line per session, under the heads "Name", "Date",
// "IdNr", "Login Time" and "Log Out Time". It prints the entry in the record it is given
// (the report reads into a record of its own, so an open logbook window keeps its own).
// The date and time are taken once, when the report is made, and printed on every page.
class LogbookReport {
public:
    explicit LogbookReport(const LogRecord& entry);

    const LogRecord& Entry;
    ReportLayout Layout;
    qint32 Date = 0, Time = 0;
};
