#include "framework/report/PrintPreview.h"

#include "framework/report/PageSelection.h"
#include "framework/report/PreviewWindow.h"

const std::vector<PrintPreview::ZoomEntry>& PrintPreview::ZoomTable() {
    static const std::vector<ZoomEntry> table = {
        {QStringLiteral("Tile pages"), QStringLiteral("Zoom: Tile Pages"), -2},
        {QStringLiteral("Page Width"), QStringLiteral("Zoom: Page Width"), -1},
        {QStringLiteral("50% Zoom"), QStringLiteral("Zoom: 50%"), 50},
        {QStringLiteral("75% Zoom"), QStringLiteral("Zoom: 75%"), 75},
        {QStringLiteral("100% Zoom"), QStringLiteral("Zoom: 100%"), 100},
        {QStringLiteral("200% Zoom"), QStringLiteral("Zoom: 200%"), 200},
        {QStringLiteral("300% Zoom"), QStringLiteral("Zoom: 300%"), 300},
    };
    return table;
}

bool PrintPreview::Display(PageStore& pages, int zoom) {
    PrintOK = false;
    PagesToPrint = PageSelection::DefaultText(pages.Count());
    CurrentPage = 1;
    PreviewWindow window(*this, pages);
    window.SetZoom(zoom != 0 ? zoom : InitZoom);
    Showing = &window;
    window.Run();
    Showing = nullptr;
    return PrintOK;
}
