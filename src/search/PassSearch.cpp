#include "search/PassSearch.h"

#include "search/Folding.h"

#include <cstring>
#include <limits>

namespace search {

std::optional<ResultList> searchByReading(ArchiveScan& scan, const Question& q) {
    ResultBuilder hits;
    const std::string phrase = phraseOf(q.phrase);
    const bool dates = q.subject == Subject::Date;
    if (q.subject == Subject::None || (dates ? q.from == 0 && q.till == 0 : phrase.empty()))
        return hits.take();
    const qint32 low = q.from != 0 ? q.from : std::numeric_limits<qint32>::min();
    const qint32 high = q.till != 0 ? q.till : std::numeric_limits<qint32>::max();
    const bool descriptions = q.subject == Subject::Description;
    std::string folded;
    qint64 after = 0, read;
    do {
        read = scan.read(after, 50000, descriptions, [&](const ScanRow& r) {
            after = r.record;
            bool match;
            if (dates) {
                match = r.date >= low && r.date <= high;
            } else {
                const std::string_view field = q.subject == Subject::Name       ? r.name
                                               : q.subject == Subject::FileName ? r.file
                                               : q.subject == Subject::Producer ? r.producer
                                               : q.subject == Subject::Remarks  ? r.remarks
                                                                                : r.description;
                folded.clear();
                fold(field.data(), field.size(), folded);
                match = folded.size() >= phrase.size() &&
                        memmem(folded.data(), folded.size(), phrase.data(), phrase.size());
            }
            if (match)
                hits.add(r.nr, r.cdNr, r.diskNr, r.date, r.time, r.name, r.file, r.producer,
                         r.remarks);
        });
        if (read < 0) return std::nullopt;
    } while (read == 50000);
    return hits.take();
}

} // namespace search
