#include "archive/BrowsTabelWindow.h"

#include "archive/UpdateSoortTabel.h"
#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Procedures.h"
#include "framework/host/Host.h"
#include "framework/window/BusyCursor.h"
#include "framework/window/Keys.h"

#include <QGridLayout>

BrowsTabelWindow::BrowsTabelWindow() : WindowController(QStringLiteral("BrowsTabel")) {}

int BrowsTabelWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    build();
    Relate::SoortTabel().Open();
    filesOpened_ = true;
    browse_.Init(*list_, *this, Relate::SoortTabel());
    const int soort = Dictionary::SoortTabel().fieldIndex(QStringLiteral("Srt:Soort"));
    browse_.AddSortOrder(nullptr, SrtKey::KeySoort);
    browse_.AddLocator(&locator_);
    browse_.SetFilter(QStringLiteral("(Srt:Soort<>'Everything')"));
    browse_.AddField(soort);
    browse_.InsertControl = InsertButton;
    browse_.ChangeControl = EditButton;
    browse_.DeleteControl = DeleteButton;
    browse_.SelectControl = SelectButton;
    browse_.HideSelect = !browse_.Selecting;
    browse_.AskProcedure = 1;
    browse_.SetSort(1);
    list_->setColumns(
        {{QStringLiteral("Software class"), 80, Qt::AlignLeft, Qt::AlignLeft, "@s20", soort}});
    FrameRules::readBrowseColour();
    list_->setBackground(GLO.BrowseColor);
    AddButton(CloseButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    return Open();
}

void BrowsTabelWindow::build() {
    C().sheet(Sheet).at(0, 0, 1, 3);
    C().tab(ClassesTab, QStringLiteral("Software classes")).in(Sheet);
    list_ = new BrowseList(List, [this](const WindowEvent& e) { Post(e); });
    list_->setMinimumSize(300, 260);
    C().custom(List, list_)
        .in(ClassesTab)
        .at(0, 0, 1, 5)
        .tip(QStringLiteral("Browsing Software Classes"));
    C().button(SelectButton, QStringLiteral("&Select")).in(ClassesTab).at(1, 0);
    C().button(InsertButton, QStringLiteral("&Insert")).in(ClassesTab).at(1, 1);
    C().button(EditButton, QStringLiteral("&Edit")).in(ClassesTab).at(1, 2);
    C().button(DeleteButton, QStringLiteral("&Delete")).in(ClassesTab).at(1, 3);
    C().button(PrintButton, QStringLiteral("&Print")).in(ClassesTab).at(1, 4);
    C().button(CloseButton, QStringLiteral("&Close")).at(1, 1);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 2);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout())) {
        grid->setColumnStretch(0, 1);
        grid->setRowStretch(0, 1);
    }
    // Print stays greyed while the report of classes is not in the procedure table.
    C().Enable(PrintButton, Procedures::exists(Procedure::PrintClasses));
}

// Renaming or deleting a class under an open archive list would pull the list's class
// away from it: while the archive list runs, only adding and printing are offered.
void BrowsTabelWindow::FirstOpen() {
    WindowController::FirstOpen();
    if (GLO.Threads.isOpen(Instance::ArchiveBrowse)) {
        C().Hide(EditButton);
        C().Hide(DeleteButton);
        // Nor do a double-click, the Delete key or the popup menu reach them.
        browse_.ChangeControl = 0;
        browse_.DeleteControl = 0;
    }
}

int BrowsTabelWindow::Kill() {
    if (filesOpened_) Relate::SoortTabel().Close();
    filesOpened_ = false;
    return WindowController::Kill();
}

void BrowsTabelWindow::Reset(bool force) {
    WindowController::Reset(force);
    {
        const BusyCursor busy;
        count_ = std::max<qint64>(0, browse_.Count());
    }
    SetTitle(QStringLiteral("Software class - Number of records : ") + QString::number(count_));
}

int BrowsTabelWindow::RunProcedure(int, int request) {
    Protocol::GlobalRequest = request;
    UpdateSoortTabel form;
    return form.Run();
}

int BrowsTabelWindow::TakeAccepted() {
    switch (Field()) {
    case PrintButton:
        Update();
        Procedures::run(Procedure::PrintClasses, Way::OwnThread);
        Reset(true);
        return LevelNotify;
    case HelpButton:
        Update();
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

// The list's popup menu: the browse's own items, then Close.
int BrowsTabelWindow::TakeFieldEvent() {
    if (Field() == List && Event().Kind == EventKind::AlertKey && Keycode() == Keys::MouseRight) {
        popup();
        return LevelNotify;
    }
    return WindowController::TakeFieldEvent();
}

void BrowsTabelWindow::popup() {
    std::vector<int> controls;
    QString items = browse_.PopupText(&controls);
    if (!items.isEmpty()) items += QStringLiteral("|-|");
    items += QStringLiteral("Close");
    controls.push_back(CloseButton);
    const int chosen = Host::instance().popupMenu(items);
    if (chosen >= 1 && chosen <= int(controls.size()))
        Post(controlEvent(EventKind::Accepted, controls[size_t(chosen - 1)]));
}

int BrowsTabelWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::GainFocus && list_) {
        list_->setBackground(GLO.BrowseColor);
        list_->update();
    }
    return WindowController::TakeWindowEvent();
}
