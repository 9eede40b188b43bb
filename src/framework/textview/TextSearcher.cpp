#include "framework/textview/TextSearcher.h"

#include "framework/ErrorManager.h"
#include "framework/textview/TextViewer.h"
#include "framework/window/BusyCursor.h"

#include <QLineEdit>

TextSearcher::TextSearcher(TextViewer& viewer, ErrorManager& errors)
    : viewer_(viewer), errors_(errors) {}

void TextSearcher::Ask() {
    for (;;) {
        TextFindWindow window(*this);
        if (window.Run() != RequestCompleted) return;
        LineCounter = viewer_.CurrentLine();
        if (!Next()) return;
    }
}

bool TextSearcher::Next() {
    const bool down = Direction != QLatin1String("Up");
    TextFile& file = viewer_.File();
    qint64 from = down ? LineCounter + 1 : LineCounter - 1;
    for (;;) {
        qint64 hit = 0;
        if (from >= 1) {
            const BusyCursor busy;
            hit = file.Find(from, What.str(), MatchCase != 0, down);
        }
        if (hit > 0) {
            viewer_.SetLine(hit);
            LineCounter = hit;
            return true;
        }
        if (errors_.Raise(down ? MsgEndOfFile : MsgBeginningOfFile) != LevelBenign) return false;
        // Again from the first or the last line, that line included.
        if (down) {
            from = 1;
        } else {
            const BusyCursor busy;
            from = file.CountLines();
        }
        if (from < 1) return false; // a file without lines
    }
}

TextFindWindow::TextFindWindow(TextSearcher& searcher)
    : WindowController(QStringLiteral("TextFind")), searcher_(searcher) {
    what_ = searcher.What.str();
    matchCase_ = searcher.MatchCase;
    direction_ = searcher.Direction == QLatin1String("Up") ? 1 : 2;
}

int TextFindWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Find"));
    Window().setResizable(false);
    C().prompt(WhatPrompt, QStringLiteral("Find What:")).at(0, 0);
    C().entry(WhatEntry, QStringLiteral("@s64")).at(0, 1, 1, 2).width(24).use(what_);
    C().check(MatchCaseCheck, QStringLiteral("Match &Case")).at(1, 0).use(matchCase_);
    C().group(DirectionGroup, QStringLiteral("&Direction")).at(1, 1);
    C().radio(UpRadio, QStringLiteral("&Up"), 1).in(DirectionGroup).at(0, 0).use(direction_);
    C().radio(DownRadio, QStringLiteral("&Down"), 2).in(DirectionGroup).at(0, 1).use(direction_);
    C().button(NextButton, QStringLiteral("&Next")).at(0, 3).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 3);
    AddButton(CancelButton, RequestCancelled);
    // "Next" is there only while there is something to find.
    auto* entry = static_cast<QLineEdit*>(C().widget(WhatEntry));
    const auto enableNext = [this](const QString& text) {
        C().Enable(NextButton, !text.trimmed().isEmpty());
    };
    connect(entry, &QLineEdit::textChanged, this, enableNext);
    enableNext(entry->text());
    FirstField = WhatEntry;
    return Open();
}

int TextFindWindow::Kill() {
    C().TakePending();
    searcher_.What = what_.str();
    searcher_.MatchCase = matchCase_;
    searcher_.Direction = direction_ == 1 ? QStringLiteral("Up") : QStringLiteral("Down");
    return WindowController::Kill();
}

int TextFindWindow::TakeAccepted() {
    if (Field() == NextButton) {
        C().Accept(WhatEntry);
        if (what_.isBlank()) {
            Select(WhatEntry);
            return LevelNotify;
        }
        SetResponse(RequestCompleted);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}
