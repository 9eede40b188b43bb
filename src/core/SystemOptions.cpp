#include "core/SystemOptions.h"

#include "core/Process.h"
#include "framework/host/Host.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Without any write bit a directory counts as closed, also for a user who could write
// anyway: its owner meant it so.
bool writable(const QString& directory) {
    const QByteArray name = QFile::encodeName(directory);
    struct stat st;
    if (::stat(name.constData(), &st) != 0) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(name.constData(), W_OK | X_OK) == 0;
}

} // namespace

QString SystemOptions::retentionText(int days) {
    if (days == 0) return QStringLiteral("Only of today");
    if (days == 1) return QStringLiteral("For minimal 1 day");
    return QStringLiteral("For minimal %1 days").arg(days);
}

QString SystemOptions::intervalText(int days) {
    if (days == 0) return QStringLiteral("Every day");
    if (days == 1) return QStringLiteral("After 1 day");
    return QStringLiteral("After %1 days").arg(days);
}

QString SystemOptions::chosenDirectory(const QString& chosen) {
    QString path = chosen;
    while (path.size() > 1 && (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))))
        path.chop(1);
    if (path.size() == 2 && path[1] == QLatin1Char(':')) path += QLatin1Char('\\'); // "D:\"
    return path;
}

SystemOptions::PathState SystemOptions::checkPath(const QString& storedPath) {
    if (storedPath.trimmed().isEmpty()) return PathState::Missing;
    const QString path = Host::instance().hostPath(storedPath.trimmed());
    if (path.isEmpty()) return PathState::Missing; // on a drive that is not configured
    const QFileInfo info(path);
    if (!info.exists()) return PathState::Missing;
    if (!info.isDir()) return PathState::NotADirectory;
    if (Process::running() &&
        info.canonicalFilePath() == QFileInfo(Process::instance().directory()).canonicalFilePath())
        return PathState::DataDirectory;
    return writable(path) ? PathState::Usable : PathState::NotWritable;
}

QString SystemOptions::problemText(PathState state, const QString& storedPath) {
    const QString path = storedPath.trimmed();
    switch (state) {
    case PathState::NotADirectory:
        return QStringLiteral("The backup path %1 is a file, not a directory. Choose a "
                              "directory for the backup files.")
            .arg(path);
    case PathState::NotWritable:
        return QStringLiteral("The backup directory %1 may not be written. Choose a directory "
                              "in which backup files can be made.")
            .arg(path);
    case PathState::DataDirectory:
        return QStringLiteral("The backup path %1 is the catalogue's own directory. Choose "
                              "another directory for the backup files.")
            .arg(path);
    case PathState::Missing:
        return QStringLiteral("The backup directory %1 does not exist.").arg(path);
    case PathState::Usable:
        break;
    }
    return {};
}
