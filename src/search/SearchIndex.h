#pragma once

#include "search/ArchiveScan.h"
#include "search/ResultList.h"
#include "search/TextColumn.h"
#include "search/Trigrams.h"

#include <array>
#include <functional>
#include <vector>

// The archive held in memory for searching: the searched fields of every entry in their
// searchable form, each field's distinct texts once, a three-byte index over the larger
// fields, and what the results show. It answers what reading every record in record order
// would: the same entries in the same order. Built at the first refresh, then kept true by
// reading again only what changed since (by this program or another station).
namespace search {

// The subjects of a search, numbered as the search window's choice.
enum class Subject : int { None = 0, Name, FileName, Date, Producer, Remarks, Description };
// "Name", "File name", "Date", "Producer", "Remarks", "Description"; empty for None.
QString subjectLabel(Subject subject);

class SearchIndex {
public:
    // Texts per field: CDiskNaam, Naam, Producer, Opmerkingen, Omschrijving.
    enum Field { Name, File, Producer, Remarks, Description, Fields };

    SearchIndex();

    // Called with the records read so far and the number of records while building.
    using Progress = std::function<void(qint64 done, qint64 total)>;
    // Brings the index up to date; false with scan.error() on a read error.
    bool refresh(ArchiveScan& scan, const Progress& progress = {});
    bool built() const { return built_; }
    void clear();

    size_t entries() const { return entries_.record.size(); }
    size_t bytes() const;

    // The entries (positions, in record order) whose field holds the phrase, already in
    // searchable form (see phraseOf); an empty phrase finds nothing.
    void find(Subject subject, std::string_view phrase, std::vector<quint32>& hits) const;
    // The entries dated in the range: from only, till only (undated entries count as earlier
    // than every date), or both; nothing when neither is given.
    void findDates(qint32 from, qint32 till, std::vector<quint32>& hits) const;
    // The result list of hits, numbered from 1 in the order given.
    ResultList results(const std::vector<quint32>& hits) const;

private:
    struct Column {
        TextColumnPtr texts;
        Trigrams trigrams;
        quint32 indexedAt = 0; // texts when last compacted
    };
    struct Entries {
        std::vector<qint64> record;
        std::vector<quint32> change, nr;
        std::vector<quint16> cdNr, diskNr;
        std::vector<qint32> date, time;
        std::array<std::vector<quint32>, Fields> text;
        void reserve(size_t n);
        void clear();
        void add(const ScanRow& row, const std::array<quint32, Fields>& texts);
        void copy(const Entries& from, size_t at);
        size_t bytes() const;
    };

    bool build(ArchiveScan& scan, const Progress& progress);
    bool update(ArchiveScan& scan);
    bool sameRow(size_t at, const ScanRow& row) const;
    TextColumn& writable(Field field);
    void compact(Field field);
    void index(Field field);
    void matchingTexts(Field field, std::string_view phrase, std::vector<quint64>& bits) const;

    bool built_ = false;
    ArchiveScan::Version version_;
    std::array<Column, Fields> columns_;
    Entries entries_;
};

} // namespace search
