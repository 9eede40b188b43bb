#include "framework/store/Codes.h"
#include "framework/store/SqlCipherCursor.h"
#include "framework/store/SqlCipherFile.h"

// Orders that sort a key's records by other fields: a list sorted by one of its columns.
// When a key's index sorts as the column does, the records are read through it, depth by
// depth as in the key's own order; the records the index leaves out (a blank first
// component of an optional key) are read apart, before the others when the column rises
// and after them when it falls, since a blank sorts below every other value. Without such
// an index each batch is one pass over the file that keeps the next records beyond the
// place in the order.
namespace store {

namespace {

// Types whose blank value sorts below every other value they hold.
bool blankIsLowest(const FieldDef& f) {
    switch (f.type) {
    case FieldType::I32:
    case FieldType::Decimal:
        return false;
    default:
        return true;
    }
}

bool isBlank(const FieldValue& v) {
    if (const auto* n = std::get_if<qint64>(&v)) return *n == 0;
    const QString& t = std::get<QString>(v);
    for (QChar c : t)
        if (c != QLatin1Char(' ')) return false;
    return true;
}

} // namespace

int SqlCipherCursor::leadingKey() const {
    if (order_.ownOrder()) return order_.key;
    const FileDef& def = file_->def();
    const std::vector<KeyPart>& by = order_.by;
    for (int k = 1; k <= int(def.keys.size()); ++k) {
        const KeyDef& key = def.keys[k - 1];
        if (key.parts.size() != by.size()) continue;
        bool same = true, reversed = true;
        for (size_t i = 0; i < by.size(); ++i) {
            if (key.parts[i].field != by[i].field) same = reversed = false;
            same = same && key.parts[i].descending == by[i].descending;
            reversed = reversed && key.parts[i].descending != by[i].descending;
        }
        if (!same && !reversed) continue;
        if (key.optional && !blankIsLowest(def.fields[by.front().field])) return 0;
        return k;
    }
    return 0;
}

// The records read apart from the index: there may be some unless the counts kept for the
// file say that the index holds every record and none of them has a blank first component.
bool SqlCipherCursor::blanksPossible(int lead) {
    const FileDef& def = file_->def();
    const KeyDef& key = def.keys[lead - 1];
    if (order_.key == lead && key.parts.size() == 1) return false; // the order holds none
    const qint64 all = file_->countRecords();
    const qint64 held = file_->countKey(lead);
    if (all < 0 || held < 0 || all > held) return true;
    if (key.parts.size() == 1) return false;
    const Schema& schema = file_->schema();
    sql::Stmt* s =
        statement("SELECT 1" + schema.from(lead) + " WHERE " + schema.keyPredicate(lead) + " AND " +
                  schema.blank(key.parts.front().field, true) + " LIMIT 1");
    if (!s) return true;
    sql::ResetGuard reset(*s);
    return s->step() == SQLITE_ROW;
}

std::vector<SqlCipherCursor::Segment> SqlCipherCursor::segments(Direction dir) {
    // A term that its own index finds holds few records: they are read and sorted.
    const int lead = drive_ ? 0 : leadingKey();
    if (lead == 0) return {{Segment::Whole, false}};
    if (!file_->def().keys[lead - 1].optional) return {{Segment::Whole, true}};
    std::vector<Segment> out{{Segment::Filled, true}};
    if (blanksPossible(lead)) {
        const bool blankFirst = (dir == Direction::Forward) != order_.by.front().descending;
        out.insert(blankFirst ? out.begin() : out.end(), Segment{Segment::Blank, false});
    }
    return out;
}

int SqlCipherCursor::fillColumns(Direction dir, const Anchor& from, const SqlCondition* filter,
                                 int limit) {
    const std::vector<Segment> list = segments(dir);
    size_t first = 0;
    const KeyPoint* point = from.kind == Anchor::At ? &from.point : nullptr;
    if (point && list.size() > 1) {
        const bool blank = isBlank(point->values.front());
        for (size_t i = 0; i < list.size(); ++i)
            if ((list[i].kind == Segment::Blank) == blank) first = i;
    }
    for (size_t i = first; i < list.size(); ++i) {
        const int left = limit - int(batchLength_);
        if (left <= 0) break;
        if (readSegment(list[i], dir, i == first ? point : nullptr, left, filter) != Ok)
            return status_.code;
    }
    return codes::ok(status_);
}

int SqlCipherCursor::readSegment(const Segment& segment, Direction dir, const KeyPoint* from,
                                 int limit, const SqlCondition* filter) {
    const Schema& schema = file_->schema();
    SqlCondition condition = filter ? *filter : SqlCondition(schema.firstFilterParam(order_));
    if (segment.kind != Segment::Whole) {
        const QByteArray part =
            schema.blank(order_.by.front().field, segment.kind == Segment::Blank);
        condition.text = condition.text.isEmpty() ? part : part + " AND " + condition.text;
    }
    // Without an index that sorts alike, one pass over the records: an index that merely
    // holds them (an optional key's) would cost a look-up per record.
    const int index = segment.indexed ? leadingKey() : drive_ ? drive_ : Schema::NoIndex;
    if (!from)
        return runRange(order_, dir, -1, nullptr, limit, batch_, batchLength_, &condition, index);
    if (!segment.indexed)
        return runRange(order_, dir, Beyond, from, limit, batch_, batchLength_, &condition, index);
    for (int depth = int(order_.by.size()); depth >= 0; --depth) {
        const int left = limit - int(batchLength_);
        if (left <= 0) break;
        if (runRange(order_, dir, depth, from, left, batch_, batchLength_, &condition, index) != Ok)
            return status_.code;
    }
    return codes::ok(status_);
}

} // namespace store
