#include "framework/textview/TextPrintOptions.h"

#include "framework/ErrorManager.h"
#include "framework/textview/TextViewer.h"
#include "framework/window/BusyCursor.h"

#include <limits>

TextPrintOptions::TextPrintOptions(TextViewer& viewer, std::function<void()> setup)
    : WindowController(QStringLiteral("TextPrintOptions")), viewer_(viewer),
      setup_(std::move(setup)) {}

bool TextPrintOptions::Ask(TextViewer& viewer, Choice& choice, std::function<void()> setup) {
    TextPrintOptions window(viewer, std::move(setup));
    if (window.Run() != RequestCompleted) return false;
    choice = window.Chosen();
    return true;
}

int TextPrintOptions::Init() {
    if (const int level = WindowController::Init()) return level;
    Window().setResizable(false);
    C().group(RangeGroup, QStringLiteral("&Range to Print")).at(0, 0, 3, 1);
    C().radio(AllRadio, QStringLiteral("&All"), All).in(RangeGroup).at(0, 0, 1, 2).use(range_);
    C().radio(SelectionRadio, QStringLiteral("&Selection"), Selection)
        .in(RangeGroup)
        .at(1, 0, 1, 2)
        .use(range_);
    C().radio(RangeRadio, QStringLiteral("&Line Range"), Lines)
        .in(RangeGroup)
        .at(2, 0, 1, 2)
        .use(range_);
    C().prompt(FirstPrompt, QStringLiteral("&First:")).in(RangeGroup).at(3, 0);
    C().entry(FirstEntry, QStringLiteral("@n_10")).in(RangeGroup).at(3, 1).width(9).use(first_);
    C().prompt(LastPrompt, QStringLiteral("&Last:")).in(RangeGroup).at(4, 0);
    C().entry(LastEntry, QStringLiteral("@n_10")).in(RangeGroup).at(4, 1).width(9).use(last_);
    C().check(PreviewCheck, QStringLiteral("Pre&view Before Printing?")).at(3, 0).use(preview_);
    C().button(PrintButton, QStringLiteral("&Print")).at(0, 1).defaultButton();
    C().button(SetupButton, QStringLiteral("Print &Setup...")).at(1, 1);
    C().button(CancelButton, QStringLiteral("&Cancel")).at(2, 1);
    if (!setup_) C().Disable(SetupButton);
    AddButton(CancelButton, RequestCancelled);

    SetTitle(QStringLiteral("Print Options: Checking File, please wait..."));
    return Open();
}

// Once the window shows, the lines are counted: the range ends at the last one.
int TextPrintOptions::TakeWindowEvent() {
    if (Event().Kind == EventKind::OpenWindow) {
        {
            const BusyCursor busy;
            count_ = viewer_.File().CountLines();
        }
        SetTitle(QStringLiteral("Print Options"));
        first_ = 1;
        last_ = qint32(std::min<qint64>(count_, std::numeric_limits<qint32>::max()));
        Display();
    }
    return WindowController::TakeWindowEvent();
}

int TextPrintOptions::TakeAccepted() {
    switch (Field()) {
    case SelectionRadio:
        first_ = last_ = qint32(viewer_.CurrentLine());
        Display();
        return LevelNotify;
    case PrintButton:
        print();
        return LevelNotify;
    case SetupButton:
        if (setup_) setup_();
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

// A range must lie within the file and not run backwards; the window stays until it does.
void TextPrintOptions::print() {
    C().TakePending();
    choice_.preview = preview_ != 0;
    if (range_ == All) {
        choice_.first = 1;
        choice_.last = count_;
    } else {
        if (last_ < 1 || last_ > count_ || first_ < 1 || first_ > last_) {
            ErrorManager& errors = *viewer_.Errors();
            errors.SetField(QStringLiteral("first line "));
            errors.ThrowMessage(MsgRangeBetween,
                                QStringLiteral("1 and ") + QString::number(count_));
            Select(first_ < 1 || first_ > last_ ? FirstEntry : LastEntry);
            return;
        }
        choice_.first = first_;
        choice_.last = last_;
    }
    SetResponse(RequestCompleted);
}
