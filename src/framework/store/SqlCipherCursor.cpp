#include "framework/store/SqlCipherCursor.h"

#include "framework/store/Codes.h"
#include "framework/store/SqlCipherFile.h"

#include <cstring>
#include <limits>

namespace store {

namespace {
constexpr qint64 Lowest = std::numeric_limits<qint64>::min();
constexpr qint64 Highest = std::numeric_limits<qint64>::max();
constexpr int LargestBatch = 1024;
} // namespace

void bindValue(sql::Stmt& s, int index, const FieldValue& v, std::vector<QByteArray>& texts) {
    if (const auto* n = std::get_if<qint64>(&v)) {
        s.bind(index, *n);
    } else {
        texts.push_back(std::get<QString>(v).toUtf8());
        s.bindStatic(index, texts.back());
    }
}

SqlCipherCursor::SqlCipherCursor(SqlCipherFile& file) : file_(&file) {
    std::lock_guard lock(file.store().mutex());
    file.enrol(this);
    restartBatches();
}

SqlCipherCursor::~SqlCipherCursor() {
    if (!file_) return;
    std::lock_guard lock(file_->store().mutex());
    file_->leave(this);
}

void SqlCipherCursor::orphan() {
    forgetStatements();
    file_ = nullptr;
}

int SqlCipherCursor::fail(int code, const QString& detail) {
    return codes::fail(status_, code, detail);
}

int SqlCipherCursor::engineFail(int rc) {
    return codes::engine(status_, file_->store().db(), rc);
}

int SqlCipherCursor::takeFileStatus() {
    status_ = file_->status();
    return status_.code;
}

int SqlCipherCursor::usable() {
    if (!file_) return fail(FileSystemError, QStringLiteral("the file is no longer declared"));
    if (file_->checkOpen() != Ok) return takeFileStatus();
    return Ok;
}

sql::Stmt* SqlCipherCursor::statement(const QByteArray& text) {
    auto it = stmts_.find(text);
    if (it != stmts_.end()) return &it->second;
    sql::Stmt s;
    const int rc = s.prepare(file_->store().db(), text);
    if (rc != SQLITE_OK) {
        engineFail(rc);
        return nullptr;
    }
    return &stmts_.emplace(text, std::move(s)).first->second;
}

void SqlCipherCursor::dropBatch() {
    batchLength_ = 0; // the rows stay allocated for the next batch
    batchNext_ = 0;
    lastBatch_ = false;
}

void SqlCipherCursor::restartBatches() {
    const bool quick = file_ && file_->quickScan();
    batchSize_ = firstBatch_ > 0 ? firstBatch_ : quick ? LargestBatch : 1;
    dropBatch();
}

void SqlCipherCursor::setBatch(int records) {
    if (!file_) return;
    std::lock_guard lock(file_->store().mutex());
    firstBatch_ = qBound(0, records, LargestBatch);
    restartBatches();
}

void SqlCipherCursor::setSkipMemos(bool skip) {
    if (!file_) return;
    std::lock_guard lock(file_->store().mutex());
    if (skip != skipMemos_) dropBatch();
    skipMemos_ = skip;
}

int SqlCipherCursor::setOrder(const Ordering& order) {
    if (!file_) return usable();
    std::lock_guard lock(file_->store().mutex());
    if (!validOrder(file_->def(), order))
        return fail(FileSystemError,
                    QStringLiteral("%1 has no key %2").arg(file_->def().label).arg(order.key));
    if (!(order == order_)) planned_ = false;
    order_ = order;
    forward_ = Anchor{Anchor::Start, {order_.key, {}, 0, order_.by}};
    backward_ = Anchor{Anchor::End, {order_.key, {}, 0, order_.by}};
    restartBatches();
    return codes::ok(status_);
}

int SqlCipherCursor::setOrderAt(const Ordering& order, const RecordBuffer& from) {
    if (!file_) return usable();
    std::lock_guard lock(file_->store().mutex());
    if (setOrder(order) != Ok || (order.key == 0 && order.ownOrder())) return status_.code;
    if (from.fieldCount() != int(file_->def().fields.size()))
        return fail(FileSystemError,
                    QStringLiteral("the record buffer is not one of %1").arg(file_->def().label));
    std::vector<FieldValue> values = orderValues(file_->def(), order, from.values());
    forward_ = Anchor{Anchor::At, {order.key, values, Lowest, order.by}};
    backward_ = Anchor{Anchor::At, {order.key, std::move(values), Highest, order.by}};
    return Ok;
}

int SqlCipherCursor::setOrderAtPosition(const QByteArray& position) {
    if (!file_) return usable();
    std::lock_guard lock(file_->store().mutex());
    KeyPoint point;
    if (!decodePosition(file_->def(), position, point))
        return fail(FileSystemError,
                    QStringLiteral("not a position of %1").arg(file_->def().label));
    if (setOrder(point.ordering()) != Ok) return status_.code;
    forward_ = Anchor{Anchor::At, point};
    backward_ = Anchor{Anchor::At, point};
    // next and previous both read the record at the position itself when it is still there.
    forward_.point.record = point.record == Lowest ? Lowest : point.record - 1;
    backward_.point.record = point.record == Highest ? Highest : point.record + 1;
    return Ok;
}

void SqlCipherCursor::placeAt(const Ordering& order, const Row& row) {
    const std::vector<KeyPart>& parts = file_->schema().partsOf(order);
    if (!(order == order_)) order_ = order;
    for (Anchor* a : {&forward_, &backward_}) {
        a->kind = Anchor::At;
        a->point.key = order.key;
        a->point.by = order.by;
        a->point.record = row.record;
        a->point.values.resize(parts.size());
        for (size_t i = 0; i < parts.size(); ++i)
            a->point.values[i] = row.values[parts[i].field];
    }
}

int SqlCipherCursor::next(RecordBuffer& into) {
    return read(Direction::Forward, into);
}

int SqlCipherCursor::previous(RecordBuffer& into) {
    return read(Direction::Backward, into);
}

int SqlCipherCursor::read(Direction dir, RecordBuffer& into) {
    if (!file_) return usable();
    std::lock_guard lock(file_->store().mutex());
    if (usable() != Ok) return status_.code;
    if (into.fieldCount() != int(file_->def().fields.size()))
        return fail(FileSystemError,
                    QStringLiteral("the record buffer is not one of %1").arg(file_->def().label));
    if (batchNext_ >= batchLength_ || batchDir_ != dir) {
        // Nothing lies beyond a batch that came back short, until something changes.
        if (batchDir_ == dir && lastBatch_) return fail(NoRecord);
        if (fill(dir) != Ok) return status_.code;
        if (batchLength_ == 0) return fail(NoRecord);
    }
    Row& row = batch_[batchNext_++];
    placeAt(order_, row);
    return deliver(row, into);
}

int SqlCipherCursor::fill(Direction dir) {
    dropBatch();
    batchDir_ = dir;
    const Anchor& from = dir == Direction::Forward ? forward_ : backward_;
    if (from.kind == (dir == Direction::Forward ? Anchor::End : Anchor::Start)) return Ok;
    SqlCipherStore::ReadScope scope(file_->store());
    if (file_->refreshHolds() != Ok) return takeFileStatus();
    SqlCondition condition(file_->schema().firstFilterParam(order_));
    if (filter_) {
        filter_->resolve();
        if (choosePlan() != Ok) return status_.code;
        filterCondition(filter_->terms(), condition);
    }
    const SqlCondition* where = filter_ ? &condition : nullptr;
    const int limit = batchSize_;
    batchSize_ = qMin(batchSize_ * 2, LargestBatch);
    if (!order_.ownOrder()) {
        if (fillColumns(dir, from, where, limit) != Ok) return status_.code;
    } else if (from.kind != Anchor::At) {
        if (runRange(order_, dir, -1, nullptr, limit, batch_, batchLength_, where, drive_) != Ok)
            return status_.code;
    } else {
        for (int depth = file_->schema().parts(order_.key); depth >= 0; --depth) {
            const int left = limit - int(batchLength_);
            if (left <= 0) break;
            if (runRange(order_, dir, depth, &from.point, left, batch_, batchLength_, where,
                         drive_) != Ok)
                return status_.code;
        }
    }
    lastBatch_ = int(batchLength_) < limit;
    return Ok;
}

int SqlCipherCursor::runRange(const Ordering& order, Direction dir, int depth, const KeyPoint* from,
                              int limit, std::vector<Row>& out, size_t& count,
                              const SqlCondition* filter, int index) {
    const Schema& schema = file_->schema();
    const bool memos = !skipMemos_;
    const int key = order.key;
    sql::Stmt* s;
    if (!filter && order.ownOrder() && depth != Beyond) {
        // The reads of a file's own passes and point reads: found by a number, not a text.
        const quint32 id = quint32(key) | quint32(dir == Direction::Backward) << 8 |
                           quint32(depth + 1) << 9 | quint32(memos) << 17;
        auto it = ranges_.find(id);
        if (it == ranges_.end()) {
            sql::Stmt made;
            const int rc =
                made.prepare(file_->store().db(), schema.readRange(key, dir, depth, memos));
            if (rc != SQLITE_OK) return engineFail(rc);
            it = ranges_.emplace(id, std::move(made)).first;
        }
        s = &it->second;
    } else {
        QByteArray where = filter ? filter->text : QByteArray();
        // A named index finds the records; the order's own otherwise (none for an order
        // sorted by other fields).
        const int use = index ? index : order.ownOrder() ? key : 0;
        if (index > 0 && index != key) {
            const QByteArray p = schema.keyPredicate(index);
            if (!p.isEmpty()) where = where.isEmpty() ? p : p + " AND " + where;
        }
        s = statement(depth == Beyond ? schema.readBeyond(order, dir, memos, where, use)
                                      : schema.readRange(order, dir, depth, memos, where, use));
        if (!s) return status_.code;
    }
    sql::ResetGuard reset(*s);
    const int parts = int(schema.partsOf(order).size());
    std::vector<QByteArray> texts;
    texts.reserve(parts + 1 + (filter ? filter->params.size() : 0)); // texts must not move
    int param = 1;
    if (depth == Beyond) {
        for (int i = 0; i < parts; ++i)
            bindValue(*s, param++, from->values[i], texts);
        s->bind(param++, from->record);
    } else {
        for (int i = 0; i < depth && i < parts; ++i)
            bindValue(*s, param++, from->values[i], texts);
        if (depth == parts)
            s->bind(param++, from->record);
        else if (depth >= 0)
            bindValue(*s, param++, from->values[depth], texts);
    }
    s->bind(param, limit);
    if (filter) bindCondition(*s, *filter, texts);
    int rc;
    while ((rc = s->step()) == SQLITE_ROW) {
        if (count == out.size()) out.emplace_back();
        readRow(*s, memos, out[count++]);
    }
    if (rc != SQLITE_DONE) return engineFail(rc);
    return codes::ok(status_);
}

void SqlCipherCursor::readRow(sqlite3_stmt* stmt, bool memos, Row& row) {
    const FileDef& def = file_->def();
    row.record = sqlite3_column_int64(stmt, 0);
    row.change = sqlite3_column_int64(stmt, 1);
    row.memos = memos;
    row.values.resize(def.fields.size());
    recent_.resize(def.fields.size());
    int column = 2;
    for (int field : file_->schema().selected(memos)) {
        const FieldDef& f = def.fields[field];
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
int SqlCipherCursor::deliver(Row& row, RecordBuffer& into) {
    if (file_->othersHold()) {
        bool held = false;
        if (file_->heldByOther(row.record, held) != Ok) return takeFileStatus();
        if (held) return fail(RecordHeld);
    }
    for (int field : file_->schema().selected(row.memos))
        into.setValue(field, row.values[field]);
    into.setIdentity({row.record, row.change});
    return codes::ok(status_);
}

} // namespace store
