#include "core/Restore.h"

#include "core/Backup.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "framework/host/Host.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The engine's own code for a file that another connection has locked.
constexpr int EngineBusy = 5;

const FileDef* definitionOf(const QString& diskName) {
    for (const FileDef* f : Dictionary::files())
        if (f->diskName.compare(diskName, Qt::CaseInsensitive) == 0) return f;
    return nullptr;
}

// Why the store would not take a copy, in words.
QString reason(const store::Status& status) {
    if (status.code == store::FileNotFound) return QStringLiteral("it is missing");
    if ((status.driverCode.toInt() & 0xFF) == EngineBusy)
        return QStringLiteral("another station is using the file; try again when Wareloft is "
                              "closed there");
    QString why = status.driverText.isEmpty() ? status.text : status.driverText;
    if (status.code == store::AccessDenied) why = QStringLiteral("the file may not be written");
    return QStringLiteral("it is not a sound copy of this catalogue (%1)").arg(why);
}

} // namespace

const QStringList& Restore::restoredFiles() {
    static const QStringList files = {"Archief.tps", "Prd.tps", "IDE.tps", "Soorttab.tps"};
    return files;
}

Restore::Outcome Restore::fromDirectory(const QString& backupDirectory) {
    Outcome outcome;
    store::RecordStore& store = Process::instance().store();
    const QDir source(backupDirectory);
    // Every copy first: one that cannot come back stops the restore before anything changes.
    for (const QString& name : restoredFiles()) {
        const FileDef* def = definitionOf(name);
        if (store.verify(*def, source.filePath(name)) == store::Ok) continue;
        outcome.refused = true;
        outcome.message =
            QStringLiteral("Nothing was restored: the backup file %1 cannot be "
                           "used; %2.")
                .arg(QDir::toNativeSeparators(source.filePath(name)), reason(store.status()));
        return outcome;
    }
    for (const QString& name : restoredFiles()) {
        const FileDef* def = definitionOf(name);
        if (store.restore(*def, source.filePath(name)) != store::Ok) {
            QStringList done = restoredFiles().mid(0, outcome.restored);
            outcome.message = QStringLiteral("%1 could not be restored and is left as it was: %2.")
                                  .arg(name, reason(store.status()));
            if (!done.isEmpty())
                outcome.message += QStringLiteral(" Restored before it: %1.").arg(done.join(", "));
            return outcome;
        }
        ++outcome.restored;
    }
    return outcome;
}

void Restore::run() {
    if (!Notices::ask(QStringLiteral("This will replace the current files, you sure?"))) return;
    FileManager& sys = Access::Sys();
    SYS.clear();
    SYS.ID = 1;
    const bool haveSystem = sys.TryFetch(SysKey::KeyID) == LevelBenign;
    const QString directory = haveSystem ? Backup::directoryOf(SYS) : QString();
    if (directory.isEmpty() || !QFileInfo(directory).isDir()) {
        Notices::notice(QStringLiteral("BackUp Path/Directory not found"));
        return;
    }
    const Outcome outcome = fromDirectory(directory);
    if (!outcome.message.isEmpty())
        Host::instance().message(outcome.message, QString::fromLatin1(Notices::Caption),
                                 Icon::Exclamation, ButtonOk, ButtonOk);
    if (outcome.restored == 0) return;

    FileManager& archive = Access::Archief();
    if (archive.UseFile() == LevelBenign)
        GLO.ArchiveCount = quint32(std::max<qint64>(archive.File->records(), 0));
    // The backup is as new as the data now: the next automatic one counts from today.
    SYS.ID = 1;
    SYS.LASTBACKUPDATE = Host::instance().today();
    if (sys.TryUpdate() != LevelBenign)
        Notices::notice(QStringLiteral("Failure to update system file"));
}
