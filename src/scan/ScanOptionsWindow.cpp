#include "scan/ScanOptionsWindow.h"

#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/host/Host.h"
#include "scan/ScanListing.h"
#include "scan/ScanSettingKeys.h"
#include "scan/ScanSetup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

const QString Caption = QStringLiteral("Wareloft");

void notice(const QString& text) {
    Host::instance().message(text, Caption, Icon::Information, ButtonOk, ButtonOk);
}

QStringList driveRoots() {
    QStringList roots;
    for (const DriveQueueEntry& e : GLO.DriveQueue.rows)
        roots << e.DRIVE.str();
    return roots;
}

} // namespace

ScanOptionsWindow::ScanOptionsWindow(ScanParameters& parameters)
    : WindowController(QStringLiteral("ScanOptions")), parameters_(parameters) {}

int ScanOptionsWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    ScanSetup::RebuildDriveQueue();
    Relate::SoortTabel().Open();
    Relate::Prd().Open();
    build();
    restoreChoices();
    AddButton(CancelButton, RequestCancelled);
    HelpControl = HelpButton;
    return Open();
}

void ScanOptionsWindow::build() {
    SetTitle(QStringLiteral("Scan/Import Configuration"));
    Window().setResizable(false);

    C().group(MediumGroup, QStringLiteral("Medium")).at(0, 0, 1, 3);
    C().radio(CdRadio, QStringLiteral("CD"), 1)
        .in(MediumGroup)
        .at(0, 0)
        .use(medium_)
        .tip(QStringLiteral("Import from CD"));
    C().radio(DiskRadio, QStringLiteral("Disk/Drive"), 2)
        .in(MediumGroup)
        .at(0, 1)
        .use(medium_)
        .tip(QStringLiteral("Import from Disk"));

    C().group(PropertiesGroup, QStringLiteral("Properties")).at(1, 0, 1, 3);
    C().prompt(DrivePrompt, QStringLiteral("Drive :")).in(PropertiesGroup).at(0, 0);
    C().dropList(DriveList, driveRoots())
        .in(PropertiesGroup)
        .at(0, 1)
        .width(5)
        .tip(QStringLiteral("Select drive to import from"));
    C().prompt(DriveKind, QString()).in(PropertiesGroup).at(0, 2).use(kind_);
    C().prompt(NamePrompt, QStringLiteral("Name :")).in(PropertiesGroup).at(1, 0);
    C().entry(NameEntry, QStringLiteral("@s35"))
        .in(PropertiesGroup)
        .at(1, 1, 1, 2)
        .width(24)
        .use(name_)
        .tip(QStringLiteral("Type your CD or Disk Name"));
    C().prompt(ClassPrompt, QStringLiteral("Software Class :")).in(PropertiesGroup).at(2, 0);
    C().combo(ClassCombo, ScanSetup::ClassChoices())
        .in(PropertiesGroup)
        .at(2, 1, 1, 2)
        .use(SRT.Soort)
        .tip(QStringLiteral("Select your Software Class (optional)"));
    C().prompt(ProducerPrompt, QStringLiteral("Producer :")).in(PropertiesGroup).at(3, 0);
    C().combo(ProducerCombo, ScanSetup::ProducerChoices())
        .in(PropertiesGroup)
        .at(3, 1, 1, 2)
        .use(PRD.Name)
        .tip(QStringLiteral("Select Producer - default Organisation & Login Name"));
    static_cast<QComboBox*>(C().widget(ClassCombo))->lineEdit()->setMaxLength(SRT.Soort.capacity());
    static_cast<QComboBox*>(C().widget(ProducerCombo))
        ->lineEdit()
        ->setMaxLength(PRD.Name.capacity());

    C().group(ScanForGroup, QStringLiteral("Scan For")).at(2, 0, 1, 3);
    C().radio(ExeComRadio, QStringLiteral("Exe/Com"), 1)
        .in(ScanForGroup)
        .at(0, 0)
        .use(scanFor_)
        .tip(QStringLiteral("Exe or Com file extension"));
    C().radio(ZipRadio, QStringLiteral("Zip"), 2).in(ScanForGroup).at(0, 1).use(scanFor_);
    C().radio(OtherRadio, QStringLiteral("Other"), 3)
        .in(ScanForGroup)
        .at(0, 2)
        .use(scanFor_)
        .tip(QStringLiteral("Other file extension"));
    C().radio(AllRadio, QStringLiteral("All"), 4)
        .in(ScanForGroup)
        .at(0, 3)
        .use(scanFor_)
        .tip(QStringLiteral("All available files"));
    C().check(TextCheck, QStringLiteral("Include Text/Help Files"))
        .in(ScanForGroup)
        .at(1, 0, 1, 2)
        .use(textFlag_)
        .tip(QStringLiteral("Include Helpfiles, Txt files + contents "));
    C().prompt(ExtensionPrompt, QStringLiteral("Extension")).in(ScanForGroup).at(1, 2);
    C().entry(ExtensionEntry, QStringLiteral("@s5"))
        .in(ScanForGroup)
        .at(1, 3)
        .width(5)
        .use(extension_)
        .tip(QStringLiteral("Type your file extension "));

    C().button(ScanButton, QStringLiteral("&Scan")).at(3, 0).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(3, 1);
    C().button(HelpButton, QStringLiteral("&Help")).at(3, 2);
}

// The drive of the last scan, the Scan For choice and the text flag of the user.
void ScanOptionsWindow::restoreChoices() {
    const QString stored = INIMgr().Fetch(Settings::ScanDriveSel);
    int row = stored.toInt();
    if (stored.trimmed().isEmpty()) row = driveRoots().indexOf(QStringLiteral("A:\\")) + 1;
    if (row < 1 || row > int(GLO.DriveQueue.records())) row = GLO.DriveQueue.records() > 0 ? 1 : 0;
    selectDriveRow(row);
    applyDrive();

    const QString user = FrameRules::userSection();
    // TextContent holds 0 or 1, and a 0 reads as 1: the check box always opens ticked.
    textFlag_ = 1;
    const int choice = INIMgr().FetchNumber(user, Settings::ScanOptionSel);
    scanFor_ = quint8(choice >= 1 && choice <= 4 ? choice : 1);
    showScanFor();
    FirstField = NameEntry;
}

int ScanOptionsWindow::driveRow() const {
    return const_cast<ScanOptionsWindow*>(this)->C().Choice(DriveList);
}

void ScanOptionsWindow::selectDriveRow(int row) {
    C().SetChoice(DriveList, row);
}

void ScanOptionsWindow::applyDrive() {
    const int row = driveRow();
    drive_.clear();
    kind_.clear();
    if (row >= 1 && row <= int(GLO.DriveQueue.records())) {
        GLO.DriveQueue.get(size_t(row - 1));
        drive_ = GLO.DriveQueue.buffer.DRIVE.str();
        kind_ = GLO.DriveQueue.buffer.KINDOFDRIVE.str();
        if (const int medium = ScanSetup::MediumOf(kind_)) medium_ = quint8(medium);
        name_ = drive_.str();
    }
    C().Disable(NameEntry);
    Display();
    Select(ClassCombo);
}

void ScanOptionsWindow::chooseCd() {
    medium_ = 1;
    if (!ScanSetup::HasCdDrive()) notice(QStringLiteral("CD-drive not configurated"));
    applyDrive();
}

void ScanOptionsWindow::chooseDisk() {
    medium_ = 2;
    if (ScanSetup::MediumOf(kind_) == 1)
        selectDriveRow(INIMgr().Fetch(Settings::ScanDriveSel).toInt());
    applyDrive();
}

// The check box goes with every choice but "All", the extension only with "Other".
void ScanOptionsWindow::showScanFor() {
    C().Show(TextCheck, scanFor_ != ScanListing::All);
    C().Show(ExtensionPrompt, scanFor_ == ScanListing::Other);
    C().Show(ExtensionEntry, scanFor_ == ScanListing::Other);
}

int ScanOptionsWindow::TakeAccepted() {
    switch (Field()) {
    case DriveList:
        applyDrive();
        return LevelNotify;
    case CdRadio:
        chooseCd();
        return LevelNotify;
    case DiskRadio:
        chooseDisk();
        return LevelNotify;
    case ExeComRadio:
    case ZipRadio:
    case AllRadio:
        if (scanFor_ == ScanListing::All) {
            textFlag_ = 0;
            C().Display(TextCheck);
        }
        showScanFor();
        return LevelNotify;
    case OtherRadio:
        showScanFor();
        Select(ExtensionEntry);
        return LevelNotify;
    case ScanButton:
        scan();
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

void ScanOptionsWindow::scan() {
    C().TakePending();
    if (drive_.isBlank()) {
        Select(DriveList);
        return;
    }
    if (!Host::instance().setCurrentDirectory(drive_.str())) {
        notice(QStringLiteral("Invalid drive -- Disk not ready"));
        Select(DriveList);
        return;
    }
    if (name_.isBlank()) {
        Select(NameEntry);
        return;
    }
    if (scanFor_ == ScanListing::Other && extension_.isBlank()) {
        Select(ExtensionEntry);
        return;
    }
    int code = scanFor_;
    const QString other =
        scanFor_ == ScanListing::Other ? ScanListing::OtherPattern(extension_) : QString();
    if (textFlag_ && code < ScanListing::All) code += ScanListing::WithText;
    const ScanListing::Result listed = ScanListing::List(GLO.ScanFileQueue, drive_.str(), QString(),
                                                         code, other, QStringLiteral("None"));
    if (!listed.ready) { // the drive went away since it was made current
        notice(QStringLiteral("Invalid drive -- Disk not ready"));
        Select(DriveList);
        return;
    }
    writeBack(code, other, listed.files);
    SetResponse(RequestCompleted);
}

void ScanOptionsWindow::writeBack(int code, const QString& otherPattern, int files) {
    ScanParameters& p = parameters_;
    p.Cancelled = 0;
    p.Name = name_.str();
    p.MediumKind = medium_;
    if (scanFor_ == ScanListing::Other) p.OtherPattern = otherPattern;
    p.FileCount = files;
    p.OptionCode = quint8(code);
    p.Drive = drive_.str();
    p.SoftwareClass = ScanSetup::SettleClass(C().Value(ClassCombo));
    p.Producer = ScanSetup::SettleProducer(
        C().Value(ProducerCombo), INIMgr().Fetch(Settings::Organization), GLO.UserName.str());
}

int ScanOptionsWindow::Kill() {
    if (Response != RequestCompleted) parameters_.Cancelled = 1;
    INIMgr().Update(Settings::ScanDriveSel, driveRow());
    const QString user = FrameRules::userSection();
    INIMgr().Update(user, Settings::ScanOptionSel, scanFor_);
    INIMgr().Update(user, Settings::TextContent, textFlag_);
    const int level = WindowController::Kill();
    Relate::SoortTabel().Close();
    Relate::Prd().Close();
    if (!GLO.ProgramDir.isEmpty()) Host::instance().setCurrentDirectory(GLO.ProgramDir);
    return level;
}

void ScanOptions(ScanParameters& parameters) {
    parameters.Cancelled = 1;
    ScanOptionsWindow window(parameters);
    window.Run();
}
