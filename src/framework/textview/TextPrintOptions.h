#pragma once

#include "framework/window/WindowController.h"

#include <functional>

class TextViewer;

// The window "Print Options" of the text viewer: all lines, the selected line or a range of
// lines, and whether to see the pages before they are printed.
class TextPrintOptions : public WindowController {
public:
    enum Control {
        RangeGroup = 1,
        AllRadio,
        SelectionRadio,
        RangeRadio,
        FirstPrompt,
        FirstEntry,
        LastPrompt,
        LastEntry,
        PreviewCheck,
        PrintButton,
        SetupButton,
        CancelButton,
    };
    enum Range : quint8 { All = 1, Selection, Lines };

    struct Choice {
        qint64 first = 1;
        qint64 last = 0;
        bool preview = false;
    };

    // `setup` is the printer set-up that "Print &Setup..." opens.
    TextPrintOptions(TextViewer& viewer, std::function<void()> setup);

    // Runs the window; true with the lines to print when "&Print" was pressed.
    static bool Ask(TextViewer& viewer, Choice& choice, std::function<void()> setup = {});

    int Init() override;
    int TakeWindowEvent() override;
    int TakeAccepted() override;
    const Choice& Chosen() const { return choice_; }

private:
    void print();

    TextViewer& viewer_;
    std::function<void()> setup_;
    qint64 count_ = 0;
    quint8 range_ = All;
    qint32 first_ = 1;
    qint32 last_ = 0;
    quint8 preview_ = 0;
    Choice choice_;
};
