#include "scan/ReadTextFileWindow.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/host/Host.h"
#include "framework/textview/TextLines.h"

#include <QGridLayout>

ReadTextFileWindow::ReadTextFileWindow(const QString& fileName, int hideAdd)
    : WindowController(QStringLiteral("ReadTextFile")), fileName_(fileName), hideAdd_(hideAdd) {
    SingleInstance = {[] { return int(GLO.Threads.thread(Instance::TextViewer)); },
                      [](int t) { GLO.Threads.set(Instance::TextViewer, quint32(t)); }};
}

int ReadTextFileWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    build();
    if (!viewer_.Init(*this, List, fileName_, *Errors)) return LevelFatal;
    viewer_.AddSearcher();
    // Printing a range of lines comes with the report pages; until then it stays off.
    C().Enable(SearchButton, viewer_.HasSearcher());
    C().Enable(PrintButton, viewer_.HasPrinter());
    applyColour();
    AddButton(CloseButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    return Open();
}

void ReadTextFileWindow::build() {
    Window().setObjectName(QStringLiteral("ReadTextFile"));
    SetTitle(QStringLiteral("Contents of ") + fileName_);
    auto* lines = new TextLines;
    lines->setAccessibleName(QStringLiteral("View an ASCII File"));
    const QFontMetrics metrics(lines->font());
    lines->setMinimumSize(metrics.averageCharWidth() * 40, metrics.lineSpacing() * 8);
    Window().resize(metrics.averageCharWidth() * 96, metrics.lineSpacing() * 30);
    C().custom(List, lines).at(0, 0, 1, 6);
    C().button(SearchButton, QStringLiteral("&Search...")).at(1, 0);
    C().button(PrintButton, QStringLiteral("&Print...")).at(1, 1);
    C().button(AddToArchiveButton, QStringLiteral("&Add to Archive")).at(1, 3);
    C().button(CloseButton, QStringLiteral("&Close")).at(1, 4);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 5);
    if (hideAdd_ == 1) C().Hide(AddToArchiveButton);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout())) {
        grid->setRowStretch(0, 1);
        grid->setColumnStretch(2, 1);
    }
}

// The list takes the user's colour of lists.
void ReadTextFileWindow::applyColour() {
    const int stored = INIMgr().FetchNumber(FrameRules::userSection(), Settings::Color);
    GLO.BrowseColor = stored != 0 ? stored : FrameRules::DefaultBrowseColor;
    C().SetColour(List, -1, GLO.BrowseColor);
}

int ReadTextFileWindow::Kill() {
    viewer_.Kill();
    return WindowController::Kill();
}

int ReadTextFileWindow::TakeEvent() {
    if (viewer_.TakeEvent(Event()) == LevelNotify) return LevelNotify;
    return WindowController::TakeEvent();
}

int ReadTextFileWindow::TakeAccepted() {
    switch (Field()) {
    case SearchButton:
        viewer_.Find();
        return LevelNotify;
    case PrintButton:
        viewer_.Print();
        return LevelNotify;
    case AddToArchiveButton:
        result_ = 1;
        SetResponse(RequestCompleted);
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}
