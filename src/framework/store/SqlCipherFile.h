#pragma once

#include "framework/store/Positions.h"
#include "framework/store/RecordStore.h"
#include "framework/store/Schema.h"
#include "framework/store/Sql.h"
#include "framework/store/SqlCipherStore.h"

#include <memory>
#include <unordered_map>

namespace store {

// One record as read: record number, change counter and field values (memos empty when
// they were skipped).
struct Row {
    qint64 record = 0;
    qint64 change = 0;
    bool memos = true;
    std::vector<FieldValue> values;
};

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

    int setOrder(int key) override;
    int setOrderAt(int key, const RecordBuffer& from) override;
    int setOrderAtPosition(const QByteArray& position) override;
    int next(RecordBuffer& into) override;
    int previous(RecordBuffer& into) override;
    void setSkipMemos(bool skip) override;

    int get(int key, RecordBuffer& buffer) override;
    int reget(const QByteArray& position, RecordBuffer& into) override;
    QByteArray position(int key) override;
    qint64 currentRecord() const override { return hasCurrent_ ? current_.record : 0; }
    int currentKey() const override { return order_; }

    int add(RecordBuffer& buffer) override;
    int append(RecordBuffer& buffer) override { return add(buffer); }
    int put(RecordBuffer& buffer) override;
    int erase() override;
    int hold() override;
    int release() override;
    int watch() override;
    bool isHeld() const override { return hasCurrent_ && heldRecord_ == current_.record; }
    int flush() override;
    bool duplicates(int key, const RecordBuffer& buffer) override;

    const Status& status() const override { return status_; }

    // For the store (lock held).
    // The file's name in the connection changed ("" when it left it): statements go.
    void bindTo(const QString& schemaName);
    const QString& schemaName() const { return schemaName_; }
    SqlCipherStore& store() const { return store_; }
    // Forgets what was read: the connection's view of the file changed (rollback, restore).
    void forget();
    // The file could not be brought back into the connection.
    void lost(const Status& why);

private:
    // Statement ids: kind, key, direction, depth and memos packed in one number.
    enum Kind : quint32 {
        Range = 1,
        ByRecord,
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
    };
    template <class Make> sql::Stmt* statement(quint32 id, Make make);
    int fail(int code, const QString& detail = {});
    int engineFail(int rc);
    // Commits a savepoint; a failure is undone and reported.
    int finish(sql::Savepoint& step);

    // Opening (SqlCipherFile.cpp).
    int checkDisk(bool forWriting);
    int verify(bool readOnly, bool checkKeys);
    int verifyLabel(bool readOnly);
    int verifyColumns();
    int verifyKeys();
    int rebuildKeys();
    void applyCacheSize();
    void resetCursor();
    // The single number a count statement gives; -1 (with the status set) on failure.
    qint64 readCount(quint32 id, const QByteArray& query);

    // Reading (FileReads.cpp).
    int checkOpen();
    bool fits(const RecordBuffer& buffer);
    int read(Direction dir, RecordBuffer& into);
    int fill(Direction dir);
    // Appends up to `limit` rows to out[count...], reusing rows already there.
    int runRange(int key, Direction dir, int depth, const KeyPoint* from, int limit,
                 std::vector<Row>& out, size_t& count);
    void readRow(sqlite3_stmt* stmt, bool memos, Row& row);
    void placeAt(const Row& row);
    static void bindValue(sql::Stmt& stmt, int index, const FieldValue& value,
                          std::vector<QByteArray>& texts);
    int deliver(Row& row, RecordBuffer& into);
    void dropBatch();

    // Holds (FileHolds.cpp).
    int refreshHolds();
    int heldByOther(qint64 record, bool& held);
    int dropHolds(qint64 record);
    void purgeStaleHolds();

    // Writing (FileWrites.cpp).
    int checkWritable();
    int writeStep(sql::Stmt& stmt);
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

    int order_ = 0;
    Anchor forward_, backward_;
    std::vector<Row> batch_;
    size_t batchLength_ = 0;
    size_t batchNext_ = 0;
    std::vector<std::pair<QByteArray, QString>> recent_; // per field: the text read last
    Direction batchDir_ = Direction::Forward;
    int batchSize_ = 0;
    bool skipMemos_ = false;
    bool quickScan_ = false;

    bool hasCurrent_ = false;
    Row current_;

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
