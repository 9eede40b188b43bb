#include "search/ResultList.h"

#include "search/Folding.h"

#include <algorithm>
#include <atomic>
#include <bit>

namespace search {

namespace {

// SEA:PRODUCER holds 30 characters, without trailing blanks.
std::string_view producerShown(std::string_view text) {
    std::string_view cut = leftChars(text, ResultList::ProducerShown);
    while (!cut.empty() && cut.back() == ' ')
        cut.remove_suffix(1);
    return cut;
}

} // namespace

ResultList::ResultList(Columns columns, std::vector<Row> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {
    static std::atomic<quint64> made{0};
    serial_ = ++made;
}

std::string_view ResultList::written(size_t position, TextField field) const {
    const std::string_view text = columns_[field]->written(rows_[position].text[field]);
    return field == Producer ? producerShown(text) : text;
}

QString ResultList::text(size_t position, TextField field) const {
    const std::string_view text = written(position, field);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void ResultList::free() {
    rows_.clear();
    rows_.shrink_to_fit();
    columns_ = {};
    ranked_ = false;
    serial_ = 0;
}

// Each row gets, per text, the place of its text among the list's texts in key order, so
// that sorting compares numbers.
void ResultList::rank() {
    if (ranked_) return;
    for (int f = 0; f < TextFields; ++f) {
        const TextColumn& column = *columns_[f];
        std::vector<quint64> used((size_t(column.size()) + 63) / 64, 0);
        for (const Row& r : rows_)
            used[r.text[f] >> 6] |= quint64(1) << (r.text[f] & 63);
        std::vector<quint32> values;
        for (size_t w = 0; w < used.size(); ++w)
            for (quint64 bits = used[w]; bits; bits &= bits - 1)
                values.push_back(quint32(w * 64 + size_t(std::countr_zero(bits))));
        auto key = [&](quint32 v) {
            const std::string_view k = column.folded(v);
            return f == Producer ? producerShown(k) : k;
        };
        // The first sixteen bytes as numbers decide most comparisons.
        struct Sorted {
            quint64 high, low;
            quint32 value;
        };
        std::vector<Sorted> byKey;
        byKey.reserve(values.size());
        for (quint32 v : values) {
            const std::string_view k = key(v);
            quint64 part[2] = {0, 0};
            for (size_t i = 0; i < 16 && i < k.size(); ++i)
                part[i / 8] |= quint64(keyByte(static_cast<unsigned char>(k[i])))
                               << (8 * (7 - i % 8));
            byKey.push_back({part[0], part[1], v});
        }
        std::sort(byKey.begin(), byKey.end(), [&](const Sorted& a, const Sorted& b) {
            if (a.high != b.high) return a.high < b.high;
            if (a.low != b.low) return a.low < b.low;
            return compareFolded(key(a.value), key(b.value)) < 0;
        });
        // Texts equal in key order share a rank.
        std::vector<quint32> rankOf(column.size());
        quint32 r = 0;
        for (size_t i = 0; i < byKey.size(); ++i) {
            const Sorted& a = byKey[i];
            if (i > 0 && (a.high != byKey[i - 1].high || a.low != byKey[i - 1].low ||
                          compareFolded(key(byKey[i - 1].value), key(a.value)) != 0))
                ++r;
            rankOf[a.value] = r;
        }
        for (Row& row : rows_)
            row.rank[f] = rankOf[row.text[f]];
    }
    ranked_ = true;
}

namespace {

qint64 valueOf(const ResultList::Row& r, ResultColumn c) {
    switch (c) {
    case ResultColumn::Nr:
        return r.nr;
    case ResultColumn::CdNr:
        return r.cdNr;
    case ResultColumn::DiskNr:
        return r.diskNr;
    case ResultColumn::Name:
        return r.rank[ResultList::Name];
    case ResultColumn::FileName:
        return r.rank[ResultList::File];
    case ResultColumn::Date:
        return r.date;
    case ResultColumn::Time:
        return r.time;
    case ResultColumn::Producer:
        return r.rank[ResultList::Producer];
    case ResultColumn::Remarks:
        return r.rank[ResultList::Remarks];
    }
    return 0;
}

} // namespace

// The leading keys are packed into one number per row, so that most of the sort moves pairs
// of numbers; rows whose packed numbers are equal are then ordered by all keys.
void ResultList::sort(const std::vector<Key>& given) {
    rank();
    std::vector<Key> keys = given;
    keys.push_back({ResultColumn::Nr, false});
    const size_t n = rows_.size();
    if (n < 2) return;
    struct Packed {
        Key key;
        qint64 low;
        quint64 span;
        int bits;
    };
    std::vector<Packed> packed;
    int used = 0;
    for (const Key& k : keys) {
        qint64 low = valueOf(rows_[0], k.column), high = low;
        for (const Row& r : rows_) {
            const qint64 v = valueOf(r, k.column);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        const quint64 span = quint64(high - low);
        const int bits = int(std::bit_width(span));
        if (used + bits > 64) break;
        used += bits;
        packed.push_back({k, low, span, bits});
    }
    const bool whole = packed.size() == keys.size();
    std::vector<std::pair<quint64, quint32>> order(n);
    for (size_t i = 0; i < n; ++i) {
        quint64 key = 0;
        for (const Packed& p : packed) {
            quint64 u = quint64(valueOf(rows_[i], p.key.column) - p.low);
            if (p.key.descending) u = p.span - u;
            key = p.bits ? (key << p.bits) | u : key;
        }
        order[i] = {key, quint32(i)};
    }
    std::sort(order.begin(), order.end());
    if (!whole) {
        auto less = [&](const std::pair<quint64, quint32>& x,
                        const std::pair<quint64, quint32>& y) {
            const Row& a = rows_[x.second];
            const Row& b = rows_[y.second];
            for (const Key& k : keys) {
                const qint64 u = valueOf(a, k.column), v = valueOf(b, k.column);
                if (u != v) return k.descending ? u > v : u < v;
            }
            return false;
        };
        for (size_t i = 0; i < n;) {
            size_t j = i + 1;
            while (j < n && order[j].first == order[i].first)
                ++j;
            if (j - i > 1)
                std::sort(order.begin() + qsizetype(i), order.begin() + qsizetype(j), less);
            i = j;
        }
    }
    std::vector<Row> sorted;
    sorted.reserve(n);
    for (const auto& o : order)
        sorted.push_back(rows_[o.second]);
    rows_.swap(sorted);
}

using C = ResultColumn;

std::vector<ResultList::Key> startingOrder() {
    return {{C::Name, false},
            {C::FileName, false},
            {C::Date, true},
            {C::Time, true},
            {C::Producer, false}};
}

std::vector<ResultList::Key> headerOrder(ResultColumn column, bool toggled) {
    const bool firstDescending = column != C::Date && column != C::Time;
    std::vector<ResultList::Key> keys = {{column, firstDescending != toggled}};
    const ResultList::Key name{C::Name, false}, file{C::FileName, false}, date{C::Date, true},
        time{C::Time, true}, producer{C::Producer, false};
    switch (column) {
    case C::Nr:
    case C::CdNr:
    case C::DiskNr:
        keys.insert(keys.end(), {name, file, date, time});
        break;
    case C::Name:
        keys.insert(keys.end(), {file, date, time, producer});
        break;
    case C::FileName:
        keys.insert(keys.end(), {date, time, name, producer});
        break;
    case C::Date:
        keys.insert(keys.end(), {time, file, name, producer});
        break;
    case C::Time:
        keys.insert(keys.end(), {date, file, name, producer});
        break;
    case C::Producer:
        keys.insert(keys.end(), {date, time, file, name});
        break;
    case C::Remarks:
        keys.insert(keys.end(), {date, time, producer, file, name});
        break;
    }
    return keys;
}

ResultBuilder::ResultBuilder() {
    for (auto& c : columns_)
        c = std::make_shared<TextColumn>(true);
}

void ResultBuilder::add(quint32 archiveNr, quint16 cdNr, quint16 diskNr, qint32 date, qint32 time,
                        std::string_view name, std::string_view file, std::string_view producer,
                        std::string_view remarks) {
    ResultList::Row r;
    r.nr = quint32(rows_.size() + 1);
    r.archiveNr = archiveNr;
    r.cdNr = cdNr;
    r.diskNr = diskNr;
    r.date = date;
    r.time = time;
    r.text = {columns_[0]->add(name), columns_[1]->add(file), columns_[2]->add(producer),
              columns_[3]->add(remarks)};
    rows_.push_back(r);
}

ResultList ResultBuilder::take() {
    ResultList::Columns columns;
    for (int f = 0; f < ResultList::TextFields; ++f)
        columns[f] = std::move(columns_[f]);
    ResultList list(std::move(columns), std::move(rows_));
    *this = ResultBuilder();
    return list;
}

} // namespace search
