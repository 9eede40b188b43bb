#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/store/Positions.h"
#include "framework/window/WindowController.h"

// The exchange with the form: a request, the form's response, and the navigation request
// the form's toolbar may leave behind.

void BrowseManager::UpdateBuffer() {
    if (CurrentChoice < 1 || CurrentChoice > int(ListQueue.size())) return;
    const BrowseRow& row = ListQueue[size_t(CurrentChoice - 1)];
    RecordBuffer& record = *File->Buffer;
    const FileDef& def = record.def();
    for (int field = 0; field < record.fieldCount(); ++field)
        if (def.fields[size_t(field)].type == FieldType::Memo)
            record.clearField(field);
        else
            record.setValue(field, row.Values[size_t(field)]);
    // Not the whole record: a write must read it first.
    record.setIdentity({});
}

int BrowseManager::Ask(int request) {
    if (!Opened && Open() != LevelBenign) return RequestCancelled;
    long none = 0;
    long& navigation = Window->VCRRequest ? *Window->VCRRequest : none;
    int response = RequestCancelled;
    for (;;) {
        navigation = 0;
        if (request == InsertRecord) {
            if (PrimeRecord() != LevelBenign) break;
        } else {
            if (ListQueue.empty()) break;
            // The whole record as it is stored now, memos included.
            UpdateBuffer();
            if (File->TryReget(ListQueue[size_t(CurrentChoice - 1)].Position) != LevelBenign) {
                File->ThrowCurrent();
                ResetSort(true);
                UpdateWindow();
                break;
            }
        }
        response = Window->RunProcedure(AskProcedure, request);
        ResetFromAsk(request, response);
        if (navigation == 0) break;
    }
    changed_ = true;
    Window->Select(ListControlNumber);
    return response;
}

void BrowseManager::ResetFromAsk(int& request, int& response) {
    long none = 0;
    const long navigation = Window->VCRRequest ? *Window->VCRRequest : none;
    if (response == RequestCompleted) {
        File->File->flush();
        if (request == DeleteRecord) {
            removeCurrentRow();
        } else {
            // The new or changed record becomes the current row.
            const QByteArray position = store::positionOf(*File->Buffer, ReadOrder());
            const qint64 record = File->Buffer->identity().record;
            ItemsToFill = visibleRows();
            LastItems = ItemsToFill;
            if (position.isEmpty() || !fillAround(position, record, std::max(1, CurrentChoice)))
                ResetSort(true);
        }
    } else {
        ResetSort(true);
    }
    UpdateWindow();
    if (navigation == 0) return;
    if (navigation == ToolInsert || (navigation == ToolDown && request == InsertRecord)) {
        request = InsertRecord;
        File->Buffer->clear();
        return;
    }
    switch (navigation) {
    case ToolBottom:
        ScrollEnd(EventKind::ScrollBottom);
        break;
    case ToolTop:
        ScrollEnd(EventKind::ScrollTop);
        break;
    case ToolPageDown:
        ScrollPage(EventKind::PageDown);
        break;
    case ToolPageUp:
        ScrollPage(EventKind::PageUp);
        break;
    case ToolDown:
        ScrollOne(EventKind::ScrollDown);
        break;
    case ToolUp:
        ScrollOne(EventKind::ScrollUp);
        break;
    default:
        break;
    }
    UpdateWindow();
    Window->Reset();
}
