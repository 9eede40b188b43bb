#include "framework/host/FileSystemHost.h"

#include "framework/Pictures.h"

#include "framework/IniManager.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString DrivesSection = QStringLiteral("Drives");

bool isDriveLetter(QChar letter) {
    const QChar upper = letter.toUpper();
    return upper >= QLatin1Char('A') && upper <= QLatin1Char('L');
}

// A wildcard pattern ("*.*", "*.TXT", "SETUP.?X?") matched without regard to case. "*.*"
// matches every name, also one without a dot.
bool matches(const QString& name, const QString& pattern) {
    const QString p = pattern.trimmed();
    if (p.isEmpty() || p == QLatin1String("*") || p == QLatin1String("*.*")) return true;
    qsizetype n = 0, k = 0, star = -1, resume = 0;
    while (n < name.size()) {
        if (k < p.size() &&
            (p[k] == QLatin1Char('?') || p[k].toCaseFolded() == name[n].toCaseFolded())) {
            ++n, ++k;
        } else if (k < p.size() && p[k] == QLatin1Char('*')) {
            star = k++;
            resume = n;
        } else if (star >= 0) {
            k = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (k < p.size() && p[k] == QLatin1Char('*'))
        ++k;
    return k == p.size();
}

// The entry of `directory` named `name` without regard to case, or an empty text.
QString entryLike(const QString& directory, const QString& name) {
    const QStringList entries = QDir(directory).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const auto& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

int attributesOf(const QFileInfo& info) {
    int attributes = info.isDir() ? AttrDirectory : 0;
    if (info.fileName().startsWith(QLatin1Char('.'))) attributes |= AttrHidden;
    return attributes == 0 ? AttrArchive : attributes;
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
    return !target.isEmpty() && QFileInfo(target).isDir() && QDir::setCurrent(target);
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
    const QFileInfoList infos = QDir(directory).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : infos) {
        if (!matches(info.fileName(), pattern)) continue;
        const int attributes = attributesOf(info);
        const int special = attributes & (AttrHidden | AttrSystem | AttrDirectory);
        if (special != 0 && (special & mask) == 0) continue; // ordinary files always match
        const QDateTime modified = info.lastModified().toLocalTime();
        found.push_back({info.fileName(), info.fileName(), Pictures::dayNumber(modified.date()),
                         Pictures::timeValue(modified.time()), info.isDir() ? 0 : info.size(),
                         attributes});
    }
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
