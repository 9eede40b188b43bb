// The archive record form's preparations: a new medium and its drive, an include into the
// highlighted medium, and the properties or deletion of an entry.
#include "archive/ArchiveDrives.h"
#include "archive/ArchiveMedia.h"
#include "archive/UpdateArchiefWindow.h"
#include "core/Globals.h"

namespace {

const QString CdRoot = QStringLiteral("E:\\");
const QString FloppyRoot = QStringLiteral("A:\\");

// The row last chosen when it is a row of the queue; else the row of the drive proposed,
// else the first.
int rowToSelect(const QString& remembered, const QString& proposed) {
    bool isNumber = false;
    const int row = remembered.toInt(&isNumber);
    const int rows = int(GLO.DriveQueue.records());
    if (isNumber && row >= 1 && row <= rows) return row;
    if (const int r = ArchiveDrives::rowOf(proposed)) return r;
    return rows > 0 ? 1 : 0;
}

} // namespace

void UpdateArchiefWindow::clearEntry() {
    const quint32 nr = ARC.NR;
    ARC.clear();
    ARC.NR = nr;
}

void UpdateArchiefWindow::selectDriveRow(int row) {
    QStringList drives;
    for (const DriveQueueEntry& e : GLO.DriveQueue.rows)
        drives << e.DRIVE.str();
    C().SetChoices(DriveList, drives);
    if (row >= 1 && row <= int(GLO.DriveQueue.records())) {
        GLO.DriveQueue.get(size_t(row - 1));
        C().SetChoice(DriveList, row);
    }
}

void UpdateArchiefWindow::showDriveKind() {
    const QString kind = GLO.DriveQueue.buffer.KINDOFDRIVE.str();
    C().SetText(DriveLabel, kind.isEmpty() ? QStringLiteral("Drive") : kind);
}

void UpdateArchiefWindow::prepareNewMedium() {
    GLO.DriveQueue.buffer = DriveQueueEntry();
    QString proposed;
    if (kind_ == Kinds::NewCd) {
        proposed = rememberedCd_.isEmpty() ? CdRoot : QString();
        ArchiveDrives::keepCds(true);
        selectDriveRow(rowToSelect(rememberedCd_, proposed));
    } else {
        if (rememberedFd_.isEmpty()) rememberedFd_ = FloppyRoot;
        ArchiveDrives::keepCds(false);
        selectDriveRow(rowToSelect(rememberedFd_, rememberedFd_));
    }
    if (GLO.DriveQueue.records() == 0) {
        // Without a drive of this kind the form could not number the medium.
        GLO.DriveQueue.buffer.DRIVE = kind_ == Kinds::NewCd ? CdRoot : FloppyRoot;
        tell(QStringLiteral("Drive not found in configuration, please correct this"));
    }
    ARC.CDiskNaam = GLO.DriveQueue.buffer.DRIVE.str();
}

// The drive of the selected row gives the medium its name, its caption and its number.
void UpdateArchiefWindow::takeDrive() {
    if (C().Choice(DriveList) == 0) return;
    const QString drive = GLO.DriveQueue.buffer.DRIVE.str();
    const QString kind = GLO.DriveQueue.buffer.KINDOFDRIVE.str();
    ArchiefRecord named;
    const bool exists = ArchiveMedia::firstEntryNamed(drive, named);
    const quint32 nr = ARC.NR;
    if (exists)
        ARC.copyFrom(named);
    else
        ARC.clear();
    ARC.NR = nr;
    ARC.CDiskNaam = drive;
    SetTitle(UpdateArchiefRules::newMediumCaption(kind));
    if (UpdateArchiefRules::numbersCds(kind)) {
        if (ARC.DiskNr == 0) numberCd();
    } else if (exists && kind.compare(QLatin1String("HD"), Qt::CaseInsensitive) == 0) {
        newDisk_ = ARC.DiskNr; // files added to a hard disk share its number
    } else if (ARC.CdNr == 0) {
        numberDisk();
    }
    Display();
    showDriveKind();
    Select(FileNameEntry);
}

void UpdateArchiefWindow::numberCd() {
    newCd_ = ArchiveMedia::lowestFreeCdNr();
    clearEntry();
    ARC.CdNr = newCd_;
    ARC.CDiskNaam = GLO.DriveQueue.buffer.DRIVE.str();
}

void UpdateArchiefWindow::numberDisk() {
    newDisk_ = ArchiveMedia::lowestFreeDiskNr();
    clearEntry();
    ARC.DiskNr = quint16(newDisk_);
    ARC.CDiskNaam = GLO.DriveQueue.buffer.DRIVE.str();
}

// A file more for the medium highlighted in the archive browse, with its numbers.
void UpdateArchiefWindow::prepareInclude() {
    const QString medium = GLO.CurrentMediumName.str();
    ArchiefRecord entry;
    if (ArchiveMedia::findMediumEntry(medium, GLO.CurrentCdNr, GLO.CurrentDiskNr, entry)) {
        newCd_ = entry.CdNr;
        newDisk_ = entry.DiskNr;
    } else {
        newCd_ = GLO.CurrentCdNr;
        newDisk_ = GLO.CurrentCdNr != 0 ? 0 : GLO.CurrentDiskNr;
    }
    clearEntry();
    ARC.CdNr = newCd_;
    ARC.DiskNr = quint16(newDisk_);
    SRT.Soort.clear();
    clearProducerDetails();
    ARC.CDiskNaam = medium;
    selectDriveRow(1);
    SetTitle(UpdateArchiefRules::includeCaption(ARC.CDiskNaam, ARC.CdNr, ARC.DiskNr,
                                                GLO.DriveQueue.buffer.KINDOFDRIVE));
    GLO.DriveQueue.buffer.DRIVE = ARC.CDiskNaam.str().left(3);
    C().Disable(DriveList);
    showDriveKind();
    Select(ChooseFileButton);
}

void UpdateArchiefWindow::prepareChange() {
    C().SetText(FileLabel, QStringLiteral("Update file"));
    SRT.Soort = ARC.Soort.str(); // the class list shows the entry's class
    selectDriveRow(1);
    GLO.DriveQueue.buffer.DRIVE = ARC.CDiskNaam.str().left(3);
    showDriveKind();
    C().Disable(DriveList);
    C().Disable(NameEntry);
    setupRun();
    Select(ChooseFileButton);
}
