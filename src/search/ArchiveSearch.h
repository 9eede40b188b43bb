#pragma once

#include "search/PassSearch.h"
#include "search/SearchIndex.h"

#include <optional>

namespace store {
class StoreFile;
}

// The program's searches of the archive: one index for the process, brought up to date
// before each search.
namespace search {

SearchIndex& archiveIndex();

// The matches of a question in record order, numbered from 1; nullopt with `error` set when
// the archive could not be read. `progress` is told while the index is being built.
std::optional<ResultList> searchArchive(store::StoreFile& archief, const Question& question,
                                        const SearchIndex::Progress& progress, QString& error);

} // namespace search
