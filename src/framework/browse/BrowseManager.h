#pragma once

#include "framework/browse/BrowseRow.h"
#include "framework/browse/Locators.h"
#include "framework/browse/StepManager.h"
#include "framework/browse/ViewManager.h"
#include "framework/window/WindowParts.h"

#include <functional>
#include <memory>
#include <vector>

class BrowseList;
class WindowController;

// A list of records: a view that keeps only the rows the list shows, pages through the view
// as the user scrolls, positions by a typed value (locators) or by the thumb (step
// managers), and carries out the insert, change, delete, select and print buttons by
// calling the form procedure with a request.
class BrowseManager : public ViewManager, public BrowseLink, public ToolbarTarget {
public:
    enum class Direction { Down, Up };

    // What a browse adds to each sort order.
    struct BrowseOrder {
        ::Locator* Locator = nullptr;
        StepManager* Thumb = nullptr;
        std::vector<std::function<FieldValue()>> Resets;
        std::vector<FieldValue> ResetValues;
    };

    BrowseManager();
    ~BrowseManager() override;

    // The list control, the window that owns it and the primary file.
    void Init(BrowseList& list, WindowController& window, RelationGuard& primary);
    // A sort order with its thumb's step manager (may be none); its number counts from 1.
    int AddSortOrder(StepManager* thumb, int key);
    using ViewManager::AddSortOrder;
    // The locator of the order being set up.
    void AddLocator(::Locator* locator);
    // A field of the rows, in the order of the list's fields.
    void AddField(int field);
    // A value whose change refills the list of the order being set up.
    void AddResetField(std::function<FieldValue()> value);

    bool SetSort(int order) override;
    // Sorts the records of every order by an order expression (ColumnOrderText), or by each
    // order's key again when it is empty, keeping the current record where it can. A column
    // order brings a thumb and a locator of its own, fit for the field's kind.
    void SetColumnOrder(const QString& expression);
    bool ColumnOrdered() const { return !Orders.empty() && !Orders[size_t(Sort)].By.empty(); }
    // Refills the list when what it depends on changed (or always, forced), keeping the
    // current record at its row where it can.
    void ResetSort(bool force) override;
    // Reads ItemsToFill more rows below the last or above the first: 0, 5 at the end of the
    // view, 3 after a read error.
    int Fetch(Direction direction);
    void ScrollOne(EventKind kind);
    void ScrollPage(EventKind kind);
    void ScrollEnd(EventKind kind);

    int TakeEvent(const WindowEvent& event) override;
    void TakeNewSelection();
    void TakeScroll(EventKind kind, int position = 0);
    void TakeKey(int keyCode);
    // Refills the list from the first record at or after the value of the free element.
    void TakeLocate(const QString& value);

    // Calls the form with a request (1 insert, 2 change, 3 delete) until no navigation
    // request is left; the form's response.
    int Ask(int request);
    void ResetFromAsk(int& request, int& response);

    void UpdateBuffer() override;
    void UpdateWindow() override;
    bool Changed() const override { return changed_; }
    int ListControl() const override { return ListControlNumber; }
    void Kill() override;

    int TakeToolbar(int button) override;
    void DisplayButtons() override;
    int Control() const override { return ListControlNumber; }

    // The popup menu's text for the list now ("&Insert|~&Change|..."), and the control
    // behind each of its items in order.
    QString PopupText(std::vector<int>* controls = nullptr) const;

    int AskProcedure = 0; // the form; 0 edits in place (not used by this system)
    int ChangeControl = 0;
    int CurrentChoice = 0; // 1-based; 0 for an empty list
    int DeleteControl = 0;
    bool FileLoaded = false; // the whole view is in the list
    bool HideSelect = false;
    int InsertControl = 0;
    int ItemsToFill = 0;
    int LastItems = 0; // rows the list showed at the last fill
    BrowseList* List = nullptr;
    int ListControlNumber = 0;
    std::vector<BrowseRow> ListQueue;
    int PrintControl = 0;
    int PrintProcedure = 0;
    int QueryControl = 0;
    bool QuickScan = true;
    bool RetainRow = true;
    int SelectControl = 0;
    bool Selecting = false;
    int ToolControl = 0;
    WindowController* Window = nullptr;
    std::vector<int> Fields;
    std::vector<BrowseOrder> BrowseOrders;

private:
    BrowseOrder& currentBrowseOrder() { return BrowseOrders.at(size_t(Sort)); }
    ::Locator* locator();
    StepManager* thumb() const;
    void columnTools();
    // Refills the page around a row's record, shown at `row` where the view allows.
    void keepRow(const BrowseRow& current, int row);
    BrowseRow rowOf(const RecordBuffer& record) const;
    int visibleRows() const;
    bool resetValuesChanged();
    // Reads up to `count` rows in a direction from the view as positioned; 5 at its end.
    int readRows(Direction direction, int count, std::vector<BrowseRow>& out);
    // The page around a position: its record at `row` where the view allows; false when the
    // record is not in the view.
    bool fillAround(const QByteArray& position, qint64 record, int row);
    // The page from the first record at or after the values in `at` (the start when null).
    void fillFrom(const RecordBuffer* at);
    void fillFromEnd();
    void removeCurrentRow();
    void locateAt(const FieldValue& value);
    FieldValue freeValueOf(const BrowseRow& row) const;
    QByteArray positionIn(const BrowseRow& row, const store::Ordering& order);
    void setThumbLimits();
    int thumbPercent() const;
    void quickScan(bool on);
    bool pressControl(int control);
    void showPopup();
    void afterScroll();

    OwnedRecord* row_ = nullptr; // the record the view reads into
    std::unique_ptr<OwnedRecord> rowRecord_;
    std::unique_ptr<StepManager> columnThumb_;
    std::unique_ptr<::Locator> columnLocator_;
    bool changed_ = false;
    bool atStart_ = false; // the first row is the view's first record
    bool atEnd_ = false;   // the last row is the view's last record
};
