#include "framework/browse/BrowseManager.h"

#include "framework/browse/BrowseList.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowController.h"

// Set-up, events, keys, buttons and the popup menu of a browse.

BrowseManager::BrowseManager() = default;

BrowseManager::~BrowseManager() {
    BrowseManager::Kill();
}

void BrowseManager::Init(BrowseList& list, WindowController& window, RelationGuard& primary) {
    ViewManager::Init(primary);
    List = &list;
    Window = &window;
    ListControlNumber = list.control();
    rowRecord_ = std::make_unique<OwnedRecord>(File->File->def());
    row_ = rowRecord_.get();
    Buffer = row_;
    SkipMemos = true;
    Selecting = window.Request == SelectRecord;
    window.AddBrowse(*this);
}

int BrowseManager::AddSortOrder(StepManager* thumb, int key) {
    const int number = ViewManager::AddSortOrder(key);
    BrowseOrders.resize(Orders.size());
    BrowseOrders.back().Thumb = thumb;
    if (thumb && CurrentOrder().FreeElement >= 0) {
        const KeyDef& k = File->File->def().keys.at(key - 1);
        for (const KeyPart& part : k.parts)
            if (part.field == CurrentOrder().FreeElement && part.descending)
                thumb->Controls |= StepManager::Descending;
    }
    return number;
}

void BrowseManager::AddLocator(Locator* locator) {
    BrowseOrders.resize(Orders.size());
    currentBrowseOrder().Locator = locator;
    if (locator) locator->FreeElement = CurrentOrder().FreeElement;
}

void BrowseManager::AddField(int field) {
    Fields.push_back(field);
}

void BrowseManager::AddResetField(std::function<FieldValue()> value) {
    BrowseOrders.resize(Orders.size());
    BrowseOrder& o = currentBrowseOrder();
    o.ResetValues.push_back(value());
    o.Resets.push_back(std::move(value));
}

bool BrowseManager::resetValuesChanged() {
    if (BrowseOrders.empty()) return false;
    BrowseOrder& o = currentBrowseOrder();
    bool changed = false;
    for (size_t i = 0; i < o.Resets.size(); ++i) {
        FieldValue now = o.Resets[i]();
        if (now != o.ResetValues[i]) {
            o.ResetValues[i] = std::move(now);
            changed = true;
        }
    }
    return changed;
}

void BrowseManager::Kill() {
    ListQueue.clear();
    columnThumb_.reset();
    columnLocator_.reset();
    ViewManager::Kill();
    BrowseOrders.clear();
}

int BrowseManager::TakeEvent(const WindowEvent& e) {
    if (e.Control == ListControlNumber && ListControlNumber != 0) {
        switch (e.Kind) {
        case EventKind::ScrollUp:
        case EventKind::ScrollDown:
        case EventKind::PageUp:
        case EventKind::PageDown:
        case EventKind::ScrollTop:
        case EventKind::ScrollBottom:
        case EventKind::ScrollDrag:
            TakeScroll(e.Kind, e.KeyCode);
            break;
        case EventKind::NewSelection:
            TakeNewSelection();
            break;
        case EventKind::Accepted: // a double-click
            if (!ListQueue.empty())
                pressControl(Selecting && SelectControl ? SelectControl : ChangeControl);
            break;
        case EventKind::AlertKey:
            TakeKey(e.KeyCode);
            break;
        case EventKind::Sized:
            ResetSort(false);
            UpdateWindow();
            break;
        default:
            break;
        }
        return LevelBenign;
    }
    if (e.Kind != EventKind::Accepted || e.Control == 0) return LevelBenign;
    if (e.Control == InsertControl) {
        Ask(InsertRecord);
    } else if (e.Control == ChangeControl) {
        if (!ListQueue.empty()) Ask(ChangeRecord);
    } else if (e.Control == DeleteControl) {
        if (!ListQueue.empty()) Ask(DeleteRecord);
    } else if (e.Control == SelectControl) {
        if (!ListQueue.empty()) {
            UpdateBuffer();
            Window->SetResponse(RequestCompleted);
        }
    } else if (e.Control == PrintControl) {
        UpdateBuffer();
        Window->RunProcedure(PrintProcedure, ProcessRecord);
    } else if (e.Control == ToolControl) {
        showPopup();
    }
    return LevelBenign;
}

void BrowseManager::TakeNewSelection() {
    const int row = List->currentRow();
    if (row >= 1 && row <= int(ListQueue.size())) CurrentChoice = row;
    UpdateBuffer();
}

void BrowseManager::TakeKey(int code) {
    const bool rows = !ListQueue.empty();
    if (code == Keys::MouseRight) {
        showPopup();
        return;
    }
    if (code == Keys::Insert && pressControl(InsertControl)) return;
    if (rows && code == Keys::Delete && pressControl(DeleteControl)) return;
    if (rows && code == Keys::CtrlEnter && pressControl(ChangeControl)) return;
    Locator* l = locator();
    if (!l) return;
    std::optional<QString> value;
    if (code == Keys::Backspace) {
        value = l->TakeBackspace();
    } else if (code & BrowseKeys::Character) {
        const char32_t c = char32_t(code & ~BrowseKeys::Character);
        const QChar typed = QString::fromUcs4(&c, 1).front();
        value = l->TakeCharacter(typed, [this]() -> std::optional<QString> {
            if (ListQueue.empty()) return std::nullopt;
            ScrollOne(EventKind::ScrollDown);
            const FieldValue v = freeValueOf(ListQueue.at(size_t(CurrentChoice - 1)));
            return std::holds_alternative<QString>(v) ? std::get<QString>(v)
                                                      : QString::number(std::get<qint64>(v));
        });
    }
    if (value)
        TakeLocate(*value);
    else
        afterScroll();
}

// Presses a button of the browse when the window has it and it is enabled.
bool BrowseManager::pressControl(int control) {
    if (control == 0) return false;
    Controls& c = Window->C();
    if (!c.find(control) || !c.IsEnabled(control)) return false;
    Window->Post(controlEvent(EventKind::Accepted, control));
    return true;
}

QString BrowseManager::PopupText(std::vector<int>* controls) const {
    Controls& c = Window->C();
    QStringList items;
    std::vector<int> order;
    auto add = [&](int control, const char* text) {
        if (control == 0 || !c.find(control) || c.IsHidden(control)) return;
        items << (c.IsEnabled(control) ? QString() : QStringLiteral("~")) + QLatin1String(text);
        order.push_back(control);
    };
    add(InsertControl, "&Insert");
    add(ChangeControl, "&Change");
    add(DeleteControl, "&Delete");
    add(PrintControl, "&Print");
    if (QueryControl && c.find(QueryControl)) {
        items << QStringLiteral("-");
        add(QueryControl, "&Query");
    }
    if (Selecting) add(SelectControl, "&Select");
    if (ToolControl && c.find(ToolControl)) {
        items << QStringLiteral("-");
        add(ToolControl, "&Toolbox");
    }
    if (controls) *controls = order;
    return items.join(QLatin1Char('|'));
}

void BrowseManager::showPopup() {
    std::vector<int> controls;
    const QString text = PopupText(&controls);
    if (text.isEmpty()) return;
    const int chosen = Host::instance().popupMenu(text);
    if (chosen >= 1 && chosen <= int(controls.size())) pressControl(controls[size_t(chosen - 1)]);
}

void BrowseManager::UpdateWindow() {
    if (!List) return;
    List->showRows(ListQueue, CurrentChoice);
    List->setThumb(thumbPercent());
    Controls& c = Window->C();
    const bool rows = !ListQueue.empty();
    for (int control : {ChangeControl, DeleteControl, PrintControl})
        if (control && c.find(control)) c.Enable(control, rows);
    if (Locator* l = locator(); l && l->Control && c.find(l->Control)) c.Enable(l->Control, rows);
    if (SelectControl && c.find(SelectControl)) {
        if (Selecting) {
            c.Enable(SelectControl, rows);
            if (rows) c.SetDefaultButton(SelectControl);
        } else if (HideSelect) {
            c.Disable(SelectControl);
            c.Hide(SelectControl);
        }
    }
}

int BrowseManager::TakeToolbar(int button) {
    switch (button) {
    case ToolInsert:
        pressControl(InsertControl);
        return LevelNotify;
    case ToolChange:
        pressControl(ChangeControl);
        return LevelNotify;
    case ToolDelete:
        pressControl(DeleteControl);
        return LevelNotify;
    case ToolSelect:
        if (!ListQueue.empty()) {
            UpdateBuffer();
            Window->SetResponse(RequestCompleted);
        }
        return LevelNotify;
    case ToolBottom:
        TakeScroll(EventKind::ScrollBottom);
        return LevelNotify;
    case ToolTop:
        TakeScroll(EventKind::ScrollTop);
        return LevelNotify;
    case ToolPageDown:
        TakeScroll(EventKind::PageDown);
        return LevelNotify;
    case ToolPageUp:
        TakeScroll(EventKind::PageUp);
        return LevelNotify;
    case ToolDown:
        TakeScroll(EventKind::ScrollDown);
        return LevelNotify;
    case ToolUp:
        TakeScroll(EventKind::ScrollUp);
        return LevelNotify;
    case ToolLocate:
        Window->Select(ListControlNumber);
        return LevelNotify;
    default:
        return LevelBenign;
    }
}

void BrowseManager::DisplayButtons() {
    Controls& c = Window->C();
    auto own = [&](int button) {
        const int control = button == ToolInsert   ? InsertControl
                            : button == ToolChange ? ChangeControl
                            : button == ToolDelete ? DeleteControl
                            : button == ToolSelect ? (Selecting ? SelectControl : 0)
                                                   : -1;
        if (control == -1) return true;
        return control != 0 && c.find(control) && c.IsEnabled(control);
    };
    for (int b = FirstToolButton; b <= LastToolButton; ++b) {
        if (!c.find(b)) continue;
        c.SetTip(b, ToolbarRules::BrowseTip(b));
        if (auto on = ToolbarRules::BrowseEnables(b, own(b))) c.Enable(b, *on);
    }
}
