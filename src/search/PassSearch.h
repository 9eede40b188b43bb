#pragma once

#include "search/ArchiveScan.h"
#include "search/ResultList.h"
#include "search/SearchIndex.h"

#include <optional>

// A search that reads the archive once, record by record, and keeps no index: for a run
// that searches once and ends.
namespace search {

struct Question {
    Subject subject = Subject::None;
    QString phrase;  // for the phrase subjects
    qint32 from = 0; // for Date: day numbers, 0 = not given
    qint32 till = 0;
};

// The matches in record order, numbered from 1; nullopt on a read error (scan.error()).
std::optional<ResultList> searchByReading(ArchiveScan& scan, const Question& question);

} // namespace search
