#pragma once

#include "framework/window/WindowController.h"

// The small windows of the print preview, each run on the caller's thread: response 1
// with the chosen values, 2 when cancelled (the values then stay as they were).

// "Jump to a Report Page": a page from 1 to the page count.
class PreviewJump : public WindowController {
public:
    enum Control { PagePrompt = 1, PageSpin, OkButton, CancelButton };
    PreviewJump(int pages, int current);
    int Init() override;
    int TakeAccepted() override;

    qint32 Page;

private:
    int pages_;
};

// "Change the Report Display": the pages displayed across and down.
class PreviewDisplay : public WindowController {
public:
    enum Control {
        Group = 1,
        AcrossPrompt,
        AcrossSpin,
        DownPrompt,
        DownSpin,
        OkButton,
        CancelButton
    };
    static constexpr int MostPages = 10; // across and down
    PreviewDisplay(int across, int down);
    int Init() override;
    int TakeAccepted() override;

    qint32 Across, Down;
};

// "Pages to Print": pages and ranges as text ("1-3,5,8-"), Reset to every page. A text
// that is no selection of the report's pages is refused with a message on Ok.
class PreviewAskPages : public WindowController {
public:
    enum Control { PagesPrompt = 1, PagesEntry, ResetButton, OkButton, CancelButton };
    PreviewAskPages(const QString& pages, int count);
    int Init() override;
    int TakeAccepted() override;

    QString Pages;

private:
    int count_;
};
