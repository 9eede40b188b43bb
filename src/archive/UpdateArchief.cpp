#include "archive/UpdateArchief.h"

#include "archive/ArchiveDrives.h"
#include "archive/FormLaunch.h"
#include "archive/ProducerChoice.h"
#include "archive/UpdateArchiefWindow.h"
#include "core/Calendar.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/Pictures.h"
#include "framework/host/Host.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"

#include <QFont>
#include <QGridLayout>
#include <QWidget>

namespace {

// Field numbers of the Archief record.
enum ArcField {
    NR,
    CdNr,
    DiskNr,
    CDiskNaam,
    Soort,
    Naam,
    Size,
    Date,
    Time,
    Producer,
    Registration,
    Version,
    Opmerkingen,
    Omschrijving
};

// The values last saved through the form, recalled with Ctrl+'.
std::vector<FieldValue> historyCopy;

} // namespace

int UpdateArchief(quint8 kindA, quint8 kindB, quint32 recordNumber) {
    UpdateArchiefWindow window(kindA, kindB, recordNumber);
    const int response = window.Run();
    Protocol::GlobalResponse = response;
    return response;
}

UpdateArchiefWindow::UpdateArchiefWindow(quint8 kindA, quint8 kindB, quint32 recordNumber)
    : WindowController(QStringLiteral("UpdateArchief")), recordNumber_(recordNumber),
      kind_(UpdateArchiefRules::kindOf(kindA, kindB)) {
    SingleInstance = {[] { return int(GLO.Threads.thread(Instance::ArchiveForm)); },
                      [](int t) { GLO.Threads.set(Instance::ArchiveForm, quint32(t)); }};
}

int UpdateArchiefWindow::Init() {
    // A second form brings the first to the front and opens nothing.
    if (const int level = WindowController::Init()) return level;
    started_ = true;
    Relate::Archief().Open();
    Relate::Drv().Open();
    Primary = &Relate::Archief();
    build();
    if (Request == InsertRecord) clearEntry(); // the record reserved for the insert starts empty
    // The entry asked for is loaded before the form primes it, so that the form saves the
    // entry it shows.
    if (recordNumber_ != 0 && !loadRecord()) return LevelFatal;
    fillDrives();
    SetTitle(UpdateArchiefRules::requestCaption(Request, ARC.Naam));
    // New media start at the file name, the other kinds at choosing the file.
    if (kind_ == Kinds::NewCd || kind_ == Kinds::NewDisk)
        FirstField = FileNameEntry;
    else if (kind_ != Kinds::NoKind)
        FirstField = ChooseFileButton;
    DeleteAction = 3; // a delete shows the form; its OK asks before deleting
    if (const int level = Open()) return level;
    DeleteAction = 2;
    afterOpening();
    return LevelBenign;
}

bool UpdateArchiefWindow::loadRecord() {
    ARC.NR = recordNumber_;
    if (Access::Archief().TryFetch(ArcKey::IDkey) == LevelBenign) return true;
    tell(QStringLiteral("Can not find record"), QStringLiteral("Software"));
    return false;
}

// Kinds 3 to 5 offer the drive of the medium only; new media every configured drive.
void UpdateArchiefWindow::fillDrives() {
    if (kind_ == Kinds::NewCd || kind_ == Kinds::NewDisk) {
        ArchiveDrives::fillForNewMedium();
        return;
    }
    if (recordNumber_ == 0) ARC.CDiskNaam = GLO.CurrentMediumName.str();
    if (!ArchiveDrives::fillForMedium(ARC.CDiskNaam))
        tell(QStringLiteral("Drive not found in configuration, please correct this"));
}

void UpdateArchiefWindow::afterOpening() {
    rememberedCd_ = INIMgr().Fetch(Settings::CDDrive);
    rememberedFd_ = INIMgr().Fetch(Settings::FDDrive);
    ArchiveDrives::sort();
    fillClasses();

    if (kind_ == Kinds::NewCd || kind_ == Kinds::NewDisk) {
        clearEntry();
        SRT.Soort.clear();
        clearProducerDetails();
    }
    showProducer();
    C().Enable(OkButton, GLO.UserLevel >= 2); // lower levels look, but cannot save
    if (kind_ == Kinds::Include) C().Disable(NameEntry);
    switch (kind_) {
    case Kinds::NewCd:
    case Kinds::NewDisk:
        prepareNewMedium();
        takeDrive();
        break;
    case Kinds::Include:
        prepareInclude();
        break;
    case Kinds::Properties:
    case Kinds::Delete:
        prepareChange();
        break;
    case Kinds::NoKind:
        break;
    }
    // The form is ready: what it filled in is not a change of the user's.
    FileManager& archief = Access::Archief();
    archief.RestoreBuffer(Saved, false);
    Saved = archief.SaveBuffer();
    asOpened_ = ARC.values();
    Display();
}

int UpdateArchiefWindow::Kill() {
    if (!started_) return WindowController::Kill();
    const int driveRow = C().Choice(DriveList);
    const int level = WindowController::Kill();
    if (const int browse = int(GLO.Threads.thread(Instance::ArchiveBrowse)))
        WindowRegistry::PostGainFocus(browse);
    Relate::Drv().Close();
    Relate::Archief().Close();
    if (Opened && driveRow > 0) {
        if (kind_ == Kinds::NewCd) INIMgr().Update(Settings::CDDrive, driveRow);
        if (kind_ == Kinds::NewDisk) INIMgr().Update(Settings::FDDrive, driveRow);
    }
    return level;
}

// ---- the window --------------------------------------------------------------------------

void UpdateArchiefWindow::build() {
    C().sheet(Sheet).at(0, 0, 1, 5);
    C().tab(GeneralTab, QStringLiteral("&General")).in(Sheet);
    buildGeneral();
    C().tab(DescriptionTab, QStringLiteral("&Description")).in(Sheet);
    C().text(DescriptionBox).in(DescriptionTab).at(0, 0).use(ARC, Omschrijving);
    C().widget(DescriptionBox)->setFont(QFont(QStringLiteral("Verdana")));
    C().button(RunButton, QStringLiteral("&Run")).at(1, 1);
    C().Hide(RunButton);
    C().button(OkButton, QStringLiteral("&OK")).at(1, 2).defaultButton();
    C().button(CancelButton, QStringLiteral("&Cancel")).at(1, 3);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 4);
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout()))
        grid->setColumnStretch(0, 1);
    OKControl = OkButton;
    HelpControl = HelpButton;
    FirstField = CdNrEntry;
    AddButton(CancelButton, RequestCancelled);
    addHistory();
}

void UpdateArchiefWindow::buildGeneral() {
    const int g = GeneralTab;
    C().prompt(CdNrPrompt, QStringLiteral("Cd Number:")).in(g).at(0, 0);
    C().entry(CdNrEntry, QStringLiteral("@N8_B"))
        .in(g)
        .at(0, 1)
        .width(7)
        .use(ARC, CdNr)
        .tip(QStringLiteral("Cd Number"));
    C().prompt(DiskNrPrompt, QStringLiteral("Disk Number:")).in(g).at(0, 2);
    C().entry(DiskNrEntry, QStringLiteral("@N8_B"))
        .in(g)
        .at(0, 3)
        .width(7)
        .use(ARC, DiskNr)
        .tip(QStringLiteral("Disk number"));
    C().prompt(DriveLabel, QStringLiteral("Drive")).in(g).at(0, 5);
    C().dropList(DriveList, {})
        .in(g)
        .at(0, 6)
        .width(4)
        .use(GLO.DriveQueue.buffer.DRIVE)
        .tip(QStringLiteral("Select Drive"));
    C().prompt(NamePrompt, QStringLiteral("Name:")).in(g).at(1, 0);
    C().entry(NameEntry, QStringLiteral("@s35"))
        .in(g)
        .at(1, 1, 1, 3)
        .use(ARC, CDiskNaam)
        .tip(QStringLiteral("CD or Disk name"));
    C().prompt(FileNamePrompt, QStringLiteral("File Name:")).in(g).at(2, 0);
    C().prompt(ClassLabel, QStringLiteral("Class :")).in(g).at(3, 0);
    C().entry(FileNameEntry, QStringLiteral("@s255"))
        .in(g)
        .at(2, 1, 1, 3)
        .width(36)
        .use(ARC, Naam)
        .tip(QStringLiteral("Name"));
    C().prompt(FileLabel, QStringLiteral("File Name")).in(g).at(2, 5);
    C().button(PickDateButton, QStringLiteral("..."))
        .in(g)
        .at(4, 4)
        .tip(QStringLiteral("Pick Date"));
    C().prompt(VersionLabel, QStringLiteral("Version :")).in(g).at(3, 2);
    C().dropList(VersionList, {QStringLiteral("Freeware"), QStringLiteral("Shareware"),
                               QStringLiteral("Registrated")})
        .in(g)
        .at(3, 3)
        .use(ARC, Version)
        .tip(QStringLiteral("Select your version"));
    C().dropList(ClassList, {}).in(g).at(3, 1).width(14).use(SRT, 0);
    C().prompt(SizeLabel, QStringLiteral("Size :")).in(g).at(4, 0);
    C().spin(SizeSpin, 0, 9999999, 10)
        .picture(QStringLiteral("@N_8_.1B"))
        .in(g)
        .at(4, 1)
        .use(ARC, Size)
        .tip(QStringLiteral("Size of the application"));
    C().prompt(DateLabel, QStringLiteral("Date :")).in(g).at(4, 2);
    C().spin(DateSpin, 0, Pictures::LastDay)
        .picture(QStringLiteral("@D5B"))
        .in(g)
        .at(4, 3)
        .use(ARC, Date)
        .tip(QStringLiteral("Year of release"));
    C().button(ChooseFileButton, QStringLiteral("..."))
        .in(g)
        .at(2, 6)
        .tip(QStringLiteral("Quick lookup voor filename"));
    C().prompt(TimeLabel, QStringLiteral("Time :")).in(g).at(4, 5);
    C().entry(TimeEntry, QStringLiteral("@T4B")).in(g).at(4, 6).width(6).use(ARC, Time);
    C().prompt(RegistrationPrompt, QStringLiteral("Reg. nr.")).in(g).at(5, 0);
    C().entry(RegistrationEntry, QStringLiteral("@s35"))
        .in(g)
        .at(5, 1, 1, 3)
        .use(ARC, Registration)
        .tip(QStringLiteral("Registration number"));
    C().prompt(RemarksPrompt, QStringLiteral("Remarks :")).in(g).at(6, 0);
    C().entry(RemarksEntry, QStringLiteral("@s50"))
        .in(g)
        .at(6, 1, 1, 3)
        .use(ARC, Opmerkingen)
        .tip(QStringLiteral("Specialy remarks"));
    C().prompt(ProducerPrompt, QStringLiteral("Producer:")).in(g).at(7, 0);
    C().entry(ProducerEntry, QStringLiteral("@s30"))
        .in(g)
        .at(7, 1, 1, 3)
        .use(ARC, Producer)
        .tip(QStringLiteral("Producer of the program"));
    C().prompt(WebsitePrompt, QStringLiteral("Website:")).in(g).at(8, 0);
    C().entry(WebsiteEntry, QStringLiteral("@s40"))
        .in(g)
        .at(8, 1, 1, 3)
        .use(website_)
        .tip(QStringLiteral("Website adress ( URL) "));
    C().prompt(SupportPrompt, QStringLiteral("Support:")).in(g).at(9, 0);
    C().entry(SupportEntry, QStringLiteral("@s50"))
        .in(g)
        .at(9, 1, 1, 3)
        .use(support_)
        .tip(QStringLiteral("Email adress"));
    C().prompt(PhonePrompt, QStringLiteral("Phone:")).in(g).at(9, 5);
    C().entry(PhoneEntry, QStringLiteral("@s30"))
        .in(g)
        .at(9, 6)
        .width(12)
        .use(phone_)
        .tip(QStringLiteral("Phonenumber "));
    for (int button : {PickDateButton, ChooseFileButton})
        C().widget(button)->setMaximumWidth(C().widget(button)->sizeHint().height() * 2);
}

void UpdateArchiefWindow::addHistory() {
    HistoryKey = Keys::CtrlApostrophe;
    AddHistoryFile(ARC, historyCopy);
    const std::pair<int, int> fields[] = {{CdNrEntry, CdNr},
                                          {DiskNrEntry, DiskNr},
                                          {NameEntry, CDiskNaam},
                                          {FileNameEntry, Naam},
                                          {VersionList, Version},
                                          {SizeSpin, Size},
                                          {DateSpin, Date},
                                          {TimeEntry, Time},
                                          {RegistrationEntry, Registration},
                                          {RemarksEntry, Opmerkingen},
                                          {ProducerEntry, Producer},
                                          {DescriptionBox, Omschrijving}};
    for (const auto& [control, field] : fields)
        AddHistoryField(control, field);
}

// The classes in name order, without "Everything".
void UpdateArchiefWindow::fillClasses() {
    QStringList classes;
    FileManager& soorten = Access::SoortTabel();
    if (soorten.UseFile() == LevelBenign) {
        SoortTabelRecord row;
        soorten.File->setOrder(SrtKey::KeySoort);
        while (soorten.File->next(row) == store::Ok)
            if (row.Soort.str().compare(QLatin1String("Everything"), Qt::CaseInsensitive) != 0)
                classes << row.Soort.str();
    }
    C().SetChoices(ClassList, classes);
}

// ---- steps -------------------------------------------------------------------------------

int UpdateArchiefWindow::TakeAccepted() {
    switch (Field()) {
    case DriveList:
        selectDriveRow(C().Choice(DriveList));
        takeDrive();
        return LevelNotify;
    case ClassList:
        ARC.Soort = SRT.Soort.str();
        return LevelNotify;
    case ChooseFileButton:
        chooseFile();
        return LevelNotify;
    case PickDateButton:
        pickDate();
        return LevelNotify;
    case ProducerEntry:
        lookupProducer();
        return LevelNotify;
    case RunButton:
        if (runMode_ != 0) FormLaunch::run(runPath_, runLocal_, runMode_);
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QString::fromLatin1(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

int UpdateArchiefWindow::TakeNewSelection() {
    if (Field() == Sheet) showRunForTab();
    return WindowController::TakeNewSelection();
}

int UpdateArchiefWindow::TakeCompleted() {
    if (Request == InsertRecord || Request == ChangeRecord) {
        UpdateArchiefRules::applyOkRules(ARC);
        Display();
    }
    const int level = WindowController::TakeCompleted();
    // The count follows what the form wrote.
    if (Response == RequestCompleted && !counted_) {
        counted_ = true;
        if (Request == InsertRecord) ++GLO.ArchiveCount;
        if (Request == DeleteRecord && GLO.ArchiveCount > 0) --GLO.ArchiveCount;
    }
    return level;
}

// ---- producer and date -------------------------------------------------------------------

namespace {

// The producer of that name; only a name that fits a producer's 30 characters can match.
bool findProducer(const QString& name) {
    if (name.trimmed().isEmpty() || name.size() > PRD.Name.capacity()) return false;
    PRD.Name = name;
    return Access::Prd().TryFetch(PrdKey::KeyName) == LevelBenign;
}

} // namespace

void UpdateArchiefWindow::clearProducerDetails() {
    website_.clear();
    support_.clear();
    phone_.clear();
}

void UpdateArchiefWindow::showProducer() {
    if (!findProducer(ARC.Producer)) return;
    ARC.Producer = PRD.Name.str();
    website_ = PRD.Website.str();
    support_ = PRD.Support.str();
    phone_ = PRD.Phone.str();
}

void UpdateArchiefWindow::lookupProducer() {
    clearProducerDetails();
    if (!ARC.Producer.isBlank()) {
        if (findProducer(ARC.Producer)) {
            showProducer();
        } else {
            switch (ProducerChoice::choose()) {
            case ProducerChoice::Outcome::Chosen:
                ARC.Producer = PRD.Name.str();
                showProducer();
                break;
            case ProducerChoice::Outcome::Cancelled:
                Select(ProducerEntry);
                break;
            case ProducerChoice::Outcome::Unavailable:
                break; // the name stays as typed
            }
        }
    }
    Display();
}

// A date chosen in the calendar; cancelling or closing it leaves the date as it was.
void UpdateArchiefWindow::pickDate() {
    bool chosen = false;
    const qint32 date = PickDate(ARC.Date, &chosen);
    if (chosen) ARC.Date = date;
    C().Display(DateSpin);
}

void UpdateArchiefWindow::tell(const QString& text, const QString& caption) {
    Host::instance().message(text, caption, Icon::Information, ButtonOk, ButtonOk);
}
