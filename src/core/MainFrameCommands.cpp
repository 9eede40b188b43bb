#include "core/MainFrame.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/PrinterSetup.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "core/ToolbarWindow.h"
#include "framework/host/HelpIndex.h"
#include "framework/host/Host.h"
#include "framework/host/Images.h"
#include "framework/window/FrameWindow.h"
#include "framework/window/WindowRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

// What the frame's menu items and right-click menu do.

namespace {

// The clipboard action of the focused control, when it has one (line and text edits).
void editFocused(const char* slot) {
    QWidget* w = QApplication::focusWidget();
    if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) w = box->lineEdit();
    if (!w) return;
    const QByteArray signature = QByteArray(slot) + "()";
    if (w->metaObject()->indexOfMethod(signature.constData()) >= 0)
        QMetaObject::invokeMethod(w, slot);
}

void showHelp(const QString& keyword) {
    Host::instance().showHelp(keyword);
}

// The windows that show lists in the browse colour.
constexpr Instance ListWindows[] = {Instance::ClassBrowse,   Instance::ProducerBrowse,
                                    Instance::ScanResults,   Instance::TextViewer,
                                    Instance::SearchResults, Instance::ArchiveBrowse};

} // namespace

void MainFrame::CarryOut(const FrameAction& action) {
    using C = FrameCommand;
    switch (action.command) {
    case C::None:
        break;
    case C::Procedure:
        Procedures::run(action.procedure, action.way);
        break;
    case C::Logon:
        changeUser();
        break;
    case C::Exit:
        close();
        break;
    case C::KeepSelection:
        // Nothing to keep while every class is shown.
        if (GLO.ClassFilter.str().compare(QLatin1String("Everything"), Qt::CaseInsensitive) != 0)
            GLO.KeepSelection = GLO.KeepSelection ? 0 : 1;
        break;
    case C::UseNotebook:
        GLO.UseNotebook = GLO.UseNotebook ? 0 : 1;
        break;
    case C::Toolbar:
        toggleToolbar();
        break;
    case C::BrowseColor:
        chooseBrowseColor();
        break;
    case C::Wallpaper:
        chooseWallpaper();
        break;
    case C::PrintSetup:
        PrinterSetup::ask(frame_);
        break;
    case C::Cut:
        editFocused("cut");
        break;
    case C::Copy:
        editFocused("copy");
        break;
    case C::Paste:
        editFocused("paste");
        break;
    case C::Undo:
        editFocused("undo");
        break;
    case C::Tile:
        frame_->area().tileSubWindows();
        break;
    case C::Cascade:
        frame_->area().cascadeSubWindows();
        break;
    case C::ArrangeIcons:
        frame_->area().arrangeIcons();
        break;
    case C::GettingStarted:
        showHelp(QString::fromUtf8(HelpIndex::ContentsKeyword));
        break;
    case C::HowToUseHelp:
        showHelp(QString::fromUtf8(HelpIndex::HowToUseHelpKeyword));
        break;
    case C::ProgramHelp:
        showHelp(QStringLiteral("Wareloft Program"));
        break;
    }
    if (!Dead) Refresh();
}

// The leaving user's choices are stored under that user's name before the switch; the new
// user's are read and shown after it.
void MainFrame::changeUser() {
    FrameRules::writeUserChoices();
    if (!ChangeUserStep || !ChangeUserStep()) {
        loggedOn_ = false; // nobody's choices to store at the end
        close();
        return;
    }
    FrameRules::readUserChoices();
    const bool wanted = GLO.ToolbarShown == 1;
    const bool open = GLO.Threads.isOpen(Instance::Toolbar);
    if (open != wanted) {
        toggleToolbar();
    } else if (ToolbarWindow* toolbar = dynamic_cast<ToolbarWindow*>(
                   WindowRegistry::Top(int(GLO.Threads.thread(Instance::Toolbar))))) {
        toolbar->DockAt(GLO.BarPosition);
    }
    showWallpaper();
    repaintLists();
    Refresh();
}

void MainFrame::toggleToolbar() {
    if (const int thread = int(GLO.Threads.thread(Instance::Toolbar))) {
        GLO.ToolbarShown = 0;
        if (WindowController* toolbar = WindowRegistry::Top(thread))
            toolbar->Post(windowEvent(EventKind::CloseWindow));
        GLO.Threads.set(Instance::Toolbar, 0);
    } else {
        GLO.ToolbarShown = 1;
        ToolbarWindow::StartFor(*frame_);
    }
    menus_->refresh();
}

void MainFrame::chooseBrowseColor() {
    Colour colour = GLO.BrowseColor;
    if (Host::instance().colourDialog(QStringLiteral("Choose BrowseBox Color"), colour)) {
        GLO.BrowseColor = colour;
        INIMgr().Update(FrameRules::userSection(), Settings::Color, colour);
    } else {
        GLO.BrowseColor = FrameRules::CancelledBrowseColor; // for this run only
    }
    repaintLists();
}

void MainFrame::repaintLists() {
    for (Instance browse : ListWindows)
        if (const int thread = int(GLO.Threads.thread(browse)))
            WindowRegistry::PostGainFocus(thread);
}

void MainFrame::chooseWallpaper() {
    Host& host = Host::instance();
    const QString here = host.currentDirectory();
    const QString chosen =
        host.fileDialog(QStringLiteral("Choose Wallpaper"),
                        QStringLiteral("JPEG|*.jpg|GIF|*.gif|Bitmap|*.bmp"), GLO.Wallpaper, false);
    host.setCurrentDirectory(here);
    if (!chosen.isEmpty()) GLO.Wallpaper = chosen;
    INIMgr().Update(FrameRules::userSection(), Settings::WallSel, GLO.Wallpaper.str());
    frame_->area().setPicture(Images::wallpaper(GLO.Wallpaper.str()));
}
