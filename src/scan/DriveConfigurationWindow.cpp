#include "scan/DriveConfigurationWindow.h"

#include "core/DataFiles.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/host/Host.h"

#include <QFont>
#include <QGridLayout>
#include <QWidget>

namespace {

// Hidden kind and folder fields keep their room, so the rows stay aligned.
void keepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

DriveConfigurationWindow::DriveConfigurationWindow()
    : WindowController(QStringLiteral("DriveConfiguration")) {}

int DriveConfigurationWindow::letterOf(int control, int first) {
    const int letter = control - first;
    return letter >= 0 && letter < DriveSetup::Letters ? letter : -1;
}

int DriveConfigurationWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Relate::Drv().Open();
    const DriveSetup::Configuration configuration = DriveSetup::load();
    for (int i = 0; i < DriveSetup::Letters; ++i) {
        ticked_[i] = configuration[i].ticked ? 1 : 0;
        kinds_[i] = configuration[i].kind;
        folders_[i] = configuration[i].folder;
    }
    build();
    if (INIMgr().FetchNumber(Settings::DriveConfig) != 0) C().Hide(FirstStartText);
    for (int i = 0; i < DriveSetup::Letters; ++i)
        showKind(i);
    AddButton(CancelButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = FirstTick;
    return Open();
}

void DriveConfigurationWindow::build() {
    SetTitle(QStringLiteral("Configure drives"));
    Window().setResizable(false);
    C().prompt(FirstStartText, QStringLiteral("First start : Please check your avaible drives"))
        .at(0, 0, 1, 4);
    QFont bold = C().widget(FirstStartText)->font();
    bold.setBold(true);
    C().widget(FirstStartText)->setFont(bold);

    C().group(DrivesGroup, QStringLiteral("Available Drives")).at(1, 0, 1, 4);
    C().prompt(KindHeading, QStringLiteral("Kind")).in(DrivesGroup).at(0, 1);
    C().prompt(FolderHeading, QStringLiteral("Folder on this computer"))
        .in(DrivesGroup)
        .at(0, 2, 1, 2);
    for (int i = 0; i < DriveSetup::Letters; ++i) {
        const QString letter(DriveSetup::letter(i));
        const int row = i + 1;
        C().check(FirstTick + i, QStringLiteral("Drive ") + letter)
            .in(DrivesGroup)
            .at(row, 0)
            .use(ticked_[i]);
        C().dropList(FirstKind + i, DriveSetup::kindChoices())
            .in(DrivesGroup)
            .at(row, 1)
            .width(6)
            .use(kinds_[i])
            .tip(QStringLiteral("Kind of medium in drive ") + letter);
        C().entry(FirstFolder + i)
            .in(DrivesGroup)
            .at(row, 2)
            .width(20)
            .use(folders_[i])
            .tip(QStringLiteral("The folder that drive %1:\\ stands for").arg(letter));
        C().button(FirstBrowse + i, QStringLiteral("..."))
            .in(DrivesGroup)
            .at(row, 3)
            .tip(QStringLiteral("Choose the folder of drive ") + letter);
        C().widget(FirstBrowse + i)
            ->setMaximumWidth(C().widget(FirstBrowse + i)->sizeHint().height() * 2);
        for (int first : {FirstKind, FirstFolder, FirstBrowse})
            keepRoomWhenHidden(C().widget(first + i));
    }
    C().check(ConnectDrive, QStringLiteral("Connect Drive")).at(2, 0).use(connect_);
    C().Disable(ConnectDrive);
    C().button(OkButton, QStringLiteral("&OK")).at(2, 1).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(2, 2);
    C().button(HelpButton, QStringLiteral("&Help")).at(2, 3);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout()))
        grid->setColumnStretch(0, 1);
}

int DriveConfigurationWindow::Kill() {
    const int level = WindowController::Kill();
    Relate::Drv().Close();
    INIMgr().Update(Settings::DriveConfig, 1);
    return level;
}

int DriveConfigurationWindow::TakeAccepted() {
    const int control = Field();
    if (const int letter = letterOf(control, FirstTick); letter >= 0) {
        showKind(letter);
    } else if (const int letter = letterOf(control, FirstBrowse); letter >= 0) {
        chooseFolder(letter);
    } else if (control == OkButton) {
        save();
        return LevelNotify;
    } else if (control == HelpButton) {
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

void DriveConfigurationWindow::showKind(int letter) {
    const bool shown = ticked_[letter] != 0;
    for (int first : {FirstKind, FirstFolder, FirstBrowse})
        C().Show(first + letter, shown);
}

void DriveConfigurationWindow::chooseFolder(int letter) {
    C().Accept(FirstFolder + letter);
    const QString chosen = Host::instance().directoryDialog(
        QStringLiteral("Folder of drive %1:\\").arg(DriveSetup::letter(letter)), folders_[letter]);
    if (chosen.isEmpty()) return;
    folders_[letter] = chosen;
    C().Display(FirstFolder + letter);
}

// A ticked letter without a kind keeps the dialog open with the focus on its kind list.
void DriveConfigurationWindow::save() {
    C().TakePending();
    DriveSetup::Configuration configuration;
    for (int i = 0; i < DriveSetup::Letters; ++i)
        configuration[i] = {ticked_[i] != 0, kinds_[i].str(), folders_[i]};
    if (!keepNotReady(configuration)) return;
    const int missing = DriveSetup::store(configuration);
    if (missing >= 0) {
        Select(FirstKind + missing);
        return;
    }
    SetResponse(RequestCompleted);
}

// A folder that is not there is said before anything is stored; the drive may be kept as one
// that is not ready, or the folder put right.
bool DriveConfigurationWindow::keepNotReady(const DriveSetup::Configuration& configuration) {
    const std::vector<int> letters = DriveSetup::notReady(configuration);
    if (letters.empty()) return true;
    QString text;
    for (int i : letters)
        text += QStringLiteral("The folder %1 of drive %2 does not exist or is not a folder.\n")
                    .arg(configuration[i].folder.trimmed(), DriveSetup::root(i));
    text += letters.size() == 1 ? QStringLiteral("Keep the drive as one that is not ready?")
                                : QStringLiteral("Keep the drives as ones that are not ready?");
    const int answer = Host::instance().message(text, QStringLiteral("Wareloft"), Icon::Exclamation,
                                                QStringLiteral("&Yes|&No"), 2);
    if (answer == 1) return true;
    Select(FirstFolder + letters.front());
    return false;
}
