#include "archive/ArchiveDrives.h"

#include "archive/ArchiveMedia.h"
#include "core/DataFiles.h"
#include "core/Globals.h"

#include <algorithm>

namespace {

const QString Cd = QStringLiteral("CD");
const QString HardDisk = QStringLiteral("HD");

bool isKind(const QString& kind, const QString& wanted) {
    return kind.compare(wanted, Qt::CaseInsensitive) == 0;
}

void add(const DrvRecord& drive) {
    GLO.DriveQueue.buffer.DRIVE = drive.DRIVE;
    GLO.DriveQueue.buffer.KINDOFDRIVE = drive.KINDOFDRIVE;
    GLO.DriveQueue.add();
}

} // namespace

void ArchiveDrives::fillForNewMedium() {
    GLO.DriveQueue.free();
    FileManager& drives = Access::Drv();
    if (drives.UseFile() != LevelBenign) return;
    DrvRecord drive;
    drives.File->setOrder(0);
    while (drives.File->next(drive) == store::Ok) {
        if (isKind(drive.KINDOFDRIVE, HardDisk)) {
            ArchiefRecord entry;
            if (ArchiveMedia::firstEntryNamed(drive.DRIVE, entry)) continue;
        }
        add(drive);
    }
}

bool ArchiveDrives::fillForMedium(const QString& mediumName) {
    GLO.DriveQueue.free();
    DrvRecord drive;
    drive.DRIVE = mediumName.left(3);
    FileManager& drives = Access::Drv();
    if (drive.DRIVE.isBlank() || drives.UseFile() != LevelBenign ||
        drives.File->get(DrvKey::KeyDrive, drive) != store::Ok)
        return false;
    add(drive);
    return true;
}

void ArchiveDrives::keepCds(bool cds) {
    auto& rows = GLO.DriveQueue.rows;
    rows.erase(std::remove_if(
                   rows.begin(), rows.end(),
                   [cds](const DriveQueueEntry& e) { return isKind(e.KINDOFDRIVE, Cd) != cds; }),
               rows.end());
    sort();
}

void ArchiveDrives::sort() {
    auto& rows = GLO.DriveQueue.rows;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const DriveQueueEntry& a, const DriveQueueEntry& b) {
                         return a.DRIVE.str().compare(b.DRIVE.str(), Qt::CaseInsensitive) < 0;
                     });
}

int ArchiveDrives::rowOf(const QString& root) {
    const auto& rows = GLO.DriveQueue.rows;
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].DRIVE.str().compare(root.trimmed(), Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    return 0;
}
