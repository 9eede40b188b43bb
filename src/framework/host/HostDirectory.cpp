#include "framework/host/HostDirectory.h"

#include "framework/DayNumbers.h"
#include "framework/host/HostText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace HostDirectory {

namespace {

bool isDot(const char* name) {
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

void stamp(Entry& entry, const timespec& modified) {
    struct tm local {};
    if (!localtime_r(&modified.tv_sec, &local)) return;
    entry.date = Pictures::dayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    entry.time = Pictures::timeValue(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59),
                                     int(modified.tv_nsec / 10000000));
}

// Closes the directory stream whichever way the reading ends.
struct Stream {
    DIR* dir;
    ~Stream() {
        if (dir) closedir(dir);
    }
};

} // namespace

Reading read(const QByteArray& nativeDirectory) {
    Reading reading;
    Stream stream{opendir(nativeDirectory.isEmpty() ? "." : nativeDirectory.constData())};
    if (!stream.dir) {
        reading.ok = false;
        reading.error = errorText(errno);
        return reading;
    }
    const int fd = dirfd(stream.dir);
    for (;;) {
        errno = 0;
        const dirent* d = readdir(stream.dir);
        if (!d) {
            if (errno != 0) {
                reading.ok = false;
                reading.error = errorText(errno);
            }
            break;
        }
        if (isDot(d->d_name)) continue;
        struct stat st {};
        if (fstatat(fd, d->d_name, &st, 0) != 0) {
            ++reading.vanished;
            continue;
        }
        Entry entry;
        const qsizetype length = qsizetype(std::strlen(d->d_name));
        entry.nativeName = QByteArray(d->d_name, length);
        entry.name = HostText::decode(d->d_name, length);
        const bool directory = S_ISDIR(st.st_mode);
        entry.attributes = directory ? 16 : 0;
        if (d->d_name[0] == '.') entry.attributes |= 2;
        if (entry.attributes == 0) entry.attributes = 32;
        entry.size = directory ? 0 : qint64(st.st_size);
        entry.device = quint64(st.st_dev);
        entry.inode = quint64(st.st_ino);
        stamp(entry, st.st_mtim);
        reading.entries.push_back(std::move(entry));
    }
    return reading;
}

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

QByteArray nativePath(const QString& hostPath) {
    const QByteArray direct = hostPath.toUtf8();
    struct stat st {};
    if (hostPath.isEmpty() || lstat(direct.constData(), &st) == 0) return direct;

    const QStringList components = hostPath.split(QLatin1Char('/'));
    QByteArray path = hostPath.startsWith(QLatin1Char('/')) ? QByteArray("/") : QByteArray();
    bool found = true;
    for (const QString& component : components) {
        if (component.isEmpty()) continue;
        QByteArray next = component.toUtf8();
        const QByteArray candidate =
            path.isEmpty() || path.endsWith('/') ? path + next : path + '/' + next;
        if (found && lstat(candidate.constData(), &st) != 0) {
            const Reading reading = read(path.isEmpty() ? QByteArray(".") : path);
            const Entry* match = nullptr;
            for (const Entry& e : reading.entries)
                if (e.name == component) {
                    match = &e;
                    break;
                }
            if (!match)
                for (const Entry& e : reading.entries)
                    if (e.name.compare(component, Qt::CaseInsensitive) == 0) {
                        match = &e;
                        break;
                    }
            if (match)
                next = match->nativeName;
            else
                found = false;
        }
        path = path.isEmpty() || path.endsWith('/') ? path + next : path + '/' + next;
    }
    return path;
}

QString errorText(int errorNumber) {
    return QString::fromLocal8Bit(std::strerror(errorNumber));
}

} // namespace HostDirectory
