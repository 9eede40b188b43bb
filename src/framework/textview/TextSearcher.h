#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"

class ErrorManager;
class TextViewer;

// Finding a text in a viewer's file: the window "Find" and the search that follows each
// press of "&Next", with the question to start again at the end or the beginning.
class TextSearcher {
public:
    TextSearcher(TextViewer& viewer, ErrorManager& errors);

    // The window, again after every hit at the same place, until it is cancelled or the
    // user does not want to start again.
    void Ask();
    // Searches from the line after (upwards: before) LineCounter; a hit becomes the
    // current line. Off the end, asks whether to start again and does so. False when
    // nothing was found and the user did not want to go on.
    bool Next();

    Text What{64};
    quint8 MatchCase = 0;
    QString Direction = QStringLiteral("Down"); // or "Up"
    qint64 LineCounter = 0;

private:
    TextViewer& viewer_;
    ErrorManager& errors_;
};

// The window "Find".
class TextFindWindow : public WindowController {
public:
    enum Control {
        WhatPrompt = 1,
        WhatEntry,
        MatchCaseCheck,
        DirectionGroup,
        UpRadio,
        DownRadio,
        NextButton,
        CancelButton,
    };

    explicit TextFindWindow(TextSearcher& searcher);

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;

private:
    TextSearcher& searcher_;
    Text what_{64};
    quint8 matchCase_ = 0;
    quint8 direction_ = 2; // 1 up, 2 down
};
