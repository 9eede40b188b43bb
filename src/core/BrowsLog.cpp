#include "core/BrowsLog.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/ListSettings.h"
#include "core/Logbook.h"
#include "core/Notices.h"
#include "core/SettingKeys.h"
#include "framework/browse/BrowseList.h"
#include "framework/host/Host.h"
#include "framework/window/BusyCursor.h"

#include <QGridLayout>

namespace {

// Whether the logbook report can be run; until it can, "&Print" stays disabled.
bool canPrint() {
    return false;
}

} // namespace

void BrowsLog() {
    (new BrowsLogWindow)->Start();
}

BrowsLogWindow::BrowsLogWindow() : WindowController(QStringLiteral("BrowsLog")) {}

int BrowsLogWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Relate::Log().Open();
    build();
    AddButton(CloseButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    if (const int level = Open()) return level;
    ListSettings::paintStored(*list_);
    return LevelBenign;
}

void BrowsLogWindow::build() {
    SetTitle(QStringLiteral("Logbook"));
    list_ = new BrowseList(List, [this](const WindowEvent& e) { Post(e); });
    C().custom(List, list_).at(0, 0, 1, 6).tip(QStringLiteral("Browse Log"));
    list_->table().setToolTip(QStringLiteral("Browse Log"));
    C().button(SelectButton, QStringLiteral("&Select")).at(1, 0);
    C().button(PrintButton, QStringLiteral("&Print")).at(1, 1);
    C().button(EmptyButton, QStringLiteral("&Empty Log")).at(1, 2);
    C().button(CloseButton, QStringLiteral("&Close")).at(1, 3);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 4);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout())) grid->setRowStretch(0, 1);

    const FileDef& def = Dictionary::Log();
    browse_.Init(*list_, *this, Relate::Log());
    // The thumb follows the date.
    browse_.AddSortOrder(&dateThumb_, LogKey::KeyDate);
    std::vector<int> fields;
    for (const char* f : {"LOG:ID", "LOG:NAME", "LOG:DATUM", "LOG:LOGINTIME", "LOG:LOGOUTTIME"})
        fields.push_back(def.fieldIndex(QString::fromLatin1(f)));
    for (int f : fields)
        browse_.AddField(f);
    ListSettings::restoreFormat(*list_, Settings::LoginBrowse, Format, fields);
    browse_.SelectControl = SelectButton;
    browse_.HideSelect = true;
    if (canPrint()) {
        browse_.PrintControl = PrintButton;
        browse_.PrintProcedure = Report;
    }
}

int BrowsLogWindow::Kill() {
    if (Opened) ListSettings::storeFormat(*list_, Settings::LoginBrowse);
    const int level = WindowController::Kill();
    Relate::Log().Close();
    return level;
}

// With no entry there is nothing to print or to empty.
void BrowsLogWindow::Reset(bool force) {
    WindowController::Reset(force);
    const bool entries = !browse_.ListQueue.empty();
    C().Enable(PrintButton, entries && canPrint());
    C().Enable(EmptyButton, entries);
}

int BrowsLogWindow::TakeAccepted() {
    switch (Field()) {
    case EmptyButton:
        emptyLog();
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

int BrowsLogWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::GainFocus && list_) ListSettings::paintCurrent(*list_);
    return WindowController::TakeWindowEvent();
}

// Without a question, as the button says.
void BrowsLogWindow::emptyLog() {
    QString failure;
    bool emptied;
    {
        const BusyCursor busy;
        emptied = Logbook::empty(failure);
    }
    if (!emptied) Notices::notice(failure);
    Reset(true);
    if (!emptied) return;
    Select(List);
}
