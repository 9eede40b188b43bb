#include "framework/store/Codes.h"
#include "framework/store/SqlCipherFile.h"

#include <cstring>
#include <limits>

// Sequential reads are keyset reads: the place of the last record read (its key values and
// record number) bounds the next query, run in batches, and each batch statement is reset at
// once so that no read lock is kept between calls. A key's order is walked by up to
// parts + 1 range queries: all components equal and the record number beyond, then the
// first parts - 1 components equal and the next component beyond, and so on; each is a
// range of the key's index.
namespace store {

namespace {

constexpr qint64 Lowest = std::numeric_limits<qint64>::min();
constexpr qint64 Highest = std::numeric_limits<qint64>::max();
constexpr int LargestBatch = 1024;

// Ids of range statements: kind 1 in the low byte, then key, direction, depth and memos.
quint32 rangeId(int key, Direction dir, int depth, bool memos) {
    return 1u | quint32(key) << 8 | quint32(dir == Direction::Backward) << 16 |
           quint32(depth + 1) << 17 | quint32(memos) << 25;
}

} // namespace

void SqlCipherFile::bindValue(sql::Stmt& s, int index, const FieldValue& v,
                              std::vector<QByteArray>& texts) {
    if (const auto* n = std::get_if<qint64>(&v)) {
        s.bind(index, *n);
    } else {
        texts.push_back(std::get<QString>(v).toUtf8());
        s.bindStatic(index, texts.back());
    }
}

int SqlCipherFile::checkOpen() {
    if (open_) return Ok;
    return fail(FileSystemError, QStringLiteral("%1 is not open").arg(def_.label));
}

bool SqlCipherFile::fits(const RecordBuffer& buffer) {
    if (buffer.fieldCount() == int(def_.fields.size())) return true;
    fail(FileSystemError, QStringLiteral("the record buffer is not one of %1").arg(def_.label));
    return false;
}

void SqlCipherFile::dropBatch() {
    batchLength_ = 0; // the rows stay allocated for the next batch
    batchNext_ = 0;
}

// Both directions go on from this record; the anchors are overwritten in place.
void SqlCipherFile::placeAt(const Row& row) {
    const int parts = schema_->parts(order_);
    for (Anchor* a : {&forward_, &backward_}) {
        a->kind = Anchor::At;
        a->point.key = order_;
        a->point.record = row.record;
        a->point.values.resize(parts);
        for (int i = 0; i < parts; ++i)
            a->point.values[i] = row.values[schema_->partField(order_, i)];
    }
}

int SqlCipherFile::setOrder(int key) {
    std::lock_guard lock(store_.mutex());
    if (key < 0 || key > int(def_.keys.size()))
        return fail(FileSystemError, QStringLiteral("%1 has no key %2").arg(def_.label).arg(key));
    order_ = key;
    resetCursor();
    return codes::ok(status_);
}

int SqlCipherFile::setOrderAt(int key, const RecordBuffer& from) {
    std::lock_guard lock(store_.mutex());
    if (setOrder(key) != Ok || key == 0) return status_.code;
    if (!fits(from)) return status_.code;
    std::vector<FieldValue> values = keyValues(def_, key, from);
    forward_ = Anchor{Anchor::At, {key, values, Lowest}};
    backward_ = Anchor{Anchor::At, {key, std::move(values), Highest}};
    return Ok;
}

int SqlCipherFile::setOrderAtPosition(const QByteArray& position) {
    std::lock_guard lock(store_.mutex());
    KeyPoint point;
    if (!decodePosition(def_, position, point))
        return fail(FileSystemError, QStringLiteral("not a position of %1").arg(def_.label));
    if (setOrder(point.key) != Ok) return status_.code;
    forward_ = Anchor{Anchor::At, point};
    backward_ = Anchor{Anchor::At, point};
    // next and previous both read the record at the position itself when it is still there.
    forward_.point.record = point.record == Lowest ? Lowest : point.record - 1;
    backward_.point.record = point.record == Highest ? Highest : point.record + 1;
    return Ok;
}

void SqlCipherFile::setSkipMemos(bool skip) {
    std::lock_guard lock(store_.mutex());
    if (skip != skipMemos_) dropBatch();
    skipMemos_ = skip;
}

int SqlCipherFile::next(RecordBuffer& into) {
    return read(Direction::Forward, into);
}

int SqlCipherFile::previous(RecordBuffer& into) {
    return read(Direction::Backward, into);
}

int SqlCipherFile::read(Direction dir, RecordBuffer& into) {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok || !fits(into)) return status_.code;
    if (batchNext_ >= batchLength_ || batchDir_ != dir) {
        if (fill(dir) != Ok) return status_.code;
        if (batchLength_ == 0) return fail(NoRecord);
    }
    Row& row = batch_[batchNext_++];
    placeAt(row);
    return deliver(row, into);
}

int SqlCipherFile::fill(Direction dir) {
    dropBatch();
    batchDir_ = dir;
    const Anchor& from = dir == Direction::Forward ? forward_ : backward_;
    if (from.kind == (dir == Direction::Forward ? Anchor::End : Anchor::Start)) return Ok;
    SqlCipherStore::ReadScope scope(store_);
    if (refreshHolds() != Ok) return status_.code;
    const int limit = batchSize_;
    batchSize_ = qMin(batchSize_ * 2, LargestBatch);
    if (from.kind != Anchor::At)
        return runRange(order_, dir, -1, nullptr, limit, batch_, batchLength_);
    for (int depth = schema_->parts(order_); depth >= 0; --depth) {
        const int left = limit - int(batchLength_);
        if (left <= 0) break;
        if (runRange(order_, dir, depth, &from.point, left, batch_, batchLength_) != Ok)
            return status_.code;
    }
    return Ok;
}

int SqlCipherFile::runRange(int key, Direction dir, int depth, const KeyPoint* from, int limit,
                            std::vector<Row>& out, size_t& count) {
    const bool memos = !skipMemos_;
    sql::Stmt* s = statement(rangeId(key, dir, depth, memos),
                             [&] { return schema_->readRange(key, dir, depth, memos); });
    if (!s) return status_.code;
    sql::ResetGuard reset(*s);
    const int parts = schema_->parts(key);
    std::vector<QByteArray> texts;
    texts.reserve(parts + 1); // the bound texts must not move
    int index = 1;
    for (int i = 0; i < depth && i < parts; ++i)
        bindValue(*s, index++, from->values[i], texts);
    if (depth == parts)
        s->bind(index++, from->record);
    else if (depth >= 0)
        bindValue(*s, index++, from->values[depth], texts);
    s->bind(index, limit);
    int rc;
    while ((rc = s->step()) == SQLITE_ROW) {
        if (count == out.size()) out.emplace_back();
        readRow(*s, memos, out[count++]);
    }
    if (rc != SQLITE_DONE) return engineFail(rc);
    return codes::ok(status_);
}

void SqlCipherFile::readRow(sqlite3_stmt* stmt, bool memos, Row& row) {
    row.record = sqlite3_column_int64(stmt, 0);
    row.change = sqlite3_column_int64(stmt, 1);
    row.memos = memos;
    row.values.resize(def_.fields.size());
    recent_.resize(def_.fields.size());
    int column = 2;
    for (int field : schema_->selected(memos)) {
        const FieldDef& f = def_.fields[field];
        if (!f.isText()) {
            row.values[field] = qint64(sqlite3_column_int64(stmt, column++));
            continue;
        }
        // As a blob: the engine hands out its bytes without copying them to add a terminator.
        const char* text = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        const int size = sqlite3_column_bytes(stmt, column++);
        // A text equal to the one read last in this field shares its string: classes,
        // producers and media names repeat, and this saves most of the allocations.
        auto& [bytes, string] = recent_[field];
        if (f.type != FieldType::Memo &&
            !(bytes.size() == size && std::memcmp(bytes.constData(), text, size) == 0)) {
            bytes.resize(size);
            std::memcpy(bytes.data(), text, size);
            string = QString::fromUtf8(text, size);
        }
        row.values[field] = f.type == FieldType::Memo ? QString::fromUtf8(text, size) : string;
    }
}

// Hands a record read to the caller, unless another station holds it (43: the buffer stays
// as it was and the record is passed over).
int SqlCipherFile::deliver(Row& row, RecordBuffer& into) {
    if (othersHold_) {
        bool held = false;
        if (heldByOther(row.record, held) != Ok) return status_.code;
        if (held) return fail(RecordHeld);
    }
    for (int field : schema_->selected(row.memos))
        into.setValue(field, row.values[field]);
    current_ = std::move(row);
    hasCurrent_ = true;
    return codes::ok(status_);
}

int SqlCipherFile::get(int key, RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok || !fits(buffer)) return status_.code;
    if (key < 1 || key > int(def_.keys.size()))
        return fail(FileSystemError, QStringLiteral("%1 has no key %2").arg(def_.label).arg(key));
    SqlCipherStore::ReadScope scope(store_);
    if (refreshHolds() != Ok) return status_.code;
    const KeyPoint point{key, keyValues(def_, key, buffer), Lowest};
    std::vector<Row> found;
    size_t count = 0;
    if (runRange(key, Direction::Forward, schema_->parts(key), &point, 1, found, count) != Ok)
        return status_.code;
    if (count == 0) return fail(NoRecord);
    return deliver(found.front(), buffer);
}

int SqlCipherFile::reget(const QByteArray& position, RecordBuffer& into) {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok || !fits(into)) return status_.code;
    KeyPoint point;
    if (!decodePosition(def_, position, point))
        return fail(FileSystemError, QStringLiteral("not a position of %1").arg(def_.label));
    SqlCipherStore::ReadScope scope(store_);
    if (refreshHolds() != Ok) return status_.code;
    const bool memos = !skipMemos_;
    sql::Stmt* s =
        statement(ByRecord | quint32(memos) << 25, [&] { return schema_->readRecord(memos); });
    if (!s) return status_.code;
    Row row;
    {
        sql::ResetGuard reset(*s);
        s->bind(1, point.record);
        const int rc = s->step();
        if (rc == SQLITE_DONE) return fail(NoRecord);
        if (rc != SQLITE_ROW) return engineFail(rc);
        readRow(*s, memos, row);
    }
    // Sequential reads go on from the record as it is now, in the position's order.
    order_ = point.key;
    dropBatch();
    placeAt(row);
    return deliver(row, into);
}

QByteArray SqlCipherFile::position(int key) {
    std::lock_guard lock(store_.mutex());
    if (!hasCurrent_ || key < 0 || key > int(def_.keys.size())) return {};
    return encodePosition(def_, {key, keyValues(def_, key, current_.values), current_.record});
}

} // namespace store
