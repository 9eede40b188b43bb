#include "core/Backup.h"

#include "core/Dictionary.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "core/SystemOptions.h"
#include "framework/host/Host.h"

#include <QDir>
#include <QRegularExpression>

const QStringList& Backup::backedUpFiles() {
    static const QStringList files = {"Archief.tps", "Prd.tps", "IDE.tps", "Soorttab.tps",
                                      "Sys.tps"};
    return files;
}

bool Backup::isDue(const SysRecord& sys, qint32 today) {
    return sys.DOBACKUP == 1 && sys.LASTBACKUPDATE < today - sys.BACKUPDAYS;
}

QString Backup::directoryOf(const SysRecord& sys) {
    const QString path = sys.PATHBACKUPFILES.str().trimmed();
    static const QRegularExpression driveRoot(QStringLiteral("^[A-La-l]:\\\\"));
    if (driveRoot.match(path).hasMatch()) return Host::instance().hostPath(path);
    return path;
}

bool Backup::runIfDue(const SysRecord& sys) {
    Host& host = Host::instance();
    if (!isDue(sys, host.today())) return false;
    host.setCurrentDirectory(Process::instance().directory());
    const QString target = directoryOf(sys);
    bool copied = !target.isEmpty() && SystemOptions::checkPath(sys.PATHBACKUPFILES.str()) ==
                                           SystemOptions::PathState::Usable;
    for (const QString& name : backedUpFiles()) {
        if (!copied) break;
        const FileDef* def = nullptr;
        for (const FileDef* f : Dictionary::files())
            if (f->diskName.compare(name, Qt::CaseInsensitive) == 0) def = f;
        copied = def && Process::instance().store().backup(*def, QDir(target).filePath(name)) == 0;
    }
    if (!copied) Notices::notice(QStringLiteral("BackUp Path/Directory not found"));
    return copied;
}
