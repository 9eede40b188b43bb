#pragma once

#include "framework/store/Positions.h"
#include "framework/store/RecordStore.h"
#include "framework/store/Schema.h"
#include "framework/store/Sql.h"
#include "framework/store/SqlCipherCursor.h"
#include "framework/store/SqlCipherStore.h"

#include <memory>
#include <unordered_map>

namespace store {

// A data file in the store's connection. Every public operation takes the store's lock.
class SqlCipherFile final : public StoreFile {
public:
    SqlCipherFile(SqlCipherStore& store, const FileDef& def);
    ~SqlCipherFile() override;

    const FileDef& def() const override { return def_; }
    QString path() const override;

    int open(int openMode) override;
    int create() override;
    int close() override;
    bool isOpen() const override { return open_; }
    bool isReadOnly() const override { return open_ && readOnly_; }
    int buildKeys() override;
    int sendOption(const QString& option) override;
    qint64 records() override;
    qint64 bytes() override;

    std::unique_ptr<Cursor> cursor() override;
    int setOrder(int key) override;
    int setOrderAt(int key, const RecordBuffer& from) override;
    int setOrderAtPosition(const QByteArray& position) override;
    int next(RecordBuffer& into) override;
    int previous(RecordBuffer& into) override;
    void setSkipMemos(bool skip) override;
    int currentKey() const override { return own_->order(); }

    int get(int key, RecordBuffer& buffer) override;
    int reget(const QByteArray& position, RecordBuffer& into) override;

    int add(RecordBuffer& buffer) override;
    int append(RecordBuffer& buffer) override { return add(buffer); }
    int put(RecordBuffer& buffer) override;
    int erase(const RecordBuffer& buffer) override;
    int eraseAll() override;
    int hold(const RecordBuffer& buffer) override;
    int release() override;
    int watch(const RecordBuffer& buffer) override;
    bool isHeld(const RecordBuffer& buffer) const override {
        return heldRecord_ != 0 && heldRecord_ == buffer.identity().record;
    }
    int flush() override;
    bool duplicates(int key, const RecordBuffer& buffer) override;

    const Status& status() const override { return status_; }

    // For the store (lock held).
    // The file's name in the connection changed ("" when it left it): statements go.
    void bindTo(const QString& schemaName);
    const QString& schemaName() const { return schemaName_; }
    SqlCipherStore& store() const { return store_; }
    // Forgets what was read ahead: the connection's view of the file changed (rollback,
    // restore, a write).
    void forget();
    // The file could not be brought back into the connection.
    void lost(const Status& why);

    // For the cursors; the store's lock is held.
    const Schema& schema() const { return *schema_; }
    bool quickScan() const { return quickScan_; }
    int checkOpen();
    // The number of records, from the kept count where there is one; -1 on failure.
    qint64 countRecords();
    // The kept number of records an optional key holds; -1 when none is kept.
    qint64 countKey(int key);
    // Looks whether another station changed the file or holds records in it (a read
    // scope is open).
    int refreshHolds();
    bool othersHold() const { return othersHold_; }
    int heldByOther(qint64 record, bool& held);
    int anyHeldByOther(bool& held);
    void enrol(SqlCipherCursor* cursor);
    void leave(SqlCipherCursor* cursor);

private:
    // Statement ids.
    enum Kind : quint32 {
        ByRecord = 2,
        Insert,
        Update,
        Erase,
        Count,
        Counted,
        DataVersion,
        OthersHold,
        HoldOf,
        HoldTake,
        HoldDropMine,
        HoldDropRecord,
        KeyCounted, // the key in the next byte
    };
    template <class Make> sql::Stmt* statement(quint32 id, Make make);
    int fail(int code, const QString& detail = {});
    int engineFail(int rc);
    // Commits a savepoint; a failure is undone and reported.
    int finish(sql::Savepoint& step);

    // Opening (SqlCipherFile.cpp).
    int checkDisk(bool forWriting);
    int refused();
    QString unusable(int engineCode, const QString& engineText) const;
    int verify(bool readOnly, bool checkKeys);
    int verifyLabel(bool readOnly);
    int verifyColumns();
    int verifyKeys();
    int rebuildKeys();
    void applyCacheSize();
    // The single number a count statement gives; -1 (with the status set) on failure.
    qint64 readCount(quint32 id, const QByteArray& query);

    // Reading (FileReads.cpp).
    bool fits(const RecordBuffer& buffer);
    int ownStatus(int code);
    void dropBatches();

    // Holds (FileHolds.cpp).
    int dropHolds(qint64 record);
    void purgeStaleHolds();

    // Writing (FileWrites.cpp).
    int checkWritable();
    int writeStep(sql::Stmt& stmt);
    // 0 when the stored record is the one read; 89 changed, 33 gone, 43 held elsewhere.
    int checkIdentity(const RecordId& id);
    int eraseRecord(qint64 record);

    SqlCipherStore& store_;
    const FileDef def_;
    QString schemaName_;
    std::unique_ptr<Schema> schema_;
    std::unordered_map<quint32, sql::Stmt> stmts_;
    Status status_;
    bool open_ = false;
    bool readOnly_ = false;
    bool counted_ = false; // the file keeps its count (Counts.h)

    std::vector<SqlCipherCursor*> cursors_; // every cursor over this file
    std::unique_ptr<SqlCipherCursor> own_;  // the file's own reads
    bool skipMemos_ = false;
    bool quickScan_ = false;
    bool quickScanned_ = false; // quick scan was used: the larger cache stays

    qint64 dataVersion_ = -1;
    bool othersHold_ = false;
    qint64 heldRecord_ = 0; // the record this station holds in the file; 0: none
    int recoverSeconds_ = 0;
};

// The statement `id`, prepared from make() at its first use; null (with the status set) when
// the engine refuses it.
template <class Make> sql::Stmt* SqlCipherFile::statement(quint32 id, Make make) {
    auto it = stmts_.find(id);
    if (it != stmts_.end()) return &it->second;
    sql::Stmt s;
    const int rc = s.prepare(store_.db(), make());
    if (rc != SQLITE_OK) {
        engineFail(rc);
        return nullptr;
    }
    return &stmts_.emplace(id, std::move(s)).first->second;
}

} // namespace store
