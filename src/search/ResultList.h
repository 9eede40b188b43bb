#pragma once

#include "search/TextColumn.h"

#include <QString>
#include <array>
#include <vector>

// The matches of a search (SearchResultQueue): one row per matching archive entry, numbered
// 1, 2, 3 ... in record order with 32 bits, so that a search with more matches than 16 bits
// hold never repeats a number. The texts are read from the search index's columns, which
// the list shares, so that a list of half a million rows is made without copying texts.
namespace search {

// The list's columns, in the order of the results window.
enum class ResultColumn { Nr, CdNr, DiskNr, Name, FileName, Date, Time, Producer, Remarks };
inline constexpr int ResultColumns = 9;

class ResultList {
public:
    enum TextField { Name, File, Producer, Remarks, TextFields };
    static constexpr int ProducerShown = 30;

    struct Row {
        quint32 nr = 0;        // SEA:NR
        quint32 archiveNr = 0; // SEA:ARCHIVENR, the entry's ARC:NR
        quint16 cdNr = 0;
        quint16 diskNr = 0;
        qint32 date = 0;
        qint32 time = 0;
        std::array<quint32, TextFields> text{}; // numbers in the columns
        std::array<quint32, TextFields> rank{}; // order of the texts, once sorted
    };

    using Columns = std::array<std::shared_ptr<const TextColumn>, TextFields>;

    ResultList() = default;
    ResultList(Columns columns, std::vector<Row> rows);

    size_t records() const { return rows_.size(); }
    // Tells lists apart: every list made by a search has a number of its own.
    quint64 serial() const { return serial_; }
    bool empty() const { return rows_.empty(); }
    const Row& row(size_t position) const { return rows_[position]; }
    // SEA:CDISKNAME, SEA:PRGNAME, SEA:PRODUCER (cut to 30 characters), SEA:REMARKS.
    QString text(size_t position, TextField field) const;
    std::string_view written(size_t position, TextField field) const;
    void free();

    // Sorts by keys, each a column and a direction; the entry number decides last.
    struct Key {
        ResultColumn column;
        bool descending;
    };
    void sort(const std::vector<Key>& keys);

private:
    void rank();

    Columns columns_;
    std::vector<Row> rows_;
    bool ranked_ = false;
    quint64 serial_ = 0;
};

// The order a list starts in: name, file name, date and time newest first, producer.
std::vector<ResultList::Key> startingOrder();
// The order of a header click: the column descending (Date and Time ascending) while its
// toggle is clear, the other way when set, then the column's further keys.
std::vector<ResultList::Key> headerOrder(ResultColumn column, bool toggled);

// Adds rows to a list as they are read, each with texts of its own: for a pass that makes
// one list and no index.
class ResultBuilder {
public:
    ResultBuilder();
    void add(quint32 archiveNr, quint16 cdNr, quint16 diskNr, qint32 date, qint32 time,
             std::string_view name, std::string_view file, std::string_view producer,
             std::string_view remarks);
    ResultList take();

private:
    std::array<std::shared_ptr<TextColumn>, ResultList::TextFields> columns_;
    std::vector<ResultList::Row> rows_;
};

} // namespace search
