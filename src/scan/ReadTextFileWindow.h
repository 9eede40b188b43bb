#pragma once

#include "framework/textview/TextViewer.h"
#include "framework/window/WindowController.h"

// The window "View an ASCII File": a text file in a list, with find, print, and the
// question whether its content goes into the archive.
class ReadTextFileWindow : public WindowController {
public:
    enum Control {
        List = 1,
        SearchButton,
        PrintButton,
        AddToArchiveButton,
        CloseButton,
        HelpButton
    };
    static constexpr const char* HelpKeyword = "Wareloft";

    ReadTextFileWindow(const QString& fileName, int hideAdd);

    int Init() override;
    int Kill() override;
    int TakeEvent() override;
    int TakeAccepted() override;

    // 1 when "&Add to Archive" was pressed.
    int Result() const { return result_; }
    TextViewer& Viewer() { return viewer_; }

private:
    void build();
    void applyColour();

    QString fileName_;
    int hideAdd_;
    int result_ = 0;
    TextViewer viewer_;
};
