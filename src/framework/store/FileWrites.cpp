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
    std::vector<QByteArray> texts;
    texts.reserve(def_.fields.size());
    dropBatches();
    buffer.setIdentity({}); // a new record; none stored when the add fails
    {
        sql::ResetGuard reset(*s);
        for (int i = 0; i < buffer.fieldCount(); ++i)
            bindValue(*s, i + 1, buffer.value(i), texts);
        if (writeStep(*s) != Ok) return status_.code;
    }
    buffer.setIdentity({sqlite3_last_insert_rowid(store_.db()), 0});
    return Ok;
}

// Is the stored record still the one the buffer read? Looked at only when the write found
// nothing to change, or before an erase: 89 changed, 33 gone.
int SqlCipherFile::checkIdentity(const RecordId& id) {
    sql::Stmt* look = statement(ByRecord, [&] { return schema_->readRecord(false); });
    if (!look) return status_.code;
    sql::ResetGuard reset(*look);
    look->bind(1, id.record);
    const int rc = look->step();
    if (rc == SQLITE_DONE) return fail(NoRecord);
    if (rc != SQLITE_ROW) return engineFail(rc);
    return sqlite3_column_int64(*look, 1) == id.change ? codes::ok(status_)
                                                       : fail(ChangedElsewhere);
}

// Rewrites the record the buffer read, unless another station changed it since (89),
// erased it (33) or holds it (43). While memos are skipped the stored memos stay.
int SqlCipherFile::put(RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkWritable() != Ok || !fits(buffer)) return status_.code;
    const RecordId id = buffer.identity();
    if (id.record == 0) return fail(NoRecord);
    if (refreshHolds() != Ok) return status_.code;
    bool held = false;
    if (othersHold_ && heldByOther(id.record, held) != Ok) return status_.code;
    if (held) return fail(RecordHeld);
    const bool memos = !skipMemos_;
    sql::Stmt* s = statement(Update | quint32(memos) << 25, [&] { return schema_->update(memos); });
    if (!s) return status_.code;
    std::vector<QByteArray> texts;
    texts.reserve(def_.fields.size());
    dropBatches();
    {
        sql::ResetGuard reset(*s);
        int index = 1;
        for (int field : schema_->selected(memos))
            bindValue(*s, index++, buffer.value(field), texts);
        s->bind(index, id.record);
        s->bind(index + 1, id.change);
        if (writeStep(*s) != Ok) return status_.code;
    }
    if (sqlite3_changes(store_.db()) == 0) {
        if (checkIdentity(id) == Ok) return fail(ChangedElsewhere);
        return status_.code;
    }
    buffer.setIdentity({id.record, id.change + 1});
    if (heldRecord_ == id.record) return release();
    return Ok;
}

int SqlCipherFile::erase(const RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkWritable() != Ok || !fits(buffer)) return status_.code;
    const RecordId id = buffer.identity();
    if (id.record == 0) return fail(NoRecord);
    if (refreshHolds() != Ok) return status_.code;
    bool held = false;
    if (othersHold_ && heldByOther(id.record, held) != Ok) return status_.code;
    if (held) return fail(RecordHeld);
    dropBatches();
    sql::Savepoint step(store_.db(), "store_erase");
    if (step.begun() != SQLITE_OK) return engineFail(step.begun());
    // Look and erase under one lock, so that a change made in between is not lost.
    if (checkIdentity(id) != Ok || eraseRecord(id.record) != Ok) return status_.code;
    // The record's holds (this station's, or stale ones) go with it.
    if ((heldRecord_ == id.record || othersHold_) && dropHolds(id.record) != Ok)
        return status_.code;
    if (finish(step) != Ok) return status_.code;
    if (heldRecord_ == id.record) heldRecord_ = 0;
    return Ok;
}

int SqlCipherFile::eraseAll() {
    std::lock_guard lock(store_.mutex());
    if (checkWritable() != Ok || refreshHolds() != Ok) return status_.code;
    if (othersHold_) {
        bool held = false;
        if (anyHeldByOther(held) != Ok) return status_.code;
        if (held) return fail(RecordHeld);
    }
    dropBatches();
    sql::Savepoint step(store_.db(), "store_erase_all");
    if (step.begun() != SQLITE_OK) return engineFail(step.begun());
    // One statement: the engine walks the table once instead of looking up each record.
    for (const QByteArray& statement :
         {"DELETE FROM " + schema_->table(), "DELETE FROM " + schema_->qualified(Schema::Holds)}) {
        const int rc = sql::exec(store_.db(), statement);
        if (rc != SQLITE_OK) return engineFail(rc);
    }
    if (finish(step) != Ok) return status_.code;
    heldRecord_ = 0;
    return Ok;
}

int SqlCipherFile::eraseRecord(qint64 record) {
    sql::Stmt* s = statement(Erase, [&] { return schema_->erase(); });
    if (!s) return status_.code;
    sql::ResetGuard reset(*s);
    s->bind(1, record);
    if (writeStep(*s) != Ok) return status_.code;
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
    const KeyPoint point{key, keyValues(def_, key, buffer), std::numeric_limits<qint64>::min(), {}};
    std::vector<Row> found;
    size_t count = 0;
    if (own_->runRange(key, Direction::Forward, schema_->parts(key), &point, 2, found, count) != Ok)
        return false;
    for (size_t i = 0; i < count; ++i)
        if (found[i].record != buffer.identity().record) return true;
    return false;
}

} // namespace store
