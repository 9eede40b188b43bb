#include "framework/window/BusyCursor.h"
#include "framework/window/WindowController.h"

#include "framework/host/Host.h"

// The request protocol of a form: set-up before the window opens, the save when the form
// is completed, and the questions when a changed form is closed.

int WindowController::PrimeUpdate() {
    if (Primary) {
        if (primaryFile().UseFile() != LevelBenign) return LevelFatal;
        Primary->Save();
    }
    for (FileEntry& f : Files) {
        f.Manager->RestoreBuffer(f.Snapshot, false);
        f.Snapshot = f.Manager->SaveBuffer();
    }
    if (!Primary) return LevelBenign;
    FileManager& file = primaryFile();
    if (Request == InsertRecord && InsertAction) {
        // A form started without a browse reserves its auto-numbered record itself.
        if (file.HasAutoInc && !file.Usage().AutoIncDone && file.PrimeRecord(true) != LevelBenign) {
            Response = RequestCancelled;
            return LevelFatal;
        }
        Response = RequestCompleted;
        PrimeFields();
        if (Response == RequestCancelled) return LevelFatal;
        Response = RequestCancelled;
    } else if (Request == DeleteRecord && (DeleteAction == 2 || DeleteAction == 4)) {
        Response =
            Primary->Delete(DeleteAction == 2) == LevelBenign ? RequestCompleted : RequestCancelled;
        return LevelFatal;
    }
    Saved = file.SaveBuffer();
    return LevelBenign;
}

int WindowController::TakeCompleted() {
    copyHistory();
    if (!Primary) return LevelBenign;
    switch (Request) {
    case InsertRecord:
        return insertCompleted();
    case ChangeRecord:
        return changeCompleted();
    case DeleteRecord:
        return deleteCompleted();
    default:
        return LevelBenign;
    }
}

int WindowController::insertCompleted() {
    FileManager& file = primaryFile();
    if (file.Insert() != LevelBenign) {
        Select(FirstField);
        return LevelBenign;
    }
    if (InsertAction == 2) {
        SetResponse(RequestCompleted);
        return LevelBenign;
    }
    if (InsertAction == 4 && Errors && Errors->Raise(MsgRecordAdded) != LevelBenign) {
        SetResponse(RequestCompleted);
        return LevelBenign;
    }
    LastInsertedPosition = file.GetPosition();
    primeNextInsert();
    return LevelBenign;
}

// The form stays open for the next new record: the buffers as they were when the form
// opened, a new automatic number, the field defaults.
void WindowController::primeNextInsert() {
    FileManager& file = primaryFile();
    for (FileEntry& f : Files) {
        f.Manager->RestoreBuffer(f.Snapshot, true);
        f.Snapshot = f.Manager->SaveBuffer();
    }
    file.RestoreBuffer(Saved, true);
    if (file.PrimeAutoInc() != LevelBenign) Post(windowEvent(EventKind::CloseWindow));
    PrimeFields();
    Saved = file.SaveBuffer();
    Display();
    Select(FirstField);
}

int WindowController::changeCompleted() {
    FileManager& file = primaryFile();
    const BusyCursor busy;
    if (file.EqualBuffer(Saved)) {
        // Nothing to save. With a navigation request pending the browse moves on.
        const bool navigating = VCRRequest && *VCRRequest != 0;
        if (Toolbar && !navigating) Response = RequestCompleted;
        Post(windowEvent(EventKind::CloseWindow));
        return LevelBenign;
    }
    for (;;) {
        const int level = Primary->Update(HistoryKey != 0);
        if (level == LevelBenign) {
            SetResponse(RequestCompleted);
            return LevelBenign;
        }
        if (level == LevelUser) {
            const int answer =
                Errors ? Errors->Message(MsgUpdateError, ButtonYes | ButtonNo | ButtonCancel,
                                         ButtonCancel)
                       : ButtonCancel;
            if (answer == ButtonYes) continue;
            if (answer == ButtonNo) {
                giveUp();
                return LevelBenign;
            }
        } else {
            // Changed by another station: the form now shows that station's values.
            file.RestoreBuffer(Saved, false);
            Saved = file.SaveBuffer();
            Display();
        }
        Select(FirstField);
        return LevelBenign;
    }
}

// A failure is asked about once, here, with the form's three buttons; a retry does not ask for
// the confirmation again.
int WindowController::deleteCompleted() {
    const BusyCursor busy;
    for (bool confirm = DeleteAction == 2;; confirm = false) {
        if (Primary->Delete(confirm, false) == LevelBenign) {
            SetResponse(RequestCompleted);
            return LevelBenign;
        }
        // "No" to the confirmation leaves the form as it is.
        if (primaryFile().Usage().LastError == MsgConfirmDelete) return LevelBenign;
        const int answer =
            Errors
                ? Errors->Message(MsgDeleteError, ButtonYes | ButtonNo | ButtonCancel, ButtonCancel)
                : ButtonCancel;
        if (answer == ButtonYes) continue;
        if (answer == ButtonNo) giveUp();
        return LevelBenign;
    }
}

// "No" to a retry question closes the form cancelled, without asking about the changes.
void WindowController::giveUp() {
    givenUp_ = true;
    SetResponse(RequestCancelled);
}

int WindowController::TakeCloseEvent() {
    if (Response == RequestCompleted) return LevelBenign;
    const bool form = Request == InsertRecord || Request == ChangeRecord;
    if (Primary && form && CancelAction != 0 && Saved && !givenUp_) {
        C().TakePending();
        if (!primaryFile().EqualBuffer(Saved)) {
            if (CancelAction & 1) {
                int answer = ButtonYes;
                if ((CancelAction & 2) && Errors)
                    answer = Errors->Message(MsgSaveRecord, ButtonYes | ButtonNo | ButtonCancel,
                                             ButtonCancel);
                if (answer == ButtonYes) {
                    PressOK();
                    return LevelNotify;
                }
                if (answer == ButtonCancel) {
                    Select(FirstField);
                    return LevelNotify;
                }
            } else if (Errors && Errors->Raise(MsgChangesLost) != LevelBenign) {
                Select(FirstField);
                return LevelNotify;
            }
        }
    }
    if (Primary && OriginalRequest == InsertRecord &&
        primaryFile().CancelAutoInc(Primary) != LevelBenign)
        return LevelNotify;
    if (Primary && !LastInsertedPosition.isEmpty()) {
        Response = RequestCompleted;
        primaryFile().TryReget(LastInsertedPosition);
    }
    return LevelBenign;
}
