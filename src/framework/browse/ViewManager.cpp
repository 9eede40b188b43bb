#include "framework/browse/ViewManager.h"

#include "framework/filter/Evaluate.h"
#include "framework/filter/Parser.h"
#include "framework/filter/Variables.h"
#include "framework/store/Positions.h"

#include <QStringList>
#include <algorithm>

namespace {

// The code a filter that is no filter is reported with, beside the text saying why.
constexpr int InvalidFilter = 801;

FieldValue blankOf(const FieldDef& f) {
    return f.isText() ? FieldValue(QString()) : FieldValue(qint64(0));
}

} // namespace

ViewManager::~ViewManager() {
    Kill();
}

void ViewManager::Init(RelationGuard& primary) {
    Primary = &primary;
    File = primary.File;
    Errors = File->Errors;
    Buffer = File->Buffer;
}

int ViewManager::AddSortOrder(int key) {
    SortOrder order;
    order.MainKey = key;
    Orders.push_back(order);
    Sort = int(Orders.size()) - 1;
    updateFreeElement(Orders.back());
    return int(Orders.size());
}

void ViewManager::AddRange(int field, const FieldValue& value) {
    SortOrder& o = CurrentOrder();
    o.RangeList.push_back({field, [value] { return value; }, value});
    o.LimitType = LimitSingle;
    updateFreeElement(o);
}

void ViewManager::AddRange(int field, std::function<FieldValue()> variable) {
    SortOrder& o = CurrentOrder();
    o.RangeList.push_back({field, std::move(variable), {}});
    o.LimitType = LimitCurrent;
    updateFreeElement(o);
}

void ViewManager::AddRange(int field, std::function<FieldValue()> low,
                           std::function<FieldValue()> high) {
    SortOrder& o = CurrentOrder();
    o.RangeList.push_back({field, std::move(low), {}});
    o.RangeList.push_back({field, std::move(high), {}});
    o.LimitType = LimitRange;
    updateFreeElement(o);
}

void ViewManager::AddRange(int field, RelationGuard& related) {
    SortOrder& o = CurrentOrder();
    int parentField = -1;
    for (const RelationGuard::Relation& r : Primary->Relations)
        if (r.File == &related)
            for (const RelationGuard::FieldPair& p : r.Fields)
                if (p.Own == field) parentField = p.Other;
    RecordBuffer* parent = related.File->Buffer;
    o.RangeList.push_back({field,
                           [parent, parentField, this, field] {
                               return parentField >= 0 ? parent->value(parentField)
                                                       : blankOf(File->File->def().fields[field]);
                           },
                           {}});
    o.LimitType = LimitFile;
    updateFreeElement(o);
}

// The first component of the key that the range does not fix; a bounded last range field
// stays free.
void ViewManager::updateFreeElement(SortOrder& o) {
    o.FreeElement = -1;
    const store::Ordering order(o.MainKey, o.By);
    const std::vector<KeyPart>& parts = store::orderParts(File->File->def(), order);
    const bool limited = o.LimitType >= LimitSingle && o.LimitType <= LimitFile;
    size_t fixed = limited ? o.RangeList.size() : 0;
    if (limited && o.LimitType == LimitRange) fixed = fixed >= 2 ? fixed - 2 : 0;
    for (const KeyPart& part : parts) {
        bool isFixed = false;
        for (size_t i = 0; i < fixed; ++i)
            isFixed = isFixed || o.RangeList[i].Field == part.field;
        if (!isFixed) {
            o.FreeElement = part.field;
            return;
        }
    }
}

void ViewManager::SetFilter(const QString& expression, const QString& name) {
    std::vector<FilterEntry>& list = CurrentOrder().Filter;
    const QString key = name.left(30);
    auto it =
        std::find_if(list.begin(), list.end(), [&](const FilterEntry& f) { return f.Name == key; });
    if (expression.isEmpty()) {
        if (it != list.end()) list.erase(it);
        return;
    }
    if (it != list.end()) {
        it->Expression = expression;
        return;
    }
    list.push_back({key, expression});
    std::sort(list.begin(), list.end(),
              [](const FilterEntry& a, const FilterEntry& b) { return a.Name < b.Name; });
}

int ViewManager::SetOrder(const QString& expression) {
    CurrentOrder().Order = expression;
    if (!Opened) return LevelBenign;
    return ApplyOrder();
}

QString ViewManager::ColumnOrderText(int field, bool descending) const {
    const FileDef& def = File->File->def();
    auto item = [&](const KeyPart& p, bool flip) {
        return QLatin1String(p.descending != flip ? "-" : "+") + def.fields.at(p.field).label;
    };
    for (const KeyDef& k : def.keys) {
        if (k.parts.front().field != field) continue;
        const bool flip = k.parts.front().descending != descending;
        QStringList items;
        for (const KeyPart& p : k.parts)
            items << item(p, flip);
        return items.join(QLatin1String(", "));
    }
    return item({field, descending}, false);
}

store::Ordering ViewManager::ReadOrder() const {
    if (Orders.empty()) return {};
    const SortOrder& o = Orders[size_t(Sort)];
    return {o.MainKey, o.By};
}

bool ViewManager::SetSort(int order) {
    const int index = order - 1;
    if (index < 0 || index >= int(Orders.size()) || index == Sort) return false;
    Sort = index;
    if (Opened) {
        if (!ApplyRange()) ApplyFilter();
        ApplyOrder();
    }
    return true;
}

int ViewManager::Open() {
    if (Opened) return LevelBenign;
    if (File->UseFile() != LevelBenign) return LevelFatal;
    View = File->File->cursor();
    Opened = true;
    View->setBatch(PageSize);
    View->setSkipMemos(SkipMemos);
    if (!ApplyRange()) ApplyFilter();
    ApplyOrder();
    return LevelBenign;
}

void ViewManager::Close() {
    View.reset();
    Opened = false;
}

void ViewManager::Kill() {
    Close();
    Orders.clear();
}

QString ViewManager::componentName(const SortOrder& order, int field) const {
    if (order.MainKey > 0)
        for (const FileManager::KeyEntry& k : File->Keys)
            if (k.Key == order.MainKey)
                for (const FileManager::ComponentEntry& c : k.Fields)
                    if (c.Field == field) return c.FieldName;
    return File->File->def().fields.at(field).label;
}

QString ViewManager::valueText(const QString& name, int field, const FieldValue& value) const {
    const FieldDef& f = File->File->def().fields.at(field);
    if (!f.isText()) return filter::toText(filter::fieldValue(f, std::get<qint64>(value)));
    QString text = std::holds_alternative<QString>(value)
                       ? std::get<QString>(value)
                       : QString::number(std::get<qint64>(value));
    text = QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
    return name.startsWith(QLatin1String("UPPER("), Qt::CaseInsensitive)
               ? QStringLiteral("UPPER(%1)").arg(text)
               : text;
}

// The range as conditions on the key's components, then every named filter in name order.
QString ViewManager::buildFilterText(SortOrder& o) {
    QStringList parts;
    QString text;
    const std::vector<RangeEntry>& r = o.RangeList;
    auto entry = [&](size_t i, const char* op) {
        const QString name = componentName(o, r[i].Field);
        return name + QLatin1String(op) + valueText(name, r[i].Field, r[i].Applied);
    };
    if (o.LimitType == LimitRange && r.size() >= 2) {
        for (size_t i = 0; i + 2 < r.size(); ++i)
            parts << entry(i, " = ");
        parts << entry(r.size() - 2, " >= ");
        text = parts.join(QLatin1String(" AND ")) + QLatin1String(" AND ") +
               entry(r.size() - 1, " <= ");
    } else if (o.LimitType >= LimitSingle && o.LimitType <= LimitFile) {
        for (size_t i = 0; i < r.size(); ++i)
            parts << entry(i, " = ");
        text = parts.join(QLatin1String(" AND "));
    }
    for (const FilterEntry& f : o.Filter)
        text += (text.isEmpty() ? QStringLiteral("(") : QStringLiteral(" AND (")) + f.Expression +
                QLatin1Char(')');
    return text;
}

bool ViewManager::ApplyRange() {
    if (Orders.empty()) return false;
    SortOrder& o = CurrentOrder();
    if (o.LimitType < LimitSingle || o.LimitType > LimitFile) return false;
    bool changed = false;
    for (RangeEntry& e : o.RangeList) {
        const FieldValue now = e.Value ? e.Value() : FieldValue();
        if (now != e.Applied) {
            e.Applied = now;
            changed = true;
        }
    }
    if (changed && Opened) ApplyFilter();
    return changed;
}

void ViewManager::ApplyFilter() {
    if (!Opened || Orders.empty()) return;
    filterText_ = buildFilterText(CurrentOrder());
    if (filterText_.size() > FilterTextLimit) {
        viewError(QStringLiteral("the filter is longer than %1 characters").arg(FilterTextLimit));
        return;
    }
    const FileDef& def = File->File->def();
    const filter::Parsed parsed = filter::parse(filterText_, def, filter::isBound);
    if (!parsed.ok()) {
        viewError(parsed.error);
        return;
    }
    View->setFilter(parsed.tree, filter::boundValue);
}

int ViewManager::ApplyOrder() {
    if (!Opened || Orders.empty()) return LevelBenign;
    SortOrder& o = CurrentOrder();
    o.By.clear();
    int level = LevelBenign;
    const FileDef& def = File->File->def();
    const std::vector<KeyPart> none;
    const std::vector<KeyPart>& parts = o.MainKey > 0 ? def.keys[o.MainKey - 1].parts : none;
    const QStringList items = o.Order.split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool restates = items.size() <= int(parts.size());
    std::vector<KeyPart> by;
    for (int i = 0; i < items.size() && level == LevelBenign; ++i) {
        QString item = items[i].trimmed();
        const bool descending = item.startsWith(QLatin1Char('-'));
        if (item.startsWith(QLatin1Char('-')) || item.startsWith(QLatin1Char('+')))
            item = item.mid(1).trimmed();
        if (item.startsWith(QLatin1String("UPPER("), Qt::CaseInsensitive) &&
            item.endsWith(QLatin1Char(')')))
            item = item.mid(6, item.size() - 7).trimmed();
        const int field = def.fieldIndex(item);
        if (field < 0 || def.fields[field].type == FieldType::Memo) {
            viewError(QStringLiteral("%1 has no field %2 to sort by").arg(def.label, item), false);
            level = LevelFatal;
            break;
        }
        by.push_back({field, descending});
        restates = restates && i < int(parts.size()) && parts[i].field == field &&
                   parts[i].descending == descending;
    }
    if (level == LevelBenign && !restates) o.By = std::move(by);
    updateFreeElement(o);
    View->setOrder(ReadOrder());
    return level;
}

// The message says why; a filter that is no filter is dropped with the range.
void ViewManager::viewError(const QString& why, bool dropFilter) {
    if (dropFilter) {
        if (View) View->setFilter(nullptr, nullptr);
        filterText_.clear();
    }
    if (!Errors) return;
    store::Status status;
    status.code = InvalidFilter;
    status.text = QStringLiteral("Invalid filter: %1").arg(why);
    Errors->SetErrors(status);
    Errors->SetFile(File->Name());
    Errors->Raise(MsgViewOpenError);
}

int ViewManager::readLevel(int code) {
    switch (code) {
    case store::Ok:
        return LevelBenign;
    case store::NoRecord:
        return LevelNotify;
    case store::RecordHeld:
        if (File->SkipHeldRecords) return -1; // read on
        [[fallthrough]];
    default:
        if (Errors) {
            Errors->SetErrors(View->status());
            Errors->SetFile(File->Name());
            Errors->Raise(MsgRetrievalError);
        }
        return LevelFatal;
    }
}

int ViewManager::Next() {
    if (!Opened && Open() != LevelBenign) return LevelFatal;
    for (;;)
        if (const int level = readLevel(View->next(*Buffer)); level >= 0) return level;
}

int ViewManager::Previous() {
    if (!Opened && Open() != LevelBenign) return LevelFatal;
    for (;;)
        if (const int level = readLevel(View->previous(*Buffer)); level >= 0) return level;
}

int ViewManager::PositionAt(const RecordBuffer& values) {
    if (!Opened && Open() != LevelBenign) return LevelFatal;
    return View->setOrderAt(ReadOrder(), values) == store::Ok ? LevelBenign : LevelFatal;
}

int ViewManager::PositionAt(const QByteArray& position) {
    if (!Opened && Open() != LevelBenign) return LevelFatal;
    return View->setOrderAtPosition(position) == store::Ok ? LevelBenign : LevelFatal;
}

int ViewManager::PositionAtStart() {
    if (!Opened && Open() != LevelBenign) return LevelFatal;
    return View->setOrder(ReadOrder()) == store::Ok ? LevelBenign : LevelFatal;
}

std::unique_ptr<store::Cursor> ViewManager::CopyOfView() {
    if (!Opened && Open() != LevelBenign) return nullptr;
    std::unique_ptr<store::Cursor> copy = File->File->cursor();
    copy->setSkipMemos(true);
    if (!filterText_.isEmpty()) {
        const filter::Parsed parsed =
            filter::parse(filterText_, File->File->def(), filter::isBound);
        if (parsed.ok()) copy->setFilter(parsed.tree, filter::boundValue);
    }
    copy->setOrder(ReadOrder());
    return copy;
}

qint64 ViewManager::Count() {
    if (!Opened && Open() != LevelBenign) return -1;
    View->setOrder(ReadOrder());
    return View->count();
}

int ViewManager::ValidateRecord() {
    if (Orders.empty()) return 0;
    SortOrder& o = CurrentOrder();
    const RecordBuffer& r = *Buffer;
    if (o.LimitType >= LimitSingle && o.LimitType <= LimitFile) {
        const std::vector<RangeEntry>& list = o.RangeList;
        const size_t equal =
            o.LimitType == LimitRange && list.size() >= 2 ? list.size() - 2 : list.size();
        for (size_t i = 0; i < equal; ++i)
            if (!RecordBuffer::sameKeyValue(r.value(list[i].Field), list[i].Applied)) return 1;
        if (equal < list.size()) {
            const int field = list[equal].Field;
            const FieldDef& f = r.def().fields[field];
            auto asValue = [&](const FieldValue& v) -> filter::Value {
                if (const auto* n = std::get_if<qint64>(&v)) return filter::fieldValue(f, *n);
                return std::get<QString>(v);
            };
            const filter::Kind kind = f.isText() ? filter::Kind::Text : filter::Kind::Number;
            const filter::Value v = asValue(r.value(field));
            if (filter::compare(v, asValue(list[equal].Applied), kind, true) < 0 ||
                filter::compare(v, asValue(list[equal + 1].Applied), kind, true) > 0)
                return 1;
        }
    }
    if (o.Filter.empty()) return 0;
    QString text;
    for (const FilterEntry& f : o.Filter)
        text += (text.isEmpty() ? QStringLiteral("(") : QStringLiteral(" AND (")) + f.Expression +
                QLatin1Char(')');
    const filter::Parsed parsed = filter::parse(text, r.def(), filter::isBound);
    if (!parsed.ok() || !parsed.tree) return 0; // a filter that does not parse is not applied
    return filter::matches(*parsed.tree, r, filter::boundValue) ? 0 : 2;
}

int ViewManager::PrimeRecord(bool suppressClear) {
    RecordBuffer& record = *File->Buffer;
    if (!suppressClear) record.clear(); // the view holds the primary file alone
    if (!Orders.empty()) {
        SortOrder& o = CurrentOrder();
        if (o.LimitType >= LimitSingle && o.LimitType <= LimitFile) {
            ApplyRange();
            const size_t count = o.LimitType == LimitRange && o.RangeList.size() >= 2
                                     ? o.RangeList.size() - 2
                                     : o.RangeList.size();
            for (size_t i = 0; i < count; ++i)
                record.setValue(o.RangeList[i].Field, o.RangeList[i].Applied);
        }
    }
    return File->PrimeRecord(true);
}
