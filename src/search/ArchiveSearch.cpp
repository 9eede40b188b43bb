#include "search/ArchiveSearch.h"

#include "search/Folding.h"

namespace search {

SearchIndex& archiveIndex() {
    static SearchIndex index;
    return index;
}

std::optional<ResultList> searchArchive(store::StoreFile& archief, const Question& q,
                                        const SearchIndex::Progress& progress, QString& error) {
    ArchiveScan scan(archief);
    SearchIndex& index = archiveIndex();
    if (!index.refresh(scan, progress)) {
        error = scan.error();
        return std::nullopt;
    }
    std::vector<quint32> hits;
    if (q.subject == Subject::Date)
        index.findDates(q.from, q.till, hits);
    else
        index.find(q.subject, phraseOf(q.phrase), hits);
    return index.results(hits);
}

} // namespace search
