#include "core/BrowsUsers.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/ListSettings.h"
#include "core/SettingKeys.h"
#include "core/UpdateIDE.h"
#include "core/Users.h"
#include "framework/browse/BrowseList.h"
#include "framework/host/Host.h"

#include <QGridLayout>

void BrowsUsers() {
    (new BrowsUsersWindow)->Start();
}

BrowsUsersWindow::BrowsUsersWindow() : WindowController(QStringLiteral("BrowsUsers")) {}

int BrowsUsersWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Relate::IDE().Open();
    build();
    AddButton(CloseButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    if (const int level = Open()) return level;
    ListSettings::paintStored(*list_);
    return LevelBenign;
}

void BrowsUsersWindow::build() {
    SetTitle(QStringLiteral("Users"));
    list_ = new BrowseList(List, [this](const WindowEvent& e) { Post(e); });
    C().custom(List, list_).at(0, 0, 1, 6).tip(QStringLiteral("Browse Users"));
    list_->table().setToolTip(QStringLiteral("Browse Users"));
    C().button(SelectButton, QStringLiteral("&Select")).at(1, 0);
    C().button(InsertButton, QStringLiteral("&Insert")).at(1, 1);
    C().button(ChangeButton, QStringLiteral("&Change")).at(1, 2);
    C().button(DeleteButton, QStringLiteral("&Delete")).at(1, 3);
    C().button(CloseButton, QStringLiteral("&Close")).at(1, 4);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 5);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout())) grid->setRowStretch(0, 1);

    const FileDef& def = Dictionary::IDE();
    browse_.Init(*list_, *this, Relate::IDE());
    nameThumb_.Init(StepManager::AllowAlpha | StepManager::AllowNumeric);
    browse_.AddSortOrder(&nameThumb_, IdeKey::KeyName);
    browse_.AddLocator(&locator_);
    std::vector<int> fields;
    for (const char* f : {"IDE:Name", "IDE:PASSWORD", "IDE:LEVEL"})
        fields.push_back(def.fieldIndex(QString::fromLatin1(f)));
    for (int f : fields)
        browse_.AddField(f);
    ListSettings::restoreFormat(*list_, Settings::UserBrowse, Format, fields);
    browse_.SelectControl = SelectButton;
    browse_.HideSelect = true;
    browse_.InsertControl = InsertButton;
    browse_.ChangeControl = ChangeButton;
    browse_.DeleteControl = DeleteButton;
    browse_.AskProcedure = UserForm;
}

int BrowsUsersWindow::Kill() {
    if (Opened) ListSettings::storeFormat(*list_, Settings::UserBrowse);
    const int level = WindowController::Kill();
    Relate::IDE().Close();
    return level;
}

// The title counts the users whenever the window is refreshed.
void BrowsUsersWindow::Reset(bool force) {
    WindowController::Reset(force);
    SetTitle(QStringLiteral("Number of users : %1").arg(Users::count()));
}

int BrowsUsersWindow::RunProcedure(int procedure, int request) {
    if (procedure != UserForm) return WindowController::RunProcedure(procedure, request);
    Protocol::GlobalRequest = request;
    return UpdateIDE();
}

int BrowsUsersWindow::TakeAccepted() {
    if (Field() == HelpButton) {
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

int BrowsUsersWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::GainFocus && list_) ListSettings::paintCurrent(*list_);
    return WindowController::TakeWindowEvent();
}
