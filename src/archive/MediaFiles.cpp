#include "archive/MediaFiles.h"

#include "framework/host/Host.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isDriveRoot(const QString& root) {
    return root.size() >= 2 && root[1] == QLatin1Char(':') && root[0].isLetter();
}

// A path with its links resolved; a file that is gone keeps its name under its resolved
// folder.
QString resolved(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                            : QDir(folder).filePath(info.fileName());
}

// The part of `file` below `folder`, "/" separated; empty when `file` is not below it.
QString below(const QString& file, const QString& folder) {
    if (folder.isEmpty()) return {};
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return file.startsWith(prefix) && file.size() > prefix.size() ? file.mid(prefix.size())
                                                                  : QString();
}

} // namespace

QString MediaFiles::driveFolder(const QString& root) {
    return isDriveRoot(root) ? Host::instance().driveFolder(root[0]) : QString();
}

QString MediaFiles::mediaPath(const QString& hostFile, const QString& preferred) {
    if (hostFile.trimmed().isEmpty()) return {};
    const QString file = resolved(hostFile);
    QString best, bestRest;
    qsizetype bestDepth = -1;
    for (QChar letter = u'A'; letter <= u'L'; letter = QChar(letter.unicode() + 1)) {
        const QString root = QString(letter) + QStringLiteral(":\\");
        const QString folder = driveFolder(root);
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) continue;
        const QString rest = below(file, resolved(folder));
        if (rest.isEmpty()) continue;
        const bool wanted = root.compare(preferred.trimmed(), Qt::CaseInsensitive) == 0;
        const qsizetype depth =
            wanted ? std::numeric_limits<qsizetype>::max() : file.size() - rest.size();
        if (depth > bestDepth) {
            bestDepth = depth;
            best = root;
            bestRest = rest;
        }
    }
    if (best.isEmpty()) return {};
    return best + QString(bestRest).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

MediaFiles::DriveState MediaFiles::driveState(const QString& root) {
    const QString folder = driveFolder(root);
    if (folder.isEmpty()) return DriveState::NotMapped;
    const QFileInfo info(folder);
    if (!info.isDir()) return DriveState::Missing;
    if (!info.isReadable() || !info.isExecutable()) return DriveState::Unreadable;
    return DriveState::Ready;
}

QString MediaFiles::notReadyText(const QString& root, DriveState state) {
    const QString folder = driveFolder(root);
    switch (state) {
    case DriveState::NotMapped:
        return QStringLiteral("Drive %1 is not ready: no folder of this computer is set for it "
                              "in the drive configuration.")
            .arg(root);
    case DriveState::Missing:
        return QStringLiteral("Drive %1 is not ready: its folder %2 does not exist.")
            .arg(root, folder);
    case DriveState::Unreadable:
        return QStringLiteral("Drive %1 is not ready: its folder %2 cannot be read.")
            .arg(root, folder);
    case DriveState::Ready:
        break;
    }
    return {};
}

MediaFiles::Entry MediaFiles::directoryEntry(const QString& path) {
    Entry entry;
    Host& host = Host::instance();
    const QString hostFile = isDriveRoot(path) ? host.hostPath(path) : path;
    if (hostFile.isEmpty()) {
        entry.error = QStringLiteral("Drive not ready");
        return entry;
    }
    const QFileInfo info(hostFile);
    if (!QFileInfo(info.absolutePath()).isDir()) {
        entry.error = QStringLiteral("Path not found");
        return entry;
    }
    for (const DirEntry& found :
         host.listDirectory(info.absolutePath(), info.fileName(), AttrHidden | AttrSystem)) {
        if (found.name != info.fileName() || (found.attributes & AttrDirectory)) continue;
        entry.exists = true;
        entry.tenths = (found.size + 50) / 100;
        entry.date = found.date;
        entry.time = found.time;
        return entry;
    }
    entry.error = QStringLiteral("File not found");
    return entry;
}
