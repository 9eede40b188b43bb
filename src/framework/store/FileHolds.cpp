#include "framework/store/Codes.h"
#include "framework/store/SqlCipherFile.h"
#include "framework/store/Stations.h"

#include <QDateTime>

// Holds live in the file's holds table: record number, station, process and the time the
// hold was taken. A record held by another station reads as 43 and refuses put, erase and
// hold. A hold whose station has gone (closed, or its process ended) is stale and is passed
// over once it is older than the "Recover=" seconds (0 by default: at once). Reads look at
// the table only while another station holds something: that is learned from the engine's
// data version, which moves whenever another connection commits to the file.
namespace store {

namespace {
qint64 now() {
    return QDateTime::currentSecsSinceEpoch();
}
} // namespace

int SqlCipherFile::refreshHolds() {
    sql::Stmt* version = statement(DataVersion, [&] { return schema_->pragma("data_version"); });
    if (!version) return status_.code;
    qint64 seen;
    {
        sql::ResetGuard reset(*version);
        const int rc = version->step();
        if (rc != SQLITE_ROW) return engineFail(rc);
        seen = sqlite3_column_int64(*version, 0);
    }
    if (seen == dataVersion_) return Ok;
    dropBatches(); // another station changed the file
    sql::Stmt* others = statement(OthersHold, [&] {
        return "SELECT EXISTS(SELECT 1 FROM " + schema_->qualified(Schema::Holds) +
               " WHERE station <> ?1)";
    });
    if (!others) return status_.code;
    sql::ResetGuard reset(*others);
    others->bind(1, store_.station());
    const int rc = others->step();
    if (rc != SQLITE_ROW) return engineFail(rc);
    othersHold_ = sqlite3_column_int(*others, 0) != 0;
    dataVersion_ = seen;
    return Ok;
}

int SqlCipherFile::heldByOther(qint64 record, bool& held) {
    held = false;
    sql::Stmt* s = statement(HoldOf, [&] {
        return "SELECT station, pid, taken FROM " + schema_->qualified(Schema::Holds) +
               " WHERE rec = ?1";
    });
    if (!s) return status_.code;
    sql::ResetGuard reset(*s);
    s->bind(1, record);
    const int rc = s->step();
    if (rc == SQLITE_DONE) return Ok;
    if (rc != SQLITE_ROW) return engineFail(rc);
    const qint64 station = sqlite3_column_int64(*s, 0);
    if (station == store_.station()) return Ok;
    const bool stale = !stations::alive(station, sqlite3_column_int64(*s, 1)) &&
                       now() - sqlite3_column_int64(*s, 2) >= recoverSeconds_;
    held = !stale;
    return Ok;
}

// Whether another station holds any record that is not stale.
int SqlCipherFile::anyHeldByOther(bool& held) {
    held = false;
    std::vector<qint64> records;
    {
        sql::Stmt list;
        const int rc = list.prepare(
            store_.db(), "SELECT rec FROM " + schema_->qualified(Schema::Holds) +
                             " WHERE station <> " + QByteArray::number(store_.station()));
        if (rc != SQLITE_OK) return engineFail(rc);
        while (list.step() == SQLITE_ROW)
            records.push_back(sqlite3_column_int64(list, 0));
    }
    for (const qint64 record : records)
        if (heldByOther(record, held) != Ok || held) return status_.code;
    return Ok;
}

// Removes the holds on a record (this station's, or a stale one).
int SqlCipherFile::dropHolds(qint64 record) {
    sql::Stmt* s = statement(HoldDropRecord, [&] {
        return "DELETE FROM " + schema_->qualified(Schema::Holds) + " WHERE rec = ?1";
    });
    if (!s) return status_.code;
    sql::ResetGuard reset(*s);
    s->bind(1, record);
    return writeStep(*s);
}

// Holds of stations that have gone are removed when a file is opened for writing.
void SqlCipherFile::purgeStaleHolds() {
    std::vector<qint64> stale;
    {
        sql::Stmt list;
        if (list.prepare(store_.db(), "SELECT rec, station, pid, taken FROM " +
                                          schema_->qualified(Schema::Holds)) != SQLITE_OK)
            return;
        while (list.step() == SQLITE_ROW)
            if (!stations::alive(sqlite3_column_int64(list, 1), sqlite3_column_int64(list, 2)) &&
                now() - sqlite3_column_int64(list, 3) >= recoverSeconds_)
                stale.push_back(sqlite3_column_int64(list, 0));
    }
    for (qint64 record : stale)
        dropHolds(record);
    codes::ok(status_);
}

int SqlCipherFile::hold(const RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkWritable() != Ok || !fits(buffer)) return status_.code;
    const qint64 record = buffer.identity().record;
    if (record == 0) return fail(NoRecord);
    sql::Stmt* take = statement(HoldTake, [&] {
        return "INSERT OR REPLACE INTO " + schema_->qualified(Schema::Holds) +
               "(rec, station, pid, taken) VALUES(?1, ?2, ?3, ?4)";
    });
    if (!take) return status_.code;
    // Look and take under the file's write lock, so that two stations cannot both take it.
    sql::Savepoint step(store_.db(), "store_hold");
    int rc = step.begun();
    if (rc == SQLITE_OK) rc = sql::exec(store_.db(), schema_->lockForWrite());
    if (rc != SQLITE_OK) return engineFail(rc);
    bool held = false;
    if (heldByOther(record, held) != Ok) return status_.code;
    if (held) return fail(RecordHeld);
    // One hold per station and file: taking one gives up the one before.
    if (heldRecord_ != 0 && release() != Ok) return status_.code;
    {
        sql::ResetGuard reset(*take);
        take->bind(1, record);
        take->bind(2, store_.station());
        take->bind(3, stations::processId());
        take->bind(4, now());
        if (writeStep(*take) != Ok) return status_.code;
    }
    if (finish(step) != Ok) return status_.code;
    heldRecord_ = record;
    dataVersion_ = -1;
    return Ok;
}

int SqlCipherFile::release() {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok) return status_.code;
    if (heldRecord_ == 0) return codes::ok(status_);
    sql::Stmt* drop = statement(HoldDropMine, [&] {
        return "DELETE FROM " + schema_->qualified(Schema::Holds) + " WHERE station = ?1";
    });
    if (!drop) return status_.code;
    sql::ResetGuard reset(*drop);
    drop->bind(1, store_.station());
    if (writeStep(*drop) != Ok) return status_.code;
    heldRecord_ = 0;
    return codes::ok(status_);
}

// Every write is checked against the change counter read with the record, so a watch only
// asks for a stored record.
int SqlCipherFile::watch(const RecordBuffer& buffer) {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok) return status_.code;
    return buffer.identity().record != 0 ? codes::ok(status_) : fail(NoRecord);
}

} // namespace store
