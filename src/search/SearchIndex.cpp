#include "search/SearchIndex.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>

namespace search {

namespace {

// Texts fewer than this are scanned rather than indexed.
constexpr quint32 SmallColumn = 4096;
// Records read per batch (the store's lock is held for one batch).
constexpr qint64 Batch = 20000;

// Finds a text already added to a column while it is being filled, by its written form.
class Dedupe {
public:
    explicit Dedupe(const TextColumn& column) : column_(column) { grow(1024); }

    quint32 add(TextColumn& column, std::string_view text) {
        // A field whose texts nearly all differ (file names) is not worth the looking up.
        if (++adds_ == Trial && count_ * 10 > adds_ * 9) {
            slots_ = {};
            off_ = true;
        }
        if (off_) return column.add(text);
        if ((count_ + 1) * 2 > slots_.size()) grow(slots_.size() * 2);
        size_t at = std::hash<std::string_view>{}(text) & (slots_.size() - 1);
        while (slots_[at] != Empty) {
            if (column.same(slots_[at], text)) return slots_[at];
            at = (at + 1) & (slots_.size() - 1);
        }
        ++count_;
        return slots_[at] = column.add(text);
    }

private:
    static constexpr quint32 Empty = 0xFFFFFFFFu;
    static constexpr size_t Trial = 65536;
    void grow(size_t size) {
        slots_.assign(size, Empty);
        for (quint32 v = 0; v < column_.size(); ++v) {
            size_t at = std::hash<std::string_view>{}(column_.written(v)) & (size - 1);
            while (slots_[at] != Empty)
                at = (at + 1) & (size - 1);
            slots_[at] = v;
        }
    }
    const TextColumn& column_;
    std::vector<quint32> slots_;
    size_t count_ = 0;
    size_t adds_ = 0;
    bool off_ = false;
};

std::array<std::string_view, SearchIndex::Fields> textsOf(const ScanRow& row) {
    return {row.name, row.file, row.producer, row.remarks, row.description};
}

int fieldOf(Subject subject) {
    switch (subject) {
    case Subject::Name:
        return SearchIndex::Name;
    case Subject::FileName:
        return SearchIndex::File;
    case Subject::Producer:
        return SearchIndex::Producer;
    case Subject::Remarks:
        return SearchIndex::Remarks;
    case Subject::Description:
        return SearchIndex::Description;
    default:
        return -1;
    }
}

void mark(std::vector<quint64>& bits, quint32 v) {
    bits[v >> 6] |= quint64(1) << (v & 63);
}
bool marked(const std::vector<quint64>& bits, quint32 v) {
    return (bits[v >> 6] >> (v & 63)) & 1;
}

} // namespace

QString subjectLabel(Subject subject) {
    switch (subject) {
    case Subject::Name:
        return QStringLiteral("Name");
    case Subject::FileName:
        return QStringLiteral("File name");
    case Subject::Date:
        return QStringLiteral("Date");
    case Subject::Producer:
        return QStringLiteral("Producer");
    case Subject::Remarks:
        return QStringLiteral("Remarks");
    case Subject::Description:
        return QStringLiteral("Description");
    case Subject::None:
        break;
    }
    return {};
}

void SearchIndex::Entries::reserve(size_t n) {
    record.reserve(n);
    change.reserve(n);
    nr.reserve(n);
    cdNr.reserve(n);
    diskNr.reserve(n);
    date.reserve(n);
    time.reserve(n);
    for (auto& t : text)
        t.reserve(n);
}

void SearchIndex::Entries::clear() {
    *this = Entries();
}

void SearchIndex::Entries::add(const ScanRow& row, const std::array<quint32, Fields>& texts) {
    record.push_back(row.record);
    change.push_back(quint32(row.change));
    nr.push_back(row.nr);
    cdNr.push_back(row.cdNr);
    diskNr.push_back(row.diskNr);
    date.push_back(row.date);
    time.push_back(row.time);
    for (int f = 0; f < Fields; ++f)
        text[f].push_back(texts[f]);
}

void SearchIndex::Entries::copy(const Entries& from, size_t at) {
    record.push_back(from.record[at]);
    change.push_back(from.change[at]);
    nr.push_back(from.nr[at]);
    cdNr.push_back(from.cdNr[at]);
    diskNr.push_back(from.diskNr[at]);
    date.push_back(from.date[at]);
    time.push_back(from.time[at]);
    for (int f = 0; f < Fields; ++f)
        text[f].push_back(from.text[f][at]);
}

size_t SearchIndex::Entries::bytes() const {
    size_t n = record.capacity() * sizeof(qint64) +
               (change.capacity() + nr.capacity() + date.capacity() + time.capacity()) * 4 +
               (cdNr.capacity() + diskNr.capacity()) * 2;
    for (const auto& t : text)
        n += t.capacity() * sizeof(quint32);
    return n;
}

SearchIndex::SearchIndex() {
    clear();
}

void SearchIndex::clear() {
    built_ = false;
    version_ = {};
    entries_.clear();
    for (int f = 0; f < Fields; ++f)
        columns_[f] = Column{std::make_shared<TextColumn>(f != Description), Trigrams(), 0};
}

size_t SearchIndex::bytes() const {
    size_t n = entries_.bytes() + sizeof(*this);
    for (const Column& c : columns_)
        n += c.texts->bytes() + c.trigrams.bytes();
    return n;
}

bool SearchIndex::refresh(ArchiveScan& scan, const Progress& progress) {
    ArchiveScan::Version now;
    if (!scan.version(now)) return false;
    if (built_ && now == version_) return true;
    const bool sameArchive =
        built_ && now.station == version_.station && now.connection == version_.connection;
    if (!(sameArchive ? update(scan) : build(scan, progress))) {
        clear();
        return false;
    }
    built_ = true;
    version_ = now;
    return true;
}

bool SearchIndex::build(ArchiveScan& scan, const Progress& progress) {
    clear();
    const qint64 total = std::max<qint64>(scan.count(), 0);
    entries_.reserve(size_t(total));
    std::array<std::unique_ptr<Dedupe>, Fields> dedupe;
    for (int f = 0; f < Fields; ++f)
        dedupe[f] = std::make_unique<Dedupe>(*columns_[f].texts);
    qint64 done = 0, after = 0, read;
    if (progress) progress(0, total);
    do {
        read = scan.read(after, Batch, true, [&](const ScanRow& row) {
            const auto texts = textsOf(row);
            std::array<quint32, Fields> ids;
            for (int f = 0; f < Fields; ++f)
                ids[f] = dedupe[f]->add(*columns_[f].texts, texts[f]);
            entries_.add(row, ids);
            after = row.record;
        });
        if (read < 0) return false;
        done += read;
        if (progress) progress(done, std::max(total, done));
    } while (read == Batch);
    dedupe = {};
    for (int f = 0; f < Fields; ++f) {
        columns_[f].texts->shrink();
        index(Field(f));
    }
    return true;
}

bool SearchIndex::sameRow(size_t at, const ScanRow& row) const {
    const Entries& e = entries_;
    if (e.change[at] != quint32(row.change) || e.nr[at] != row.nr || e.cdNr[at] != row.cdNr ||
        e.diskNr[at] != row.diskNr || e.date[at] != row.date || e.time[at] != row.time)
        return false;
    const auto texts = textsOf(row);
    for (int f = 0; f < Description; ++f)
        if (!columns_[f].texts->same(e.text[f][at], texts[f])) return false;
    return true;
}

TextColumn& SearchIndex::writable(Field field) {
    // A result list may share the column: it keeps the texts it was made with.
    TextColumnPtr& texts = columns_[field].texts;
    if (texts.use_count() > 1) texts = std::make_shared<TextColumn>(*texts);
    return *texts;
}

bool SearchIndex::update(ArchiveScan& scan) {
    Entries next;
    next.reserve(entries_.record.size());
    std::vector<size_t> unread; // positions in `next` whose description is to be read
    size_t old = 0;
    qint64 after = 0, read;
    do {
        read = scan.read(after, Batch, false, [&](const ScanRow& row) {
            after = row.record;
            const auto& rec = entries_.record;
            while (old < rec.size() && rec[old] < row.record)
                ++old; // gone
            if (old < rec.size() && rec[old] == row.record && sameRow(old, row)) {
                next.copy(entries_, old++);
                return;
            }
            if (old < rec.size() && rec[old] == row.record) ++old;
            std::array<quint32, Fields> ids{};
            const auto texts = textsOf(row);
            for (int f = 0; f < Description; ++f)
                ids[f] = writable(Field(f)).add(texts[f]);
            unread.push_back(next.record.size());
            next.add(row, ids);
        });
        if (read < 0) return false;
    } while (read == Batch);
    // Many changes are read faster in one pass than one by one.
    if (unread.size() > std::max<size_t>(2000, next.record.size() / 20)) return build(scan, {});
    std::string description;
    std::vector<bool> gone(next.record.size(), false);
    bool anyGone = false;
    for (size_t at : unread) {
        if (scan.description(next.record[at], description)) {
            next.text[Description][at] = writable(Description).add(description);
        } else {
            if (!scan.error().isEmpty()) return false;
            gone[at] = anyGone = true; // deleted since the pass read it
        }
    }
    if (anyGone) {
        Entries kept;
        kept.reserve(next.record.size());
        for (size_t at = 0; at < next.record.size(); ++at)
            if (!gone[at]) kept.copy(next, at);
        next = std::move(kept);
    }
    entries_ = std::move(next);
    for (int f = 0; f < Fields; ++f) {
        const Column& c = columns_[f];
        if (c.texts->size() - c.indexedAt > std::max(SmallColumn, c.indexedAt / 8))
            compact(Field(f));
    }
    return true;
}

// Keeps only the texts that entries use, each once, and indexes them again.
void SearchIndex::compact(Field field) {
    const TextColumn& old = *columns_[field].texts;
    auto fresh = std::make_shared<TextColumn>(field != Description);
    Dedupe dedupe(*fresh);
    std::vector<quint32> moved(old.size(), 0xFFFFFFFFu);
    for (quint32& t : entries_.text[field]) {
        if (moved[t] == 0xFFFFFFFFu) moved[t] = dedupe.add(*fresh, old.written(t));
        t = moved[t];
    }
    fresh->shrink();
    columns_[field].texts = std::move(fresh);
    index(field);
}

void SearchIndex::index(Field field) {
    Column& c = columns_[field];
    c.indexedAt = c.texts->size();
    if (field == Description || c.texts->size() < SmallColumn)
        c.trigrams.clear();
    else
        c.trigrams.build(*c.texts);
}

void SearchIndex::matchingTexts(Field field, std::string_view phrase,
                                std::vector<quint64>& bits) const {
    const Column& c = columns_[field];
    const TextColumn& texts = *c.texts;
    const quint32 n = texts.size();
    bits.assign((size_t(n) + 63) / 64, 0);
    const std::string& pool = texts.pool();
    const std::vector<quint64>& start = texts.starts();
    quint32 scanFrom = 0;
    if (phrase.size() >= 3 && c.trigrams.covered() > 0) {
        std::vector<quint32> candidates;
        c.trigrams.candidates(phrase, candidates);
        for (quint32 v : candidates) {
            const std::string_view t = texts.folded(v);
            if (t.size() >= phrase.size() &&
                memmem(t.data(), t.size(), phrase.data(), phrase.size()))
                mark(bits, v);
        }
        scanFrom = c.trigrams.covered();
    }
    // The texts lie back to back: one search runs over them all, and a hit that runs past the
    // end of its text goes on from the next one.
    quint32 v = scanFrom;
    quint64 at = start[v];
    const quint64 end = start[n];
    while (at < end) {
        const void* hit =
            phrase.size() == 1
                ? std::memchr(pool.data() + at, static_cast<unsigned char>(phrase[0]), end - at)
                : memmem(pool.data() + at, end - at, phrase.data(), phrase.size());
        if (!hit) break;
        const quint64 pos = quint64(static_cast<const char*>(hit) - pool.data());
        while (start[v + 1] <= pos)
            ++v;
        if (pos + phrase.size() <= start[v + 1]) mark(bits, v);
        at = start[++v];
    }
}

void SearchIndex::find(Subject subject, std::string_view phrase, std::vector<quint32>& hits) const {
    hits.clear();
    const int field = fieldOf(subject);
    if (field < 0 || phrase.empty()) return;
    std::vector<quint64> bits;
    matchingTexts(Field(field), phrase, bits);
    const std::vector<quint32>& text = entries_.text[field];
    for (size_t i = 0; i < text.size(); ++i)
        if (marked(bits, text[i])) hits.push_back(quint32(i));
}

void SearchIndex::findDates(qint32 from, qint32 till, std::vector<quint32>& hits) const {
    hits.clear();
    if (from == 0 && till == 0) return;
    // An undated entry (0) is earlier than every date.
    const qint32 low = from != 0 ? from : std::numeric_limits<qint32>::min();
    const qint32 high = till != 0 ? till : std::numeric_limits<qint32>::max();
    const std::vector<qint32>& date = entries_.date;
    for (size_t i = 0; i < date.size(); ++i)
        if (date[i] >= low && date[i] <= high) hits.push_back(quint32(i));
}

ResultList SearchIndex::results(const std::vector<quint32>& hits) const {
    std::vector<ResultList::Row> rows(hits.size());
    const Entries& e = entries_;
    for (size_t k = 0; k < hits.size(); ++k) {
        const quint32 i = hits[k];
        ResultList::Row& r = rows[k];
        r.nr = quint32(k + 1);
        r.archiveNr = e.nr[i];
        r.cdNr = e.cdNr[i];
        r.diskNr = e.diskNr[i];
        r.date = e.date[i];
        r.time = e.time[i];
        r.text = {e.text[Name][i], e.text[File][i], e.text[Producer][i], e.text[Remarks][i]};
    }
    return ResultList({columns_[Name].texts, columns_[File].texts, columns_[Producer].texts,
                       columns_[Remarks].texts},
                      std::move(rows));
}

} // namespace search
