#include "framework/host/FileSystemHost.h"

#include "framework/Pictures.h"

#include "framework/IniManager.h"
#include "framework/host/DesktopLaunch.h"
#include "framework/host/HostDirectory.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QString DrivesSection = QStringLiteral("Drives");

bool isDriveLetter(QChar letter) {
    const QChar upper = letter.toUpper();
    return upper >= QLatin1Char('A') && upper <= QLatin1Char('L');
}

// The entry of `directory` named `name` without regard to case, or an empty text.
QString entryLike(const QString& directory, const QString& name) {
    const QStringList entries = QDir(directory).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const auto& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

} // namespace

qint32 FileSystemHost::today() {
    return Pictures::dayNumber(QDate::currentDate());
}

qint32 FileSystemHost::clock() {
    return Pictures::timeValue(QTime::currentTime());
}

QString FileSystemHost::currentDirectory() {
    return QDir::currentPath();
}

bool FileSystemHost::setCurrentDirectory(const QString& path) {
    const QString target = hostPath(path);
    // A folder that cannot be listed is no more use than a missing one.
    const QFileInfo folder(target);
    return !target.isEmpty() && folder.isDir() && folder.isReadable() && folder.isExecutable() &&
           QDir::setCurrent(target);
}

QString FileSystemHost::driveFolder(QChar letter) {
    if (!settings_ || !isDriveLetter(letter)) return {};
    return settings_->Fetch(DrivesSection, QString(letter.toUpper()));
}

void FileSystemHost::setDriveFolder(QChar letter, const QString& folder) {
    if (settings_ && isDriveLetter(letter))
        settings_->Update(DrivesSection, QString(letter.toUpper()), folder);
}

QString FileSystemHost::hostPath(const QString& mediaPath) {
    QString rest = mediaPath;
    while (rest.endsWith(QLatin1Char(' ')))
        rest.chop(1);
    QString path;
    if (rest.size() >= 2 && rest[1] == QLatin1Char(':') && rest[0].isLetter()) {
        path = driveFolder(rest[0]);
        if (path.isEmpty()) return {}; // drive not ready
        rest = rest.mid(2);
    } else if (rest.startsWith(QLatin1Char('/')) || rest.startsWith(QLatin1Char('\\'))) {
        path = QStringLiteral("/");
    } else {
        path = QDir::currentPath();
    }
    bool exists = true;
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    for (const QString& component : rest.split(separators, Qt::SkipEmptyParts)) {
        QString next = QDir(path).filePath(component);
        if (exists && component != QLatin1String("..") && !QFileInfo::exists(next)) {
            const QString entry = entryLike(path, component);
            if (entry.isEmpty())
                exists = false;
            else
                next = QDir(path).filePath(entry);
        }
        path = next;
    }
    return QDir::cleanPath(path);
}

std::vector<DirEntry> FileSystemHost::listDirectory(const QString& hostDirectory,
                                                    const QString& pattern, int mask) {
    std::vector<DirEntry> found;
    const QString directory =
        hostPath(hostDirectory.isEmpty() ? QStringLiteral(".") : hostDirectory);
    if (directory.isEmpty()) return found;
    HostDirectory::Reading reading = HostDirectory::read(HostDirectory::nativePath(directory));
    std::vector<std::pair<QString, HostDirectory::Entry*>> sorted;
    for (HostDirectory::Entry& e : reading.entries) {
        if (!HostDirectory::matches(e.name, pattern)) continue;
        const int special = e.attributes & (AttrHidden | AttrSystem | AttrDirectory);
        if (special != 0 && (special & mask) == 0) continue; // ordinary files always match
        sorted.emplace_back(e.name.toCaseFolded(), &e);
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    found.reserve(sorted.size());
    for (const auto& [key, e] : sorted)
        found.push_back({e->name, e->name, e->date, e->time, e->size, e->attributes});
    return found;
}

bool FileSystemHost::copyFile(const QString& from, const QString& to, QString* error) {
    const QString source = hostPath(from), target = hostPath(to);
    const auto fail = [&](const QString& text) {
        if (error) *error = text;
        return false;
    };
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return fail(QStringLiteral("File not found: %1").arg(from));
    if (target.isEmpty()) return fail(QStringLiteral("Drive not ready: %1").arg(to));
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return true; // a file copied onto itself is already there
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return fail(QStringLiteral("Cannot replace %1").arg(to));
    QFile file(source);
    if (!file.copy(target)) return fail(file.errorString());
    return true;
}

bool FileSystemHost::makeDirectory(const QString& path) {
    const QString target = hostPath(path);
    return !target.isEmpty() && QDir().mkpath(target);
}

int FileSystemHost::execute(const QString& program, QString* error) {
    const auto fail = [&](int code, const QString& text) {
        if (error) *error = text;
        return code;
    };
    const QString path = hostPath(program.trimmed());
    if (path.isEmpty()) return fail(DriveNotReady, QStringLiteral("Invalid drive"));
    const QFileInfo file(path);
    if (!file.isFile()) return fail(ProgramNotFound, QStringLiteral("File not found"));
    if (!DesktopLaunch::isProgram(file.absoluteFilePath()))
        return fail(NotAProgram,
                    QStringLiteral("%1 is not a program this computer can start").arg(program));
    QString reason;
    if (!startProgram(file.absoluteFilePath(), &reason)) return fail(StartFailed, reason);
    return 0;
}
