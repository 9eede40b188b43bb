#include "core/DataDirectory.h"

#include "core/Dictionary.h"
#include "core/Process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

bool DataDirectory::holdsDataFiles(const QString& directory) {
    const QDir dir(directory);
    if (QFileInfo::exists(dir.filePath(QString::fromLatin1(Process::SettingsFile)))) return true;
    for (const FileDef* def : Dictionary::files())
        if (QFileInfo::exists(dir.filePath(def->diskName))) return true;
    return false;
}

QString DataDirectory::userCatalogue() {
    QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (home.isEmpty()) home = QDir::home().filePath(QStringLiteral(".local/share"));
    return QDir(home).filePath(QStringLiteral("Wareloft"));
}

DataDirectory::Choice DataDirectory::choose(bool startedFromMenu, const QString& current) {
    if (!startedFromMenu || holdsDataFiles(current)) return {current, false, false};
    Choice choice{userCatalogue(), true, false};
    if (!QFileInfo::exists(choice.path)) {
        // The catalogue holds the users' passwords: its directory is its owner's alone.
        choice.madeNow = QDir().mkpath(choice.path) &&
                         QFile::setPermissions(choice.path, QFile::ReadOwner | QFile::WriteOwner |
                                                                QFile::ExeOwner);
    }
    return choice;
}
