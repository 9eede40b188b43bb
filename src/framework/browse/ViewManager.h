#pragma once

#include "framework/ErrorManager.h"
#include "framework/RelationGuard.h"
#include "framework/filter/Expression.h"
#include "framework/store/RecordStore.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// A view over a primary file: sort orders (each a key with its range limits and named
// filters), read through a cursor of its own. The filter text of an order is built from its
// range and its filters, parsed, and evaluated by the store; a text that does not parse
// raises "View Open Error" and the view goes on without filter and range.
class ViewManager {
public:
    enum LimitKind : int {
        LimitNone = 0,
        LimitSingle = 1,  // every range field equal to a value fixed when the range was set
        LimitCurrent = 2, // every range field equal to a variable's value at each reset
        LimitRange = 3,   // the last range field between a low and a high value
        LimitFile = 4,    // the range fields equal to fields of the related (parent) record
    };
    struct RangeEntry {
        int Field = -1;
        std::function<FieldValue()> Value; // the limit value now
        FieldValue Applied;                // the value the filter text was built with
    };
    struct FilterEntry {
        QString Name; // up to 30 characters; the list is kept sorted by name
        QString Expression;
    };
    struct SortOrder {
        std::vector<FilterEntry> Filter;
        int FreeElement = -1; // field of the first key component not fixed by the range
        int LimitType = LimitNone;
        int MainKey = 0; // key number in the file's description; 0 record order
        QString Order;
        std::vector<RangeEntry> RangeList;
        // The fields the order expression sorts the key's records by; empty when the key
        // gives the order.
        std::vector<KeyPart> By;
    };

    static constexpr const char* StandardFilter = "5 Standard";
    static constexpr int FilterTextLimit = 5000;

    ViewManager() = default;
    virtual ~ViewManager();
    ViewManager(const ViewManager&) = delete;
    ViewManager& operator=(const ViewManager&) = delete;

    void Init(RelationGuard& primary);
    // A sort order by a key (0: record order); it becomes the order being set up. Its number
    // counts from 1.
    int AddSortOrder(int key);
    // Range limits of the order being set up, on its key's leading components.
    void AddRange(int field, const FieldValue& value);
    void AddRange(int field, std::function<FieldValue()> variable);
    void AddRange(int field, std::function<FieldValue()> low, std::function<FieldValue()> high);
    void AddRange(int field, RelationGuard& related);
    // Sets the named filter of the current order; an empty expression removes it.
    void SetFilter(const QString& expression, const QString& name = StandardFilter);
    // The order expression: field labels, each with an optional "+" (rising) or "-"
    // (falling), separated by commas. One that restates the key's components keeps the key's
    // order; any other sorts the key's records by its fields, then by record number (a
    // list sorted by a column). 40 is raised when it names no field of the file.
    virtual int SetOrder(const QString& expression);
    // The order expression that sorts by one field: the components of a key that begins
    // with it where there is one (its index can give the order), else the field alone.
    QString ColumnOrderText(int field, bool descending) const;
    // Makes an order current; true when it was not.
    virtual bool SetSort(int order);
    virtual int Open();
    virtual void Close();
    virtual void Kill();
    // Reads into Buffer: 0, 5 at the end of the view, 3 after "Record Retrieval Error".
    virtual int Next();
    virtual int Previous();
    // The view's order positioned at the key values in Buffer, or at a position string.
    int PositionAt(const RecordBuffer& values);
    int PositionAt(const QByteArray& position);
    int PositionAtStart();
    // 0 the record in Buffer belongs to the view, 1 out of the range, 2 filtered out.
    virtual int ValidateRecord();
    // Prepares the primary buffer for a record inserted into this view: cleared unless
    // suppressed, the range values copied in, then the file's own priming (its automatic
    // number is reserved).
    virtual int PrimeRecord(bool suppressClear = false);
    // Takes the range values anew; true when one changed (the filter was rebuilt).
    virtual bool ApplyRange();
    virtual void ApplyFilter();
    // Takes the order expression of the current order; 3 when it names no field to sort by.
    virtual int ApplyOrder();
    // The records of the view, counted by the engine; -1 after a failure.
    qint64 Count();
    // The filter text of the current order as the last ApplyFilter built it.
    const QString& FilterText() const { return filterText_; }
    SortOrder& CurrentOrder() { return Orders.at(size_t(Sort)); }
    int Key() const { return Orders.empty() ? 0 : Orders[size_t(Sort)].MainKey; }
    // The order the view reads in: the key's records, sorted as the order expression says.
    store::Ordering ReadOrder() const;
    store::Cursor* Cursor() { return View.get(); }
    // A cursor of its own that reads the view as it stands now: its records, filter and
    // order, memos left out. Null when the view cannot be opened.
    std::unique_ptr<store::Cursor> CopyOfView();

    RelationGuard* Primary = nullptr;
    FileManager* File = nullptr;
    ErrorManager* Errors = nullptr;
    // The record the view reads into: the primary file's buffer unless set otherwise.
    RecordBuffer* Buffer = nullptr;
    std::unique_ptr<store::Cursor> View;
    std::vector<SortOrder> Orders;
    int Sort = 0; // index of the current order
    bool Opened = false;
    bool SkipMemos = false; // the reads leave the memo fields of Buffer alone
    int PagesAhead = 0;
    int PagesBehind = 2;
    int PageSize = 20;
    int TimeOut = 60;

protected:
    // The name a range field has in the filter text: its key component's name.
    QString componentName(const SortOrder& order, int field) const;
    QString valueText(const QString& name, int field, const FieldValue& value) const;
    QString buildFilterText(SortOrder& order);
    void viewError(const QString& why, bool dropFilter = true);
    int readLevel(int code);
    void updateFreeElement(SortOrder& order);

private:
    QString filterText_;
};
