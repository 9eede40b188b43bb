#include "framework/store/Codes.h"
#include "framework/store/SqlCipherFile.h"

#include <limits>

// The file's own reads go through a cursor it keeps for itself; lists, reports and searches
// each take a cursor of their own. Point reads (by key value, by position) need none.
namespace store {

namespace {
constexpr qint64 Lowest = std::numeric_limits<qint64>::min();
} // namespace

int SqlCipherFile::checkOpen() {
    if (open_) return Ok;
    return fail(FileSystemError, QStringLiteral("%1 is not open").arg(def_.label));
}

bool SqlCipherFile::fits(const RecordBuffer& buffer) {
    if (buffer.fieldCount() == int(def_.fields.size())) return true;
    fail(FileSystemError, QStringLiteral("the record buffer is not one of %1").arg(def_.label));
    return false;
}

void SqlCipherFile::enrol(SqlCipherCursor* cursor) {
    cursors_.push_back(cursor);
}

void SqlCipherFile::leave(SqlCipherCursor* cursor) {
    std::erase(cursors_, cursor);
}

void SqlCipherFile::dropBatches() {
    for (SqlCipherCursor* c : cursors_)
        c->fileChanged();
}

std::unique_ptr<Cursor> SqlCipherFile::cursor() {
    return std::make_unique<SqlCipherCursor>(*this);
}

int SqlCipherFile::ownStatus(int code) {
    status_ = own_->status();
    return code;
}

int SqlCipherFile::setOrder(int key) {
    return ownStatus(own_->setOrder(key));
}

int SqlCipherFile::setOrderAt(int key, const RecordBuffer& from) {
    return ownStatus(own_->setOrderAt(key, from));
}

int SqlCipherFile::setOrderAtPosition(const QByteArray& position) {
    return ownStatus(own_->setOrderAtPosition(position));
}

int SqlCipherFile::next(RecordBuffer& into) {
    return ownStatus(own_->next(into));
}

int SqlCipherFile::previous(RecordBuffer& into) {
    return ownStatus(own_->previous(into));
}

void SqlCipherFile::setSkipMemos(bool skip) {
    std::lock_guard lock(store_.mutex());
    skipMemos_ = skip;
    own_->setSkipMemos(skip);
}

int SqlCipherFile::get(int key, RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok || !fits(buffer)) return status_.code;
    if (key < 1 || key > int(def_.keys.size()))
        return fail(FileSystemError, QStringLiteral("%1 has no key %2").arg(def_.label).arg(key));
    SqlCipherStore::ReadScope scope(store_);
    if (refreshHolds() != Ok) return status_.code;
    const KeyPoint point{key, keyValues(def_, key, buffer), Lowest, {}};
    std::vector<Row> found;
    size_t count = 0;
    if (own_->runRange(key, Direction::Forward, schema_->parts(key), &point, 1, found, count) != Ok)
        return ownStatus(own_->status().code);
    if (count == 0) return fail(NoRecord);
    return ownStatus(own_->deliver(found.front(), buffer));
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
        own_->readRow(*s, memos, row);
    }
    // The file's own reads go on from the record as it is now, in the position's order.
    own_->dropBatch();
    own_->placeAt(point.key, row);
    return ownStatus(own_->deliver(row, into));
}

} // namespace store
