#include "search/ResultList.h"

#include "search/Folding.h"

#include <algorithm>

namespace search {

ResultList::ResultList(Columns columns, std::vector<Row> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

std::string_view ResultList::written(size_t position, TextField field) const {
    const std::string_view text = columns_[field]->written(rows_[position].text[field]);
    return field == Producer ? leftChars(text, ProducerShown) : text;
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
}

// Each row gets, per text, the place of its text among the list's texts in key order, so
// that sorting compares numbers.
void ResultList::rank() {
    if (ranked_) return;
    for (int f = 0; f < TextFields; ++f) {
        const TextColumn& column = *columns_[f];
        std::vector<quint32> values;
        values.reserve(rows_.size());
        for (const Row& r : rows_)
            values.push_back(r.text[f]);
        std::sort(values.begin(), values.end());
        values.erase(std::unique(values.begin(), values.end()), values.end());
        auto key = [&](quint32 v) {
            const std::string_view k = column.folded(v);
            return f == Producer ? leftChars(k, ProducerShown) : k;
        };
        std::vector<quint32>& byKey = values;
        std::sort(byKey.begin(), byKey.end(),
                  [&](quint32 a, quint32 b) { return compareFolded(key(a), key(b)) < 0; });
        // Texts equal in key order share a rank.
        std::vector<quint32> rankOf(column.size());
        quint32 r = 0;
        for (size_t i = 0; i < byKey.size(); ++i) {
            if (i > 0 && compareFolded(key(byKey[i - 1]), key(byKey[i])) != 0) ++r;
            rankOf[byKey[i]] = r;
        }
        for (Row& row : rows_)
            row.rank[f] = rankOf[row.text[f]];
    }
    ranked_ = true;
}

void ResultList::sort(const std::vector<Key>& keys) {
    rank();
    auto value = [](const Row& r, ResultColumn c) -> qint64 {
        switch (c) {
        case ResultColumn::Nr:
            return r.nr;
        case ResultColumn::CdNr:
            return r.cdNr;
        case ResultColumn::DiskNr:
            return r.diskNr;
        case ResultColumn::Name:
            return r.rank[Name];
        case ResultColumn::FileName:
            return r.rank[File];
        case ResultColumn::Date:
            return r.date;
        case ResultColumn::Time:
            return r.time;
        case ResultColumn::Producer:
            return r.rank[Producer];
        case ResultColumn::Remarks:
            return r.rank[Remarks];
        }
        return 0;
    };
    std::sort(rows_.begin(), rows_.end(), [&](const Row& a, const Row& b) {
        for (const Key& k : keys) {
            const qint64 x = value(a, k.column), y = value(b, k.column);
            if (x != y) return k.descending ? x > y : x < y;
        }
        return a.nr < b.nr;
    });
}

} // namespace search
