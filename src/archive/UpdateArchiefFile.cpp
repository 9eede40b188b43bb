// The archive record form's file: choosing it, reading its directory entry, the check for an
// entry that catalogues it already, its description, and what the Run button does with it.
#include "archive/ArchiveDrives.h"
#include "archive/ArchiveMedia.h"
#include "archive/DescriptionText.h"
#include "archive/UpdateArchiefWindow.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/host/Host.h"

#include <QFileInfo>

namespace {

// Below its drive root a stored path holds at most this many characters.
constexpr int LongestRest = 252;

} // namespace

void UpdateArchiefWindow::chooseFile() {
    if (kind_ == Kinds::Properties) {
        rereadFile();
        return;
    }
    const QString drive = GLO.DriveQueue.buffer.DRIVE.str();
    if (!driveReady(drive)) {
        Select(NameEntry);
        return;
    }
    Host& host = Host::instance();
    const QString chosen =
        host.fileDialog(QStringLiteral("Choose File to Archive"), QStringLiteral("All files|*.*"),
                        MediaFiles::driveFolder(drive), false);
    if (chosen.isEmpty()) {
        Select(NameEntry);
        return;
    }
    takeFile(chosen);
    setupRun();
    Display();
    host.setCurrentDirectory(GLO.ProgramDir);
}

bool UpdateArchiefWindow::driveReady(const QString& root) {
    const MediaFiles::DriveState state = MediaFiles::driveState(root);
    if (state == MediaFiles::DriveState::Ready) return true;
    tell(MediaFiles::notReadyText(root, state));
    return false;
}

// The chosen file of this computer in its stored form: the root of the drive whose folder
// holds it and the path below it.
void UpdateArchiefWindow::takeFile(const QString& hostFile) {
    const QString drive = GLO.DriveQueue.buffer.DRIVE.str();
    const QString path = MediaFiles::mediaPath(hostFile, drive);
    // A file outside every drive's folder is named by its folder in the message.
    const QString root = path.isEmpty() ? QFileInfo(hostFile).absolutePath() : path.left(3);
    const QString rest = path.mid(3);
    if (rest.size() > LongestRest) {
        tell(QStringLiteral("The path of this file is too long to be catalogued: at most %1 "
                            "characters below the drive root.\n%2")
                 .arg(LongestRest)
                 .arg(path));
        return;
    }
    MediaFiles::Entry entry;
    switch (kind_) {
    case Kinds::NewCd:
    case Kinds::NewDisk:
        if (path.isEmpty() || root.compare(drive, Qt::CaseInsensitive) != 0) {
            tell(UpdateArchiefRules::wrongDriveText(false, root, drive));
            return;
        }
        if (!readEntry(path, entry)) return;
        checkAndFill(root, rest, entry);
        C().Disable(DriveList);
        break;
    case Kinds::Include: {
        // The same path on the highlighted medium.
        const QString medium = ARC.CDiskNaam.str();
        const QString candidate = medium + rest;
        const QString hostCandidate = Host::instance().hostPath(candidate);
        if (path.isEmpty() || hostCandidate.isEmpty() || !QFileInfo(hostCandidate).isFile()) {
            tell(UpdateArchiefRules::wrongDriveText(true, root, drive));
            ARC.Naam.clear();
            return;
        }
        if (!readEntry(candidate, entry)) return;
        checkAndFill(medium, rest, entry);
        break;
    }
    case Kinds::Delete:
        if (path.isEmpty()) {
            tell(UpdateArchiefRules::wrongDriveText(false, root, drive));
            return;
        }
        replaceOnDelete(root, rest, path);
        break;
    default:
        break;
    }
}

// The directory entry of a chosen file; a file that is gone by now is told, not filled in.
bool UpdateArchiefWindow::readEntry(const QString& path, MediaFiles::Entry& entry) {
    entry = MediaFiles::directoryEntry(path);
    if (entry.exists) return true;
    tell(path + QStringLiteral("  ") + entry.error);
    return false;
}

// An entry that catalogues the file already may be replaced; then the form takes the file.
void UpdateArchiefWindow::checkAndFill(const QString& root, const QString& rest,
                                       const MediaFiles::Entry& entry) {
    ARC.CDiskNaam = root;
    ArchiefRecord found;
    if (ArchiveMedia::findDuplicate(root, rest, found)) {
        const QString question = UpdateArchiefRules::duplicateQuestion(
            found, UpdateArchiefRules::mediumShort(newCd_, quint16(newDisk_)), root, rest,
            entry.date, entry.time);
        const int answer = Host::instance().message(
            question, QStringLiteral("Wareloft"), Icon::Exclamation, QStringLiteral("&Yes|&No"), 2);
        if (answer == 1 && ArchiveMedia::erase(found.NR) && GLO.ArchiveCount > 0)
            --GLO.ArchiveCount;
    }
    ARC.CdNr = newCd_;
    ARC.DiskNr = quint16(newDisk_);
    ARC.CDiskNaam = root;
    ARC.Naam = rest;
    ARC.Size = entry.tenths * 10;
    ARC.Date = entry.date;
    ARC.Time = entry.time;
    reloadDescription(root + rest);
}

void UpdateArchiefWindow::reloadDescription(const QString& path) {
    ARC.Omschrijving.clear();
    if (!DescriptionText::takesContent(ARC.Naam)) return;
    const DescriptionText::Result read = DescriptionText::read(Host::instance().hostPath(path));
    if (!read.opened) {
        tell(path + QStringLiteral("  ") + read.error);
        return;
    }
    ARC.Omschrijving = read.text;
}

// Kind 5: the entry may be pointed at another file before it is deleted.
void UpdateArchiefWindow::replaceOnDelete(const QString& root, const QString& rest,
                                          const QString& path) {
    ARC.CDiskNaam = root;
    ARC.Naam = rest;
    MediaFiles::Entry entry;
    readEntry(path, entry);
    if (ARC.equals(asOpened_)) return;
    const int answer = Host::instance().message(QStringLiteral("Replace existing record?"),
                                                QStringLiteral("Wareloft"), Icon::Exclamation,
                                                QStringLiteral("&Yes|&No"), 1);
    if (answer == 1) {
        if (const int row = ArchiveDrives::rowOf(root)) C().SetChoice(DriveList, row);
    } else {
        ARC.setValues(asOpened_);
    }
}

// Kind 4: the entry's own file, read again; the entry may take its size, date and time.
void UpdateArchiefWindow::rereadFile() {
    const QString path = ARC.CDiskNaam.str() + ARC.Naam.str();
    const MediaFiles::Entry entry = MediaFiles::directoryEntry(path);
    if (entry.exists && entry.found()) {
        const QString question =
            UpdateArchiefRules::updateQuestion(ARC, path, entry.tenths, entry.date, entry.time);
        if (Host::instance().message(question, QStringLiteral("Wareloft"), Icon::Exclamation,
                                     QStringLiteral("&Yes|&No"), 1) == 1) {
            ARC.Size = entry.tenths * 10;
            ARC.Date = entry.date;
            ARC.Time = entry.time;
            reloadDescription(path);
            Display();
        }
    } else {
        tell(QStringLiteral("  Record NOT found at ") +
             UpdateArchiefRules::mediumLong(ARC.CdNr, ARC.DiskNr));
    }
    setupRun();
}

// ---- the Run button ----------------------------------------------------------------------

void UpdateArchiefWindow::setupRun() {
    const UpdateArchiefRules::RunTarget target =
        UpdateArchiefRules::runTarget(ARC.CDiskNaam, ARC.Naam);
    runPath_ = target.path;
    runLocal_ = target.local;
    if (ARC.Naam.isBlank()) {
        runMode_ = 0;
        C().Hide(RunButton);
        return;
    }
    const UpdateArchiefRules::RunChoice choice =
        UpdateArchiefRules::runChoice(ARC.Naam, GLO.UseNotebook != 0);
    runMode_ = choice.mode;
    C().SetText(RunButton, choice.text);
    C().Show(RunButton);
}

// Text files are viewed with their description: the button shows only on that tab.
void UpdateArchiefWindow::showRunForTab() {
    if (runMode_ == 0 || !UpdateArchiefRules::viewedWithDescription(ARC.Naam)) return;
    C().SetText(RunButton, QStringLiteral("View"));
    C().Show(RunButton, C().Choice(Sheet) == 2);
}
