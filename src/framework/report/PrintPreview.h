#pragma once

#include "framework/IniManager.h"
#include "framework/report/PageStore.h"

#include <QString>
#include <vector>

class PreviewWindow;

// The print preview of a report: the window "Report Preview" over the report's pages, from
// which the user pages, zooms, chooses the pages to print, prints through the platform's
// print dialog, saves a PDF file or leaves. The object keeps the user's choices between
// displays; each Display opens the window until the user leaves it.
class PrintPreview {
public:
    struct ZoomEntry {
        QString MenuText;
        QString StatusText;
        int Value; // a percentage, or -2 tile pages, -1 page width
    };
    static const std::vector<ZoomEntry>& ZoomTable();

    // Shows the pages (at `zoom` when not 0, else at InitZoom) until the user leaves;
    // true when they were printed from the preview.
    bool Display(PageStore& pages, int zoom = 0);

    bool AllowUserZoom = false; // the zoom list on the toolbar
    bool ConfirmPages = false;  // "Pages to Print" is asked before each print
    int CurrentPage = 1;
    QString DocumentName; // proposed name of a saved PDF file, without ".pdf"
    IniManager* IniMgr = nullptr;
    int InitZoom = -2;
    bool Maximize = false;
    int PagesAcross = 1;
    int PagesDown = 1;
    QString PagesToPrint; // "1-" and the page count at each display
    bool PrintOK = false;
    struct Place {
        bool Set = false;
        int XPos = 0, YPos = 0, Width = 0, Height = 0;
    };
    Place SaveSize; // the last size and position of the window, kept between displays
    // A position and size the program sets: preferred over SaveSize and the settings.
    bool WindowPosSet = false, WindowSizeSet = false;
    int WinXPos = 0, WinYPos = 0, WinWidth = 0, WinHeight = 0;
    int ZoomIndex = 0;      // into ZoomTable; -1 for a percentage of the user's
    int UserPercentile = 0; // that percentage

    // The window while Display runs; null otherwise.
    PreviewWindow* Showing = nullptr;
};
