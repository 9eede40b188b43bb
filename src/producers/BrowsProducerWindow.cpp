#include "producers/BrowsProducerWindow.h"

#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/ListSettings.h"
#include "core/Notices.h"
#include "core/Procedures.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/host/Host.h"
#include "framework/window/BusyCursor.h"
#include "framework/window/Keys.h"
#include "producers/MailDraft.h"
#include "producers/SendOutlook.h"
#include "producers/UpdatePrd.h"
#include "producers/Website.h"

#include <QGridLayout>
#include <QHeaderView>

namespace {

constexpr const char* ColumnFields[] = {"PRD:Name", "PRD:Website", "PRD:Support", "PRD:Phone"};

} // namespace

BrowsProducerWindow::BrowsProducerWindow() : WindowController(QStringLiteral("BrowsProducer")) {}

int BrowsProducerWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    build();
    Relate::Prd().Open();
    filesOpened_ = true;
    browse_.Init(*list_, *this, Relate::Prd());
    const FileDef& prd = Dictionary::Prd();
    browse_.AddSortOrder(nullptr, PrdKey::KeyName);
    browse_.AddLocator(&locator_);
    for (const char* field : ColumnFields)
        browse_.AddField(prd.fieldIndex(QString::fromLatin1(field)));
    browse_.InsertControl = InsertButton;
    browse_.ChangeControl = PropertiesButton;
    browse_.DeleteControl = DeleteButton;
    browse_.SelectControl = SelectButton;
    browse_.HideSelect = !browse_.Selecting;
    browse_.AskProcedure = 1;
    browse_.SetSort(1);
    restoreColumns();
    explorer_ = std::make_unique<ColumnExplorer>(*list_, browse_, *Settings, ProcedureName,
                                                 ColumnExplorer::Widths::KeptByFormat);
    explorer_->Title = QStringLiteral("Software Producers");
    FrameRules::readBrowseColour();
    list_->setBackground(GLO.BrowseColor);
    AddButton(CloseButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    return Open();
}

void BrowsProducerWindow::build() {
    C().sheet(Sheet).at(0, 0, 1, 4);
    C().tab(ProducersTab, QStringLiteral("Producers")).in(Sheet);
    list_ = new BrowseList(List, [this](const WindowEvent& e) { Post(e); });
    list_->setMinimumSize(560, 260);
    C().custom(List, list_).in(ProducersTab).at(0, 0, 1, 4).tip(QStringLiteral("Browse Producers"));
    C().button(SelectButton, QStringLiteral("&Select")).in(ProducersTab).at(1, 0);
    C().button(InsertButton, QStringLiteral("&Insert")).in(ProducersTab).at(1, 1);
    C().button(PropertiesButton, QStringLiteral("Pr&operties")).in(ProducersTab).at(1, 2);
    C().button(PrintButton, QStringLiteral("&Print")).in(ProducersTab).at(1, 3);
    C().button(WebsiteButton, QStringLiteral("&Website")).in(ProducersTab).at(2, 0);
    C().button(EmailButton, QStringLiteral("&Email")).in(ProducersTab).at(2, 1);
    C().button(DeleteButton, QStringLiteral("&Delete")).in(ProducersTab).at(2, 3);
    C().button(CloseButton, QStringLiteral("&Close")).at(1, 2);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 3);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout())) {
        grid->setColumnStretch(0, 1);
        grid->setRowStretch(0, 1);
    }
    // Print stays greyed while the report of producers is not in the procedure table.
    C().Enable(PrintButton, Procedures::exists(Procedure::PrintProducers));
}

// The columns as the settings keep them; a format that does not describe the four columns
// gives the one the list comes with.
void BrowsProducerWindow::restoreColumns() {
    const FileDef& prd = Dictionary::Prd();
    std::vector<int> fields;
    for (const char* field : ColumnFields)
        fields.push_back(prd.fieldIndex(QString::fromLatin1(field)));
    ListSettings::restoreFormat(*list_, Settings::ProducerBrowse, DesignFormat, fields);
}

void BrowsProducerWindow::saveColumns() {
    ListSettings::storeFormat(*list_, Settings::ProducerBrowse);
}

int BrowsProducerWindow::Kill() {
    const bool chosen = Request == SelectRecord && Response == RequestCompleted;
    const std::vector<FieldValue> producer = PRD.values();
    if (Opened) {
        saveColumns();
        explorer_->Save();
    }
    // Closed while this procedure's name still stands, so that the record buffers the caller
    // had (the archive form's entry) come back as they were.
    if (filesOpened_) Relate::Prd().Close();
    filesOpened_ = false;
    const int level = WindowController::Kill();
    // The producer chosen is what the caller reads, whatever closing the file put back.
    if (chosen) {
        PRD.setValues(producer);
        PRD.setIdentity({});
    }
    return level;
}

// Every reload counts the producers, with the busy cursor, into the caption; the level
// decides whether a producer may be added or deleted.
void BrowsProducerWindow::Reset(bool force) {
    WindowController::Reset(force);
    {
        const BusyCursor busy;
        count_ = std::max<qint64>(0, browse_.Count());
    }
    SetTitle(QStringLiteral("Software Producers - Number of records : ") + QString::number(count_));
    showLevel();
}

void BrowsProducerWindow::showLevel() {
    const bool changes = GLO.UserLevel >= 2;
    for (int button : {InsertButton, DeleteButton}) {
        C().Show(button, changes);
        if (!changes) C().Disable(button);
    }
    if (changes) C().Enable(InsertButton);
}

// Below level 2 a producer can be looked at, not added or deleted.
int BrowsProducerWindow::RunProcedure(int, int request) {
    if (GLO.UserLevel < 2 && request != ChangeRecord) return RequestCancelled;
    Protocol::GlobalRequest = request;
    UpdatePrd form;
    return form.Run();
}

int BrowsProducerWindow::TakeAccepted() {
    switch (Field()) {
    case PrintButton:
        Update();
        Procedures::run(Procedure::PrintProducers, Way::OwnThread);
        Reset(true);
        return LevelNotify;
    case WebsiteButton:
        Update();
        Website::Start(PRD.Name.str());
        return LevelNotify;
    case EmailButton:
        email();
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

void BrowsProducerWindow::email() {
    Update();
    if (!MailDraft::isSupportAddress(PRD.Support.str())) {
        Notices::notice(QStringLiteral("Email address not valid"));
        return;
    }
    SendOutlook(PRD.Name.str().left(32), PRD.Support.str().left(32), QString(), QString());
}

// The list's popup menu: the browse's own items, then Print and Close.
int BrowsProducerWindow::TakeFieldEvent() {
    if (Field() == List && Event().Kind == EventKind::AlertKey && Keycode() == Keys::MouseRight) {
        popup();
        return LevelNotify;
    }
    return WindowController::TakeFieldEvent();
}

void BrowsProducerWindow::popup() {
    std::vector<int> controls;
    QString items = browse_.PopupText(&controls);
    if (!items.isEmpty()) items += QStringLiteral("|-|");
    items += (C().IsEnabled(PrintButton) ? QString() : QStringLiteral("~")) +
             QStringLiteral("Print|-|Close");
    controls.push_back(PrintButton);
    controls.push_back(CloseButton);
    const int chosen = Host::instance().popupMenu(items);
    if (chosen >= 1 && chosen <= int(controls.size()))
        Post(controlEvent(EventKind::Accepted, controls[size_t(chosen - 1)]));
}

int BrowsProducerWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::GainFocus && list_) {
        list_->setBackground(GLO.BrowseColor);
        list_->update();
    }
    return WindowController::TakeWindowEvent();
}
