#include "archive/BrowsArchiefWindow.h"

#include "archive/DeleteMedium.h"
#include "archive/UpdateArchief.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/ListSettings.h"
#include "core/Procedures.h"
#include "framework/host/Host.h"
#include "framework/store/Codes.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"
#include "producers/MailDraft.h"
#include "producers/SendOutlook.h"
#include "producers/Website.h"

namespace {

constexpr int MailFieldLength = 32;

QString mailField(const QString& text) {
    return text.left(MailFieldLength).leftJustified(MailFieldLength, u' ');
}

void inform(const QString& text) {
    Host::instance().message(text, QStringLiteral("Wareloft"), Icon::Information, ButtonOk,
                             ButtonOk);
}

} // namespace

// The record form for the browse's own requests: Include (the Insert key), Properties
// (a double-click) and Delete.
int BrowsArchiefWindow::RunProcedure(int, int request) {
    if (GLO.UserLevel < 2 && request != ChangeRecord) return RequestCancelled;
    // An entry without a medium name has no properties to show.
    if (request == ChangeRecord && ARC.CDiskNaam.str().trimmed().isEmpty()) return RequestCancelled;
    count_ = -1; // counted again at the reset that follows
    Protocol::GlobalRequest = request;
    switch (request) {
    case InsertRecord:
        return UpdateArchief(3, 0, 0);
    case ChangeRecord:
        return UpdateArchief(4, 0, 0);
    case DeleteRecord:
        return UpdateArchief(0, 5, 0);
    default:
        return RequestCancelled;
    }
}

int BrowsArchiefWindow::TakeEvent() {
    const int level = WindowController::TakeEvent();
    if (Looping() && Opened) showHighlight();
    return level;
}

int BrowsArchiefWindow::TakeNewSelection() {
    switch (Field()) {
    case ClassList:
        Update();
        chosen_.setValue(0, SRT.Soort.str());
        GLO.ClassFilter = SRT.Soort.str();
        Reset(true);
        C().Display(ClassList);
        return LevelNotify;
    case Sheet:
        Update();
        SRT.Soort = chosen_.text(0);
        GLO.ClassFilter = SRT.Soort.str();
        selectTab(C().Choice(Sheet));
        Reset(true);
        return LevelNotify;
    default:
        return WindowController::TakeNewSelection();
    }
}

int BrowsArchiefWindow::TakeAccepted() {
    if (const int level = press(Field()); level != LevelBenign) return level;
    return WindowController::TakeAccepted();
}

// The buttons the browse manager does not carry out itself; 0 for those it does.
int BrowsArchiefWindow::press(int control) {
    switch (control) {
    case NewCdButton:
        addEntry(1);
        return LevelNotify;
    case NewDiskButton:
        addEntry(2);
        return LevelNotify;
    case DeleteMediumButton:
        Update();
        if (GLO.UserLevel >= 2 && DeleteMedium(ARC) > 0) {
            Reset(true);
            tellToolbar();
        }
        return LevelNotify;
    case ScanButton:
        Update();
        Procedures::run(Procedure::ScanResults, Way::OwnThread);
        Reset(true);
        tellToolbar();
        return LevelNotify;
    case SearchButton:
        Update();
        Procedures::run(Procedure::Search, Way::OwnThread);
        return LevelNotify;
    case PrintButton:
        Update();
        Procedures::run(Procedure::PrintSelection, Way::OwnThread);
        return LevelNotify;
    case PrintRecordButton:
        Update();
        Procedures::run(Procedure::PrintRecord, Way::OwnThread);
        return LevelNotify;
    case WebsiteButton:
        Update();
        Website::Start(ARC.Producer.str());
        return LevelNotify;
    case EmailButton:
        email();
        return LevelNotify;
    case HelpButton:
        Update();
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    case NoSelectionButton:
        Update();
        SRT.Soort = QString::fromLatin1(Everything);
        GLO.ClassFilter = QString::fromLatin1(Everything);
        C().Display(ClassList);
        Post(controlEvent(EventKind::NewSelection, ClassList));
        return LevelNotify;
    case FileNameEntry:
        Update();
        Reset(true);
        return LevelNotify;
    default:
        return LevelBenign;
    }
}

// New CD and New Disk: the record form for a new medium, through the procedure table.
void BrowsArchiefWindow::addEntry(int kind) {
    if (GLO.UserLevel < 2) return;
    Update();
    count_ = -1;
    Procedures::run(kind == 1 ? Procedure::NewCd : Procedure::NewDisk, Way::CallersThread);
    browse_.ResetSort(true);
    Reset(true);
}

// Writes to the support address of the highlighted entry's producer.
void BrowsArchiefWindow::email() {
    Update();
    PRD.Name = ARC.Producer.str().left(30);
    if (Access::Prd().TryFetch(PrdKey::KeyName) != LevelBenign) {
        inform(QStringLiteral("Error opening producer file"));
        inform(store::codes::text(Access::Prd().Usage().LastError));
        return;
    }
    const QString support = PRD.Support.str();
    if (support.trimmed().isEmpty()) {
        inform(QStringLiteral("Error : email address empty"));
        return;
    }
    if (!MailDraft::isSupportAddress(support)) {
        inform(QStringLiteral("Error : email address not valid"));
        return;
    }
    SendOutlook(mailField(PRD.Name.str()), mailField(support), mailField(ARC.Registration.str()),
                mailField(ARC.Naam.str()));
    Host::instance().setCurrentDirectory(GLO.ProgramDir);
}

int BrowsArchiefWindow::TakeFieldEvent() {
    if (Field() == List && Event().Kind == EventKind::AlertKey && Keycode() == Keys::MouseRight) {
        popup();
        return LevelNotify;
    }
    return WindowController::TakeFieldEvent();
}

// The list's popup menu by the user's level; each item presses its button.
void BrowsArchiefWindow::popup() {
    struct Item {
        const char* text;
        int control; // 0: a separator
    };
    static const std::vector<Item> full = {{"New CD", NewCdButton},
                                           {"New Disk/HD", NewDiskButton},
                                           {"Scan/Import", ScanButton},
                                           {"Include", IncludeButton},
                                           {"Properties", PropertiesButton},
                                           {"-", 0},
                                           {"Search", SearchButton},
                                           {"-", 0},
                                           {"Delete", DeleteButton},
                                           {"Del CD/Disk", DeleteMediumButton},
                                           {"-", 0},
                                           {"Website", WebsiteButton},
                                           {"Email", EmailButton},
                                           {"-", 0},
                                           {"Print", PrintButton},
                                           {"Print Record", PrintRecordButton},
                                           {"-", 0},
                                           {"Help", HelpButton},
                                           {"-", 0},
                                           {"Close", CloseButton}};
    static const std::vector<Item> reading = {{"Properties", PropertiesButton},
                                              {"-", 0},
                                              {"Scan/Import", ScanButton},
                                              {"-", 0},
                                              {"Search", SearchButton},
                                              {"-", 0},
                                              {"Website", WebsiteButton},
                                              {"Email", EmailButton},
                                              {"-", 0},
                                              {"Print", PrintButton},
                                              {"Print Record", PrintRecordButton},
                                              {"-", 0},
                                              {"Help", HelpButton},
                                              {"-", 0},
                                              {"Close", CloseButton}};
    QStringList items;
    std::vector<int> controls;
    for (const Item& item : GLO.UserLevel >= 2 ? full : reading) {
        if (!item.control) {
            items << QStringLiteral("-");
            continue;
        }
        items << (C().IsEnabled(item.control) ? QString() : QStringLiteral("~")) +
                     QString::fromLatin1(item.text);
        controls.push_back(item.control);
    }
    const int chosen = Host::instance().popupMenu(items.join(u'|'));
    if (chosen >= 1 && chosen <= int(controls.size()))
        Post(controlEvent(EventKind::Accepted, controls[size_t(chosen - 1)]));
}

int BrowsArchiefWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::GainFocus && list_ && Opened) takeRemoteAction();
    return WindowController::TakeWindowEvent();
}

// The toolbar's request to act on the highlighted entry (GLO:BrowseAction), carried out
// by the button of the action when the list allows it now.
void BrowsArchiefWindow::takeRemoteAction() {
    static const int buttons[] = {0,           PropertiesButton,  DeleteButton, WebsiteButton,
                                  EmailButton, DeleteMediumButton};
    const int action = GLO.BrowseAction;
    GLO.BrowseAction = BrowseActionNone;
    if (action > 0 && action < int(std::size(buttons)) && C().IsEnabled(buttons[action]))
        Post(controlEvent(EventKind::Accepted, buttons[action]));
    BringForward();
    Reset(true);
    ListSettings::paintCurrent(*list_);
    list_->update();
}

void BrowsArchiefWindow::tellToolbar() {
    if (const quint32 toolbar = GLO.Threads.thread(Instance::Toolbar))
        WindowRegistry::PostGainFocus(int(toolbar));
}
