#include "framework/window/WindowController.h"

#include "framework/window/FormToolbarTarget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>

void WindowController::SetToolbar(ToolbarDispatcher& toolbar) {
    Toolbar = &toolbar;
    window_->addToolbar();
    if (!formTarget_) formTarget_ = std::make_unique<FormTarget>(*this);
    Toolbar->AddTarget(*formTarget_);
}

// ---- dispatch ----------------------------------------------------------------------------

int WindowController::TakeEvent() {
    int level = LevelBenign;
    if (current_.isWindowEvent()) {
        level = TakeWindowEvent();
        if (level != LevelBenign) return level;
    } else {
        switch (current_.Kind) {
        case EventKind::Accepted:
            level = TakeAccepted();
            break;
        case EventKind::NewSelection:
            level = TakeNewSelection();
            break;
        case EventKind::AlertKey:
            if (HistoryKey && current_.KeyCode == HistoryKey) RestoreField(current_.Control);
            break;
        case EventKind::Rejected:
            level = TakeRejected();
            break;
        case EventKind::Selected:
            level = TakeSelected();
            break;
        default:
            break;
        }
        if (level != LevelBenign) return level;
        level = TakeFieldEvent();
        if (level != LevelBenign) return level;
    }
    for (BrowseLink* b : Browses)
        if ((level = b->TakeEvent(current_)) != LevelBenign) return level;
    for (FileDropLink* d : FileDrops)
        if ((level = d->TakeEvent(current_)) != LevelBenign) return level;
    if (AutoRefresh)
        for (BrowseLink* b : Browses)
            if (b->Changed()) {
                Reset();
                break;
            }
    return LevelBenign;
}

int WindowController::TakeWindowEvent() {
    switch (current_.Kind) {
    case EventKind::CloseWindow:
    case EventKind::CloseDown:
        return TakeCloseEvent();
    case EventKind::OpenWindow:
        if (!Inited) FirstOpen();
        if (FirstField) Select(FirstField);
        break;
    case EventKind::GainFocus:
        if (ResetOnGainFocus) ForcedReset = true;
        if (!Inited) FirstOpen();
        break;
    case EventKind::Completed:
        return TakeCompleted();
    case EventKind::Sized:
        if (Resize) Resize->Resize();
        // The first size change is the window settling after it opened.
        if (sizedSinceOpen_) Reset();
        sizedSinceOpen_ = true;
        break;
    default:
        break;
    }
    return LevelBenign;
}

int WindowController::TakeAccepted() {
    const int control = current_.Control;
    if (Toolbar)
        if (const int level = Toolbar->TakeAccepted(control); level != LevelBenign) return level;
    if (control == ToolHistory) {
        RestoreField(C().Focused());
        return LevelNotify;
    }
    for (const ButtonEntry& b : Buttons)
        if (b.Control == control) {
            SetResponse(b.Response);
            return LevelNotify;
        }
    if (control != 0 && control == OKControl) PressOK();
    return LevelBenign;
}

int WindowController::PressOK() {
    if (OriginalRequest == InsertRecord || OriginalRequest == ChangeRecord) {
        if (const int failing = C().AcceptAll()) {
            Dispatch(controlEvent(EventKind::Rejected, failing));
            return LevelNotify;
        }
    }
    Post(windowEvent(EventKind::Completed));
    return LevelBenign;
}

int WindowController::TakeNewSelection() {
    const int control = current_.Control;
    bool isList = false;
    if (const Controls::Control* c = C().find(control)) isList = c->Kind == ControlKind::List;
    for (BrowseLink* b : Browses)
        if (b->ListControl() == control) {
            isList = true;
            // The row the user made current, before the refresh shows the list again.
            b->TakeEvent(current_);
        }
    if (!isList) return LevelBenign;
    Reset();
    if (AutoToolbar && Toolbar) Toolbar->SetTarget(control);
    return LevelBenign;
}

int WindowController::TakeRejected() {
    const int control = current_.Control;
    QApplication::beep();
    C().Display(control);
    Select(control);
    return LevelBenign;
}

// ---- window-wide steps -------------------------------------------------------------------

void WindowController::FirstOpen() {
    if (Translator) translate();
    Reset();
    Inited = true;
}

void WindowController::translate() {
    window_->setWindowTitle(Translator->Translate(window_->windowTitle()));
    for (int n : C().numbers()) {
        QWidget* w = C().widget(n);
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QGroupBox*>(w))
            C().SetText(n, Translator->Translate(C().TextOf(n)));
        if (!w->toolTip().isEmpty()) w->setToolTip(Translator->Translate(w->toolTip()));
    }
}

void WindowController::Reset(bool force) {
    force = force || ForcedReset;
    ForcedReset = false;
    for (BrowseLink* b : Browses)
        b->ResetSort(force);
    for (FileDropLink* d : FileDrops)
        d->Reset();
    Display();
    for (BrowseLink* b : Browses)
        b->UpdateWindow();
    if (Toolbar) Toolbar->DisplayButtons();
}

void WindowController::Update() {
    for (BrowseLink* b : Browses)
        b->UpdateBuffer();
}

void WindowController::RestoreField(int control) {
    for (const HistoryEntry& h : History) {
        if (h.Control != control) continue;
        if (int(h.Saved->size()) != h.Record->fieldCount()) return; // nothing saved yet
        h.Record->setValue(h.Field, h.Saved->at(h.Field));
        C().Display(control);
        return;
    }
}

void WindowController::copyHistory() {
    for (const HistoryEntry& h : History) {
        if (int(h.Saved->size()) != h.Record->fieldCount()) *h.Saved = h.Record->values();
        (*h.Saved)[h.Field] = h.Record->value(h.Field);
    }
}

void WindowController::SetAlerts() {
    for (BrowseLink* b : Browses)
        b->SetAlerts();
    if (HistoryKey)
        for (const HistoryEntry& h : History)
            C().Alert(HistoryKey, h.Control);
}

void WindowController::SetResponse(int response) {
    Response = response;
    if (response == RequestCancelled && VCRRequest) *VCRRequest = 0;
    Post(windowEvent(EventKind::CloseWindow));
}

int WindowController::RunProcedure(int, int) {
    return RequestCancelled;
}
