#include "framework/store/Codes.h"
#include "framework/store/SqlCipherFile.h"

#include <limits>

namespace store {

int SqlCipherFile::checkWritable() {
    if (checkOpen() != Ok) return status_.code;
    if (readOnly_)
        return fail(AccessDenied, QStringLiteral("%1 is open read-only").arg(def_.label));
    return Ok;
}

int SqlCipherFile::writeStep(sql::Stmt& stmt) {
    const int rc = stmt.step();
    return rc == SQLITE_DONE ? codes::ok(status_) : engineFail(rc);
}

// Adds the buffer as a new record; every key is kept, so append is the same.
int SqlCipherFile::add(RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkWritable() != Ok || !fits(buffer)) return status_.code;
    sql::Stmt* s = statement(Insert, [&] { return schema_->insert(); });
    if (!s) return status_.code;
    std::vector<FieldValue> values = buffer.values();
    std::vector<QByteArray> texts;
    texts.reserve(values.size());
    hasCurrent_ = false;
    dropBatchAfterWrite();
    {
        sql::ResetGuard reset(*s);
        for (int i = 0; i < int(values.size()); ++i)
            bindValue(*s, i + 1, values[i], texts);
        if (writeStep(*s) != Ok) return status_.code;
    }
    current_ = Row{sqlite3_last_insert_rowid(store_.db()), 0, true, std::move(values)};
    hasCurrent_ = true;
    return Ok;
}

// Rewrites the current record, unless another station changed it since it was read (89),
// erased it (33) or holds it (43). While memos are skipped the stored memos stay.
int SqlCipherFile::put(RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkWritable() != Ok || !fits(buffer)) return status_.code;
    if (!hasCurrent_) return fail(NoRecord);
    if (refreshHolds() != Ok) return status_.code;
    bool held = false;
    if (othersHold_ && heldByOther(current_.record, held) != Ok) return status_.code;
    if (held) return fail(RecordHeld);
    const bool memos = !skipMemos_;
    sql::Stmt* s = statement(Update | quint32(memos) << 25, [&] { return schema_->update(memos); });
    if (!s) return status_.code;
    std::vector<FieldValue> values = buffer.values();
    std::vector<QByteArray> texts;
    texts.reserve(values.size());
    dropBatchAfterWrite();
    {
        sql::ResetGuard reset(*s);
        int index = 1;
        for (int field : schema_->selected(memos))
            bindValue(*s, index++, values[field], texts);
        s->bind(index, current_.record);
        s->bind(index + 1, current_.change);
        if (writeStep(*s) != Ok) return status_.code;
    }
    if (sqlite3_changes(store_.db()) == 0) {
        sql::Stmt* look = statement(ByRecord, [&] { return schema_->readRecord(false); });
        if (!look) return status_.code;
        sql::ResetGuard reset(*look);
        look->bind(1, current_.record);
        const int rc = look->step();
        if (rc == SQLITE_ROW) return fail(ChangedElsewhere);
        if (rc != SQLITE_DONE) return engineFail(rc);
        hasCurrent_ = false;
        return fail(NoRecord);
    }
    if (!memos)
        for (int i = 0; i < int(values.size()); ++i)
            if (def_.fields[i].type == FieldType::Memo) values[i] = current_.values[i];
    current_.values = std::move(values);
    ++current_.change;
    if (heldRecord_ == current_.record) return release();
    return Ok;
}

int SqlCipherFile::erase() {
    std::lock_guard lock(store_.mutex());
    if (checkWritable() != Ok) return status_.code;
    if (!hasCurrent_) return fail(NoRecord);
    if (refreshHolds() != Ok) return status_.code;
    bool held = false;
    if (othersHold_ && heldByOther(current_.record, held) != Ok) return status_.code;
    if (held) return fail(RecordHeld);
    const qint64 record = current_.record;
    dropBatchAfterWrite();
    // The record's holds (this station's, or stale ones) go with it.
    if (heldRecord_ != record && !othersHold_) return eraseRecord(record);
    sql::Savepoint step(store_.db(), "store_erase");
    if (step.begun() != SQLITE_OK) return engineFail(step.begun());
    if (eraseRecord(record) != Ok || dropHolds(record) != Ok || finish(step) != Ok)
        return status_.code;
    if (heldRecord_ == record) heldRecord_ = 0;
    return Ok;
}

int SqlCipherFile::eraseRecord(qint64 record) {
    sql::Stmt* s = statement(Erase, [&] { return schema_->erase(); });
    if (!s) return status_.code;
    sql::ResetGuard reset(*s);
    s->bind(1, record);
    if (writeStep(*s) != Ok) return status_.code;
    hasCurrent_ = false;
    return sqlite3_changes(store_.db()) == 0 ? fail(NoRecord) : Ok;
}

int SqlCipherFile::flush() {
    std::lock_guard lock(store_.mutex());
    // Every commit is on disk when it returns.
    return checkOpen() != Ok ? status_.code : codes::ok(status_);
}

bool SqlCipherFile::duplicates(int key, const RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok || !fits(buffer) || key < 1 || key > int(def_.keys.size()) ||
        !def_.keys[key - 1].unique)
        return false;
    const KeyPoint point{key, keyValues(def_, key, buffer), std::numeric_limits<qint64>::min()};
    std::vector<Row> found;
    size_t count = 0;
    if (runRange(key, Direction::Forward, schema_->parts(key), &point, 2, found, count) != Ok)
        return false;
    for (size_t i = 0; i < count; ++i)
        if (!hasCurrent_ || found[i].record != current_.record) return true;
    return false;
}

} // namespace store
