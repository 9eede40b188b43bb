#include "scan/DriveSetup.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/host/Host.h"

#include <QFileInfo>

namespace {

int indexOf(const QString& root) {
    for (int i = 0; i < DriveSetup::Letters; ++i)
        if (root.compare(DriveSetup::root(i), Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void appendToQueue(const QString& drive, const QString& kind) {
    GLO.DriveQueue.buffer.DRIVE = drive;
    GLO.DriveQueue.buffer.KINDOFDRIVE = kind;
    GLO.DriveQueue.add();
}

// Drv open while one pass runs; nested in the dialog's own opening.
struct DrvOpen {
    DrvOpen() { Relate::Drv().Open(); }
    ~DrvOpen() { Relate::Drv().Close(); }
    DrvOpen(const DrvOpen&) = delete;
    DrvOpen& operator=(const DrvOpen&) = delete;
};

} // namespace

QChar DriveSetup::letter(int index) {
    return QChar(u'A' + index);
}

QString DriveSetup::root(int index) {
    return QString(letter(index)) + QStringLiteral(":\\");
}

QStringList DriveSetup::kindChoices() {
    return {QString(), QStringLiteral("Floppy"), QStringLiteral("CD"), QStringLiteral("HD"),
            QStringLiteral("Zip")};
}

QString DriveSetup::choiceOf(const QString& storedKind) {
    for (const QString& choice : kindChoices())
        if (!choice.isEmpty() && choice.compare(storedKind, Qt::CaseInsensitive) == 0)
            return choice;
    return {};
}

QString DriveSetup::storedKind(const QString& choice) {
    return choice == QLatin1String("Zip") ? QStringLiteral("ZIP") : choice;
}

std::vector<int> DriveSetup::notReady(const Configuration& configuration) {
    std::vector<int> found;
    for (int i = 0; i < Letters; ++i) {
        const QString folder = configuration[i].folder.trimmed();
        if (configuration[i].ticked && !folder.isEmpty() && !QFileInfo(folder).isDir())
            found.push_back(i);
    }
    return found;
}

DriveSetup::Configuration DriveSetup::load() {
    Configuration configuration;
    for (int i = 0; i < Letters; ++i)
        configuration[i].folder = Host::instance().driveFolder(letter(i));
    const DrvOpen open;
    FileManager& drives = Access::Drv();
    if (drives.UseFile() != LevelBenign) return configuration;
    DrvRecord probe;
    drives.File->setOrder(0);
    while (drives.File->next(probe) == store::Ok) {
        appendToQueue(probe.DRIVE, probe.KINDOFDRIVE);
        const int i = indexOf(probe.DRIVE);
        if (i < 0) continue;
        configuration[i].ticked = true;
        configuration[i].kind = choiceOf(probe.KINDOFDRIVE);
    }
    return configuration;
}

int DriveSetup::store(const Configuration& configuration) {
    const DrvOpen open;
    GLO.DriveQueue.free();
    for (int i = 0; i < Letters; ++i) {
        const Letter& l = configuration[i];
        if (l.ticked && l.kind.isEmpty()) return i;
        DRV.clear();
        DRV.DRIVE = root(i);
        const bool found = Access::Drv().TryFetch(DrvKey::KeyDrive) == LevelBenign;
        if (!l.ticked) {
            if (found) Relate::Drv().Delete(false);
            Host::instance().setDriveFolder(letter(i), QString());
            continue;
        }
        DRV.DRIVE = root(i);
        DRV.KINDOFDRIVE = storedKind(l.kind);
        const int level = found ? Relate::Drv().Update() : Access::Drv().Insert();
        if (level == LevelBenign) appendToQueue(DRV.DRIVE, DRV.KINDOFDRIVE);
        Host::instance().setDriveFolder(letter(i), l.folder.trimmed());
    }
    return -1;
}
