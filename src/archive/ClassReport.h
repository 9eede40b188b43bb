#pragma once

#include "core/Dictionary.h"
#include "framework/report/ReportLayout.h"

// The pages of the class list: one line per class, "Everything" among them. It prints the
// class in the record it is given; the report date and time are taken when it is made.
class ClassReport {
public:
    explicit ClassReport(const SoortTabelRecord& entry);

    const SoortTabelRecord& Entry;
    ReportLayout Layout;
    qint32 Date = 0, Time = 0;
};
