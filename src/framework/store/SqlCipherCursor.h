#pragma once

#include "framework/store/FilterSql.h"
#include "framework/store/Positions.h"
#include "framework/store/RecordStore.h"
#include "framework/store/Schema.h"
#include "framework/store/Sql.h"

#include <map>
#include <memory>
#include <unordered_map>

namespace store {

class SqlCipherFile;

// One record as read: record number, change counter and field values (memos empty when
// they were skipped).
struct Row {
    qint64 record = 0;
    qint64 change = 0;
    bool memos = true;
    std::vector<FieldValue> values;
};

// Binds a field's value to a statement; the text must stay alive until it is reset.
void bindValue(sql::Stmt& stmt, int index, const FieldValue& value, std::vector<QByteArray>& texts);

// A read position over one file with prepared statements of its own. Sequential reads are
// keyset reads: the place of the last record read (its key values and record number) bounds
// the next query, run in batches, and each statement is reset at once so that no read lock
// is kept between calls. A key's order is walked by up to parts + 1 range queries: all
// components equal and the record number beyond, then the first parts - 1 components equal
// and the next component beyond, and so on; each is a range of the key's index.
class SqlCipherCursor final : public Cursor {
public:
    explicit SqlCipherCursor(SqlCipherFile& file);
    ~SqlCipherCursor() override;

    int setOrder(const Ordering& order) override;
    int setOrderAt(const Ordering& order, const RecordBuffer& from) override;
    int setOrderAtPosition(const QByteArray& position) override;
    int next(RecordBuffer& into) override;
    int previous(RecordBuffer& into) override;
    int order() const override { return order_.key; }
    const Ordering& ordering() const override { return order_; }
    void setSkipMemos(bool skip) override;
    void setBatch(int records) override;
    void setFilter(filter::Tree filter, filter::Resolver resolve) override;
    qint64 count() override;
    const Status& status() const override { return status_; }

    // For the file; the store's lock is held.
    bool skipsMemos() const { return skipMemos_; }
    // The file's name in the connection changed: the statements go.
    void forgetStatements() {
        stmts_.clear();
        ranges_.clear();
    }
    // What was read ahead goes.
    void dropBatch();
    // The file changed: what was read ahead goes, and the next read starts again from the
    // first batch's size, so that a pass that writes as it reads (a cascade over the
    // children of a record) does not read a thousand rows ahead for every row it writes.
    void fileChanged() { restartBatches(); }
    // The file is gone: every later call fails.
    void orphan();
    // The depth of a read that takes every record beyond the point in one statement.
    static constexpr int Beyond = -2;
    // Reads the records of one range, appending to out[count...] and reusing rows already
    // there. Depth as Schema::readRange, or Beyond.
    int runRange(const Ordering& order, Direction dir, int depth, const KeyPoint* from, int limit,
                 std::vector<Row>& out, size_t& count, const SqlCondition* filter = nullptr,
                 int index = 0);
    // Reads go on from this record in the order.
    void placeAt(const Ordering& order, const Row& row);
    // Hands a row to the caller's buffer with its identity; 43 when another station holds it.
    int deliver(Row& row, RecordBuffer& into);
    void readRow(sqlite3_stmt* stmt, bool memos, Row& row);

private:
    int usable();
    int fail(int code, const QString& detail = {});
    int engineFail(int rc);
    int takeFileStatus();
    sql::Stmt* statement(const QByteArray& text);
    int read(Direction dir, RecordBuffer& into);
    int fill(Direction dir);
    void restartBatches();

    // Orders sorted by other fields than their key's (CursorColumns.cpp).
    struct Segment {
        enum Kind { Whole, Blank, Filled } kind = Whole;
        bool indexed = false; // read through the index of the leading key, depth by depth
    };
    // The key whose index sorts as the order does (its components, all in the order's
    // direction or all reversed); 0 when none.
    int leadingKey() const;
    bool blanksPossible(int lead);
    std::vector<Segment> segments(Direction dir);
    int fillColumns(Direction dir, const Anchor& from, const SqlCondition* filter, int limit);
    int readSegment(const Segment& segment, Direction dir, const KeyPoint* from, int limit,
                    const SqlCondition* filter);

    // The filter and the index that finds its records (CursorCount.cpp).
    void filterCondition(const std::vector<FilterTerm>& terms, SqlCondition& out) const;
    int choosePlan();
    bool sameFirstField(int key, int other) const;
    qint64 countAll();
    qint64 countTerms(const std::vector<FilterTerm>& terms);
    // Records passing the terms found through a key's index (0: as the engine chooses), in
    // the order's key when `inOrder`, counted up to `limit` (0: all).
    qint64 countWith(const std::vector<FilterTerm>& terms, int index, bool inOrder,
                     qint64 limit = 0);

    SqlCipherFile* file_;
    Status status_;
    std::map<QByteArray, sql::Stmt> stmts_;         // by their text
    std::unordered_map<quint32, sql::Stmt> ranges_; // unfiltered range reads, by their kind

    Ordering order_;
    Anchor forward_, backward_;
    std::vector<Row> batch_;
    size_t batchLength_ = 0;
    size_t batchNext_ = 0;
    Direction batchDir_ = Direction::Forward;
    bool lastBatch_ = false; // the batch came back short: the reads end with it
    int firstBatch_ = 0; // 0: one record, or the largest batch while the file is scanned quickly
    int batchSize_ = 1;
    bool skipMemos_ = false;
    std::vector<std::pair<QByteArray, QString>> recent_; // per field: the text read last

    std::unique_ptr<FilterSql> filter_;
    int drive_ = 0; // the key whose index finds the filtered records; 0: the order's own
    bool planned_ = false;
    std::map<QString, filter::Value> plannedFor_;
    // The records of the view as last counted, and for which values; -1: not counted.
    qint64 counted_ = -1;
    Ordering countedOrder_;
    std::map<QString, filter::Value> countedFor_;
};

} // namespace store
