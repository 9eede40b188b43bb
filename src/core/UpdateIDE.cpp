#include "core/UpdateIDE.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "core/Users.h"
#include "framework/host/Host.h"
#include "framework/window/Keys.h"

#include <QGridLayout>

namespace {

enum IdeField { IDNR, Name, PASSWORD, LEVEL };

constexpr quint8 LowestLevel = 1;

// The values last saved through the form, recalled with Ctrl+'.
std::vector<FieldValue> historyCopy;

QString lastAdministrator(const QString& name, bool deleting) {
    return QStringLiteral("%1 is the only user of level 3, the level that reaches the users "
                          "window. %2 would leave nobody who can manage the users. Give "
                          "another user level 3 first.")
        .arg(name.isEmpty() ? QStringLiteral("This user") : QLatin1Char('"') + name + '"',
             deleting ? QStringLiteral("Deleting this user") : QStringLiteral("A lower level"));
}

} // namespace

int UpdateIDE() {
    UpdateIDEWindow window;
    const int response = window.Run();
    Protocol::GlobalResponse = response;
    return response;
}

UpdateIDEWindow::UpdateIDEWindow() : WindowController(QStringLiteral("UpdateIDE")) {}

int UpdateIDEWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Relate::IDE().Open();
    Primary = &Relate::IDE();
    build();
    if (Request == InsertRecord)
        SetTitle(QStringLiteral("Adding a User Record"));
    else if (Request == ChangeRecord)
        SetTitle(QStringLiteral("Changing a User Record"));
    return Open();
}

int UpdateIDEWindow::Kill() {
    const int level = WindowController::Kill();
    Relate::IDE().Close();
    return level;
}

void UpdateIDEWindow::build() {
    SetTitle(QStringLiteral("Update the IDE File"));
    C().sheet(Sheet).at(0, 0, 1, 3);
    C().tab(GeneralTab, QStringLiteral("General")).in(Sheet);
    const int g = GeneralTab;
    C().prompt(NamePrompt, QStringLiteral("Name")).in(g).at(0, 0);
    C().entry(NameEntry, QStringLiteral("@s20")).in(g).at(0, 1).use(IDE, Name);
    C().prompt(PasswordPrompt, QStringLiteral("Password")).in(g).at(1, 0);
    C().entry(PasswordEntry, QStringLiteral("@s20")).in(g).at(1, 1).use(IDE, PASSWORD);
    C().prompt(LevelPrompt, QStringLiteral("Level:")).in(g).at(2, 0);
    C().dropList(LevelList, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")})
        .in(g)
        .at(2, 1)
        .width(4)
        .use(IDE, LEVEL)
        .tip(QStringLiteral("Choose level"));
    if (auto* grid = qobject_cast<QGridLayout*>(C().widget(GeneralTab)->layout()))
        grid->setRowStretch(3, 1);
    C().button(OkButton, QStringLiteral("&OK")).at(1, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 1);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 2);
    OKControl = OkButton;
    HelpControl = HelpButton;
    FirstField = NameEntry;
    AddButton(CancelButton, RequestCancelled);
    HistoryKey = Keys::CtrlApostrophe;
    AddHistoryFile(IDE, historyCopy);
    AddHistoryField(NameEntry, Name);
    AddHistoryField(PasswordEntry, PASSWORD);
    AddHistoryField(LevelList, LEVEL);
}

// A delete runs without the form, after its question; the last administrator is refused
// before it is asked.
int UpdateIDEWindow::PrimeUpdate() {
    if (Request == DeleteRecord && Users::isLastAdministrator(IDE.IDNR)) {
        Notices::notice(lastAdministrator(IDE.Name.str(), true));
        Response = RequestCancelled;
        return LevelFatal;
    }
    return WindowController::PrimeUpdate();
}

// A new user starts with the lowest level, the one that changes nothing.
void UpdateIDEWindow::PrimeFields() {
    IDE.LEVEL = LowestLevel;
}

int UpdateIDEWindow::TakeAccepted() {
    if (Field() == HelpButton) {
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

int UpdateIDEWindow::TakeCompleted() {
    if ((Request == InsertRecord || Request == ChangeRecord) && !mayStore()) return LevelNotify;
    return WindowController::TakeCompleted();
}

bool UpdateIDEWindow::mayStore() {
    if (const QString problem = Users::passwordProblem(IDE.PASSWORD); !problem.isEmpty()) {
        Notices::notice(problem);
        Select(PasswordEntry);
        return false;
    }
    if (Request == ChangeRecord && IDE.LEVEL != 3 && Users::isLastAdministrator(IDE.IDNR)) {
        Notices::notice(lastAdministrator(IDE.Name.str(), false));
        Select(LevelList);
        return false;
    }
    return true;
}
