#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/browse/LocatorValue.h"
#include "framework/store/Positions.h"
#include "framework/window/WindowController.h"

#include <algorithm>

// Filling the list: only the rows it shows are read and kept. Every fill positions the view
// at a row's record (or at a value, or at an end) and reads a batch of one page from there.

namespace {
constexpr int ThumbTop = 0;
constexpr int ThumbBottom = 100;
} // namespace

int BrowseManager::visibleRows() const {
    return List ? std::max(1, List->visibleRows()) : PageSize;
}

BrowseRow BrowseManager::rowOf(const RecordBuffer& record) const {
    BrowseRow r;
    r.Values = record.values();
    r.Position = store::positionOf(record, ReadOrder());
    r.Identity = record.identity();
    return r;
}

QByteArray BrowseManager::positionIn(const BrowseRow& row, const store::Ordering& order) {
    if (order == ReadOrder() && !row.Position.isEmpty()) return row.Position;
    row_->setValues(row.Values);
    row_->setIdentity(row.Identity);
    return store::positionOf(*row_, order);
}

FieldValue BrowseManager::freeValueOf(const BrowseRow& row) const {
    const int field = Orders.empty() ? -1 : Orders[size_t(Sort)].FreeElement;
    return field >= 0 ? row.Values.at(size_t(field)) : FieldValue();
}

void BrowseManager::quickScan(bool on) {
    if (QuickScan && ItemsToFill > 1) Primary->SetQuickScan(on, 1);
}

// Up to `count` rows from where the view is positioned; 0 when more follow, 5 at the end of
// the view, 3 after a read error.
int BrowseManager::readRows(Direction d, int count, std::vector<BrowseRow>& out) {
    for (int i = 0; i <= count; ++i) {
        const int level = d == Direction::Down ? Next() : Previous();
        if (level != LevelBenign) return level;
        if (i == count) return LevelBenign; // one more exists
        out.push_back(rowOf(*row_));
    }
    return LevelBenign;
}

bool BrowseManager::SetSort(int order) {
    if (Orders.empty()) return false;
    const int before = Sort;
    // The current record, to be found again in the new order.
    std::optional<BrowseRow> current;
    if (CurrentChoice >= 1 && CurrentChoice <= int(ListQueue.size()))
        current = ListQueue[size_t(CurrentChoice - 1)];
    if (!ViewManager::SetSort(order)) return false;
    columnTools();
    if (current) keepRow(*current, CurrentChoice);
    if (Locator* l = locator()) l->Reset();
    return Sort != before;
}

void BrowseManager::SetColumnOrder(const QString& expression) {
    if (Orders.empty()) return;
    std::optional<BrowseRow> current;
    if (CurrentChoice >= 1 && CurrentChoice <= int(ListQueue.size()))
        current = ListQueue[size_t(CurrentChoice - 1)];
    for (SortOrder& o : Orders)
        o.Order = expression;
    if (!Opened) return;
    ApplyOrder();
    columnTools();
    if (Locator* l = locator()) l->Reset();
    setThumbLimits();
    if (current)
        keepRow(*current, CurrentChoice);
    else
        fillFrom(nullptr);
    changed_ = true;
}

void BrowseManager::keepRow(const BrowseRow& current, int row) {
    // Its position is one in the order it was read in: it is found again by its values.
    BrowseRow kept = current;
    kept.Position.clear();
    ListQueue = {kept};
    CurrentChoice = 1;
    ItemsToFill = visibleRows();
    LastItems = ItemsToFill;
    if (Opened && !fillAround(positionIn(kept, ReadOrder()), kept.Identity.record, row))
        fillFrom(nullptr);
    changed_ = true;
}

// A column order's free field gets a thumb and a locator of its kind: letters stepped for
// texts, typed values for numbers, dates and times.
void BrowseManager::columnTools() {
    columnThumb_.reset();
    columnLocator_.reset();
    if (!ColumnOrdered() || CurrentOrder().FreeElement < 0) return;
    const int field = CurrentOrder().FreeElement;
    bool descending = false;
    for (const KeyPart& p : CurrentOrder().By)
        if (p.field == field) descending = p.descending;
    const int direction = descending ? StepManager::Descending : 0;
    if (File->File->def().fields.at(size_t(field)).isText()) {
        auto steps = std::make_unique<StepStringManager>();
        steps->Init(StepManager::AllowAlpha | StepManager::AllowNumeric | direction);
        columnThumb_ = std::move(steps);
        columnLocator_ = std::make_unique<StepLocator>();
    } else {
        columnThumb_ = std::make_unique<StepLongManager>(direction);
        columnLocator_ = std::make_unique<IncrementalLocator>();
    }
    columnLocator_->FreeElement = field;
}

Locator* BrowseManager::locator() {
    if (columnLocator_) return columnLocator_.get();
    return BrowseOrders.empty() ? nullptr : currentBrowseOrder().Locator;
}

StepManager* BrowseManager::thumb() const {
    if (ColumnOrdered()) return columnThumb_.get();
    return BrowseOrders.size() > size_t(Sort) ? BrowseOrders[size_t(Sort)].Thumb : nullptr;
}

void BrowseManager::ResetSort(bool force) {
    if (Orders.empty()) return;
    changed_ = false;
    if (!Opened) {
        if (Open() != LevelBenign) return;
        columnTools();
        force = true;
    }
    const int rows = visibleRows();
    bool refill = force || rows != LastItems;
    if (resetValuesChanged()) refill = true;
    if (ApplyRange()) refill = true;
    if (!refill) return;
    ItemsToFill = rows;
    LastItems = rows;
    setThumbLimits();
    if (RetainRow && CurrentChoice >= 1 && CurrentChoice <= int(ListQueue.size())) {
        const BrowseRow current = ListQueue[size_t(CurrentChoice - 1)];
        if (fillAround(positionIn(current, ReadOrder()), current.Identity.record, CurrentChoice))
            return;
    }
    fillFrom(nullptr); // the record is gone: the first row
}

bool BrowseManager::fillAround(const QByteArray& position, qint64 record, int row) {
    const int rows = visibleRows();
    ItemsToFill = rows;
    View->setBatch(rows + 2);
    quickScan(true);
    std::vector<BrowseRow> after, before;
    PositionAt(position);
    const int down = readRows(Direction::Down, rows, after);
    if (after.empty() || after.front().Identity.record != record) {
        quickScan(false);
        return false;
    }
    int wantBefore = std::clamp(row - 1, 0, rows - 1);
    if (int(after.size()) < rows - wantBefore) wantBefore = rows - int(after.size());
    PositionAt(position);
    int up = Previous(); // the record itself
    if (up == LevelBenign) up = readRows(Direction::Up, wantBefore, before);
    quickScan(false);
    std::reverse(before.begin(), before.end());
    ListQueue = std::move(before);
    CurrentChoice = int(ListQueue.size()) + 1;
    atStart_ = up != LevelBenign;
    const int keep = rows - int(ListQueue.size());
    atEnd_ = down != LevelBenign && int(after.size()) <= keep;
    after.resize(std::min(after.size(), size_t(keep)));
    ListQueue.insert(ListQueue.end(), after.begin(), after.end());
    return true;
}

void BrowseManager::fillFrom(const RecordBuffer* at) {
    const int rows = visibleRows();
    ItemsToFill = rows;
    View->setBatch(rows + 2);
    quickScan(true);
    std::vector<BrowseRow> after, before;
    if (at)
        PositionAt(*at);
    else
        PositionAtStart();
    const int down = readRows(Direction::Down, rows, after);
    atEnd_ = down != LevelBenign;
    atStart_ = !at;
    int up = LevelNotify;
    if (!after.empty() && int(after.size()) < rows && at) {
        // Near the end: the rows before complete the page.
        PositionAt(after.front().Position);
        up = Previous();
        if (up == LevelBenign) up = readRows(Direction::Up, rows - int(after.size()), before);
        atStart_ = up != LevelBenign;
    } else if (after.empty() && at) {
        quickScan(false);
        fillFromEnd(); // nothing at or after the value: the last page
        return;
    }
    quickScan(false);
    std::reverse(before.begin(), before.end());
    ListQueue = std::move(before);
    CurrentChoice = after.empty() ? 0 : int(ListQueue.size()) + 1;
    ListQueue.insert(ListQueue.end(), after.begin(), after.end());
}

void BrowseManager::fillFromEnd() {
    const int rows = visibleRows();
    ItemsToFill = rows;
    View->setBatch(rows + 2);
    quickScan(true);
    std::vector<BrowseRow> before;
    PositionAtStart();
    const int up = readRows(Direction::Up, rows, before);
    quickScan(false);
    std::reverse(before.begin(), before.end());
    ListQueue = std::move(before);
    CurrentChoice = int(ListQueue.size());
    atEnd_ = true;
    atStart_ = up != LevelBenign;
}

int BrowseManager::Fetch(Direction d) {
    if (!Opened && Open() != LevelBenign) return LevelFatal;
    if (ListQueue.empty()) {
        d == Direction::Down ? fillFrom(nullptr) : fillFromEnd();
        return ListQueue.empty() ? LevelNotify : LevelBenign;
    }
    const int rows = visibleRows();
    const int count = std::max(1, ItemsToFill);
    const BrowseRow edge = d == Direction::Down ? ListQueue.back() : ListQueue.front();
    View->setBatch(count + 2);
    quickScan(true);
    PositionAt(edge.Position);
    std::vector<BrowseRow> fresh;
    // The record already shown is read first when it is still there: it is passed over.
    int level = d == Direction::Down ? Next() : Previous();
    if (level == LevelBenign && row_->identity().record != edge.Identity.record) {
        fresh.push_back(rowOf(*row_));
    }
    if (level == LevelBenign && int(fresh.size()) < count)
        level = readRows(d, count - int(fresh.size()), fresh);
    quickScan(false);
    if (level == LevelFatal) return level;
    if (d == Direction::Down) {
        ListQueue.insert(ListQueue.end(), fresh.begin(), fresh.end());
        const int drop = std::max(0, int(ListQueue.size()) - rows);
        ListQueue.erase(ListQueue.begin(), ListQueue.begin() + drop);
        CurrentChoice -= drop;
        atEnd_ = level != LevelBenign;
        if (drop > 0) atStart_ = false;
    } else {
        ListQueue.insert(ListQueue.begin(), fresh.rbegin(), fresh.rend());
        CurrentChoice += int(fresh.size());
        if (int(ListQueue.size()) > rows) ListQueue.resize(size_t(rows));
        atStart_ = level != LevelBenign;
        if (!fresh.empty()) atEnd_ = false;
    }
    return int(fresh.size()) < count ? LevelNotify : LevelBenign;
}

void BrowseManager::ScrollOne(EventKind kind) {
    if (ListQueue.empty()) return;
    ItemsToFill = 1;
    if (kind == EventKind::ScrollDown) {
        if (CurrentChoice < int(ListQueue.size())) {
            ++CurrentChoice;
        } else {
            Fetch(Direction::Down);
            CurrentChoice = int(ListQueue.size());
        }
    } else if (CurrentChoice > 1) {
        --CurrentChoice;
    } else {
        Fetch(Direction::Up);
        CurrentChoice = 1;
    }
}

void BrowseManager::ScrollPage(EventKind kind) {
    if (ListQueue.empty()) return;
    const int rows = visibleRows();
    ItemsToFill = rows;
    const bool down = kind == EventKind::PageDown;
    // Fetch keeps the current record's row number; the current row moves a page of records,
    // as far as the view goes.
    Fetch(down ? Direction::Down : Direction::Up);
    CurrentChoice =
        std::clamp(down ? CurrentChoice + rows : CurrentChoice - rows, 1, int(ListQueue.size()));
}

void BrowseManager::ScrollEnd(EventKind kind) {
    if (kind == EventKind::ScrollTop) {
        fillFrom(nullptr);
        CurrentChoice = ListQueue.empty() ? 0 : 1;
    } else {
        fillFromEnd();
    }
}

void BrowseManager::TakeScroll(EventKind kind, int position) {
    if (!Opened && Open() != LevelBenign) return;
    if (Locator* l = locator()) l->Reset();
    switch (kind) {
    case EventKind::ScrollUp:
    case EventKind::ScrollDown:
        ScrollOne(kind);
        break;
    case EventKind::PageUp:
    case EventKind::PageDown:
        ScrollPage(kind);
        break;
    case EventKind::ScrollTop:
    case EventKind::ScrollBottom:
        ScrollEnd(kind);
        break;
    case EventKind::ScrollDrag: {
        const StepManager* thumb = this->thumb();
        if (position <= 1) {
            ScrollEnd(EventKind::ScrollTop);
        } else if (position >= 100) {
            ScrollEnd(EventKind::ScrollBottom);
        } else if (FileLoaded && !ListQueue.empty()) {
            CurrentChoice =
                std::clamp(int(ListQueue.size()) * position / 100, 1, int(ListQueue.size()));
        } else if (thumb && CurrentOrder().FreeElement >= 0) {
            locateAt(thumb->GetValue(position));
        } else if (position < 50) {
            ScrollPage(EventKind::PageUp);
        } else if (position > 50) {
            ScrollPage(EventKind::PageDown);
        }
        break;
    }
    default:
        return;
    }
    afterScroll();
}

// The list moved: it is shown and the window is told of the new current row.
void BrowseManager::afterScroll() {
    UpdateWindow();
    Window->Post(controlEvent(EventKind::NewSelection, ListControlNumber));
}

void BrowseManager::TakeLocate(const QString& value) {
    if (!Opened && Open() != LevelBenign) return;
    const int field = CurrentOrder().FreeElement;
    if (field < 0) return;
    bool descending = false;
    const store::Ordering order = ReadOrder();
    for (const KeyPart& p : store::orderParts(File->File->def(), order))
        if (p.field == field) descending = p.descending;
    // A value not complete yet (a date half typed) leaves the list where it is.
    if (const std::optional<FieldValue> v =
            LocatorValue::of(File->File->def().fields.at(size_t(field)), value, descending))
        locateAt(*v);
    afterScroll();
}

// The page from the first record at or after a value of the free element: the range fields
// keep their values, the components after it start their order.
void BrowseManager::locateAt(const FieldValue& value) {
    const SortOrder& o = CurrentOrder();
    const store::Ordering order = ReadOrder();
    if ((order.key == 0 && order.ownOrder()) || o.FreeElement < 0) return;
    row_->clear();
    if (o.LimitType >= LimitSingle && o.LimitType <= LimitFile)
        for (const RangeEntry& r : o.RangeList)
            row_->setValue(r.Field, r.Applied);
    const FileDef& def = File->File->def();
    bool after = false;
    for (const KeyPart& part : store::orderParts(def, order)) {
        const FieldDef& f = def.fields.at(size_t(part.field));
        if (part.field == o.FreeElement) {
            row_->setValue(part.field, value);
            after = true;
        } else if (after) {
            if (f.isText() || !part.descending)
                row_->clearField(part.field);
            else
                row_->setValue(part.field, f.highest());
        }
    }
    fillFrom(row_);
}

void BrowseManager::setThumbLimits() {
    StepManager* thumb = this->thumb();
    const int field = CurrentOrder().FreeElement;
    if (!thumb || field < 0) return;
    View->setBatch(1);
    PositionAtStart();
    if (Next() != LevelBenign) return;
    const FieldValue first = row_->value(field);
    PositionAtStart();
    if (Previous() != LevelBenign) return;
    thumb->SetLimits(first, row_->value(field));
}

int BrowseManager::thumbPercent() const {
    if (ListQueue.empty()) return ThumbTop;
    if (FileLoaded) return 100 * (CurrentChoice - 1) / std::max(1, int(ListQueue.size()) - 1);
    if (atStart_ && CurrentChoice == 1) return ThumbTop;
    if (atEnd_ && CurrentChoice == int(ListQueue.size())) return ThumbBottom;
    const StepManager* thumb = this->thumb();
    if (thumb && Orders[size_t(Sort)].FreeElement >= 0)
        return std::clamp(thumb->GetPercentile(freeValueOf(ListQueue[size_t(CurrentChoice - 1)])),
                          1, 99);
    return atStart_ ? 25 : atEnd_ ? 75 : 50;
}

void BrowseManager::removeCurrentRow() {
    if (CurrentChoice < 1 || CurrentChoice > int(ListQueue.size())) return;
    ListQueue.erase(ListQueue.begin() + (CurrentChoice - 1));
    // The gap is filled from below, or from above at the end of the view.
    ItemsToFill = 1;
    if (!ListQueue.empty() && Fetch(Direction::Down) != LevelBenign && !atStart_) {
        ItemsToFill = 1;
        Fetch(Direction::Up);
    } else if (ListQueue.empty()) {
        fillFrom(nullptr);
    }
    CurrentChoice = std::clamp(CurrentChoice, ListQueue.empty() ? 0 : 1, int(ListQueue.size()));
}
