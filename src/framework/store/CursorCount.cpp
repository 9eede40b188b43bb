#include "framework/store/Codes.h"
#include "framework/store/SqlCipherCursor.h"
#include "framework/store/SqlCipherFile.h"

#include <QList>
#include <limits>

// Filtered reads and counts. A list in one order filtered by a term that one key's index
// finds by itself (a class equal to a value, a name from a letter on) reads through that
// index when the term holds few records, and through the order's own index otherwise, so
// that neither a rare class nor a common one makes a page read the whole file. Counts come
// from the engine: through a key's index when a term fits one, as the whole less the
// records of the opposite term when that one fits (every class but "Everything"), from the
// kept count of the file, or by the engine's own plan as the last resort.
namespace store {

namespace {
// Up to this many records of a term are read through its own index and sorted; beyond it
// the order's index is read and the term tested on each record.
constexpr qint64 DriveLimit = 4000;
} // namespace

void SqlCipherCursor::setFilter(filter::Tree filter, filter::Resolver resolve) {
    if (!file_) return;
    std::lock_guard lock(file_->store().mutex());
    filter_ =
        filter ? std::make_unique<FilterSql>(file_->schema(), std::move(filter), std::move(resolve))
               : nullptr;
    planned_ = false;
    drive_ = 0;
    dropBatch();
}

void SqlCipherCursor::filterCondition(const std::vector<FilterTerm>& terms,
                                      SqlCondition& out) const {
    filter_->write(terms, out);
}

bool SqlCipherCursor::sameFirstField(int key, int other) const {
    const FileDef& def = file_->def();
    return key > 0 && other > 0 &&
           def.keys[key - 1].parts.front().field == def.keys[other - 1].parts.front().field;
}

int SqlCipherCursor::choosePlan() {
    if (planned_ && plannedFor_ == filter_->values()) return Ok;
    // Reading the order's index meets a record of the view in every records / view of its
    // entries, so a page costs that many times its rows; a term with fewer records than that
    // is better read through its own index and sorted. Without a count of the view, only a
    // term of few records is.
    qint64 limit = DriveLimit;
    // The index that sorts as the order does; without one, every page reads the whole file
    // unless a term's own index finds the records.
    const int sorting = order_.ownOrder() ? order_.key : leadingKey();
    if (!order_.ownOrder() && sorting == 0)
        limit = std::numeric_limits<qint64>::max() - 1;
    else if (counted_ >= 0 && countedOrder_ == order_ && countedFor_ == filter_->values()) {
        const qint64 records = file_->countRecords();
        const qint64 rows = firstBatch_ > 0 ? firstBatch_ : 20;
        if (records > 0) limit = std::max(limit, records * rows / (counted_ + 1));
    }
    drive_ = 0;
    qint64 fewest = limit;
    for (const FilterTerm& t : filter_->terms()) {
        const int key = filter_->drivingKey(t);
        if (key == 0) continue;
        if (sameFirstField(key, sorting)) { // the order's own index finds them already
            drive_ = 0;
            break;
        }
        const qint64 n = countWith({t}, key, false, fewest + 1);
        if (n < 0) return status_.code;
        if (n <= fewest) {
            fewest = n;
            drive_ = key;
        }
    }
    planned_ = true;
    plannedFor_ = filter_->values();
    return codes::ok(status_);
}

qint64 SqlCipherCursor::count() {
    if (!file_) return usable(), -1;
    std::lock_guard lock(file_->store().mutex());
    if (usable() != Ok) return -1;
    SqlCipherStore::ReadScope scope(file_->store());
    if (!filter_) return countAll();
    filter_->resolve();
    const qint64 n = countTerms(filter_->terms());
    if (n < 0) return n;
    codes::ok(status_);
    if (n != counted_ || countedFor_ != filter_->values() || !(countedOrder_ == order_))
        planned_ = false; // the view's size weighs in the plan
    counted_ = n;
    countedOrder_ = order_;
    countedFor_ = filter_->values();
    return n;
}

qint64 SqlCipherCursor::countAll() {
    const FileDef& def = file_->def();
    const int key = order_.key;
    if (key == 0 || !def.keys[key - 1].optional) {
        const qint64 n = file_->countRecords();
        if (n < 0) takeFileStatus();
        return n;
    }
    if (const qint64 n = file_->countKey(key); n >= 0) return n;
    return countWith({}, key, true);
}

qint64 SqlCipherCursor::countTerms(const std::vector<FilterTerm>& terms) {
    if (terms.empty()) return countAll();
    // A term that a key's index finds: the fewest records, where there is a choice.
    std::vector<std::pair<FilterTerm, int>> found;
    for (const FilterTerm& t : terms)
        if (const int key = filter_->drivingKey(t)) found.emplace_back(t, key);
    int driving = found.size() == 1 ? found.front().second : 0;
    qint64 fewest = -1;
    for (size_t i = 0; found.size() > 1 && i < found.size(); ++i) {
        const qint64 n = countWith({found[i].first}, found[i].second, false, DriveLimit);
        if (n < 0) return -1;
        if (fewest < 0 || n < fewest) {
            fewest = n;
            driving = found[i].second;
        }
    }
    if (driving != 0) return countWith(terms, driving, true);
    // A term whose opposite a key's index finds: all of the others, less those of the
    // opposite.
    for (size_t i = 0; i < terms.size(); ++i) {
        const FilterTerm opposite{terms[i].node, !terms[i].negated};
        if (filter_->drivingKey(opposite) == 0) continue;
        std::vector<FilterTerm> rest = terms;
        rest.erase(rest.begin() + qsizetype(i));
        const qint64 all = countTerms(rest);
        if (all < 0) return -1;
        rest.push_back(opposite);
        const qint64 others = countTerms(rest);
        return others < 0 ? -1 : all - others;
    }
    return countWith(terms, 0, true);
}

qint64 SqlCipherCursor::countWith(const std::vector<FilterTerm>& terms, int index, bool inOrder,
                                  qint64 limit) {
    const Schema& schema = file_->schema();
    SqlCondition where(1);
    if (filter_) filter_->write(terms, where);
    QList<QByteArray> conditions;
    const int order = inOrder ? order_.key : 0;
    for (int key : {order, index == order ? 0 : index})
        if (key > 0 && !schema.keyPredicate(key).isEmpty()) conditions << schema.keyPredicate(key);
    if (!where.text.isEmpty()) conditions << where.text;
    const QByteArray body =
        schema.from(index) + (conditions.isEmpty() ? "" : " WHERE " + conditions.join(" AND "));
    const QByteArray text = limit > 0 ? "SELECT count(*) FROM (SELECT 1" + body + " LIMIT " +
                                            QByteArray::number(limit) + ')'
                                      : "SELECT count(*)" + body;
    sql::Stmt* s = statement(text);
    if (!s) return -1;
    sql::ResetGuard reset(*s);
    std::vector<QByteArray> texts;
    bindCondition(*s, where, texts);
    const int rc = s->step();
    if (rc != SQLITE_ROW) return engineFail(rc), -1;
    return sqlite3_column_int64(*s, 0);
}

} // namespace store
