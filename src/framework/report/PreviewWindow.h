#pragma once

#include "framework/report/PrintPreview.h"
#include "framework/window/WindowController.h"

#include <map>

class QAction;
class QLabel;
class QMainWindow;
class PreviewPages;

// The window "Report Preview" of a PrintPreview: menus File, View and Zoom, a toolbar with
// the page, across, down and zoom controls, the pages, and a status bar with the page in
// zone 2 and the zoom in zone 3. Its place is kept in "_PreviewWindow_".
class PreviewWindow : public WindowController {
public:
    enum Control {
        Pages = 1,
        PagePrompt,
        PageSpin,
        AcrossPrompt,
        AcrossSpin,
        DownPrompt,
        DownSpin,
        ZoomPrompt,
        ZoomList,
        // menu items
        PagesToPrintItem = 100,
        PrintItem,
        SavePdfItem,
        ExitItem,
        NextItem = 110,
        PreviousItem,
        JumpItem,
        ChangeDisplayItem,
        FirstZoomItem = 120, // one per entry of the zoom table
    };

    PreviewWindow(PrintPreview& preview, PageStore& pages);
    ~PreviewWindow() override;

    int Init() override;
    int TakeAccepted() override;
    int TakeWindowEvent() override;

    // The commands of the menus and the toolbar.
    void NextPages();
    void PreviousPages();
    void GoToPage(int page);
    void JumpToPage();
    void ChangeDisplay();
    void SetDisplay(int across, int down);
    bool AskPages();
    void Print();
    void SavePdf();
    // A value of the zoom table, or a percentage of the user's.
    void SetZoom(int value);

    // Zone 1 to 3 of the status bar.
    QString StatusText(int zone) const;
    QAction* MenuItem(int control) const;
    PreviewPages& View() { return *view_; }

private:
    void buildMenus();
    void buildToolbar();
    void show();
    void takeZoomList();
    void popup();
    void keepPlace();
    void message(const QString& text, const QString& caption);
    int zoomValue() const;
    int screenOfPages() const { return p_.PagesAcross * p_.PagesDown; }

    PrintPreview& p_;
    PageStore& pages_;
    QMainWindow* main_ = nullptr;
    PreviewPages* view_ = nullptr;
    QLabel* zones_[3] = {};
    std::map<int, QAction*> items_;
    qint32 page_ = 1, across_ = 1, down_ = 1; // what the toolbar's controls show
    QString zoomText_;
};
