#pragma once

#include "core/Dictionary.h"
#include "framework/report/ReportLayout.h"

// The pages of the producer list: one line per producer with its name, website, support
// address and telephone, each cut to 30 characters. Landscape paper gives every column
// room for its 30 characters. It prints the producer in the record it is given; the report
// date and time are taken when it is made.
class ProducerReport {
public:
    explicit ProducerReport(const PrdRecord& entry);

    const PrdRecord& Entry;
    ReportLayout Layout;
    qint32 Date = 0, Time = 0;
};
