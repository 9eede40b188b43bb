#include "framework/store/Codes.h"
#include "framework/store/Creation.h"
#include "framework/store/Direct.h"
#include "framework/store/Disk.h"
#include "framework/store/Schema.h"
#include "framework/store/SqlCipherFile.h"
#include "framework/store/SqlCipherStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Copies of data files through the engine's online backup: the copy is taken page by page
// under the engine's locks, so it is never torn, and it keeps the file's encryption.
namespace store {

namespace {

int copy(sqlite3* from, const QByteArray& fromName, sqlite3* to, const QByteArray& toName,
         Status& status) {
    sqlite3_backup* b = sqlite3_backup_init(to, toName.constData(), from, fromName.constData());
    if (!b) return codes::engine(status, to, sqlite3_errcode(to));
    QElapsedTimer waited;
    waited.start();
    int rc;
    while ((rc = sqlite3_backup_step(b, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        if (waited.elapsed() > SqlCipherStore::DefaultBusyMs) break;
        sqlite3_sleep(10);
    }
    const int finish = sqlite3_backup_finish(b);
    if (rc == SQLITE_DONE) rc = finish;
    if (rc != SQLITE_OK) return codes::engineAs(status, to, rc, FileSystemError);
    return codes::ok(status);
}

// Puts a finished copy in the place of `target` in one step.
int replace(const QString& part, const QString& target, Status& status) {
    QFile::remove(target + QStringLiteral("-journal")); // belongs to the content replaced
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(target).constData())) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(part);
        return codes::fail(status, FileSystemError, why);
    }
    return codes::ok(status);
}

// Copies `from` (a schema of a connection) into a new file at `target`, made with `mode`.
int copyToFile(sqlite3* from, const QByteArray& fromName, const FileDef& def, const QString& target,
               mode_t mode, Status& status) {
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    const int fd =
        ::open(QFile::encodeName(part).constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0)
        return codes::fail(status, FileSystemError, QString::fromLocal8Bit(std::strerror(errno)));
    ::close(fd);
    creation::setMode(part, mode);
    int rc;
    {
        Direct out;
        rc = out.open(part, def, "rw", status);
        if (rc == Ok) rc = copy(from, fromName, out.db(), "main", status);
    }
    if (rc != Ok) {
        QFile::remove(part);
        return rc;
    }
    return replace(part, target, status);
}

// Also under another name: a link to the file or to its directory, or a second hard link.
bool sameFile(const QString& a, const QString& b) {
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath()) return true;
    struct stat first, second;
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// A copy is as open as the file it copies, and never to others.
mode_t copyMode(const QString& source) {
    struct stat st;
    if (::stat(QFile::encodeName(source).constData(), &st) != 0) return 0600;
    return st.st_mode & 0770;
}

} // namespace

int SqlCipherStore::backup(const FileDef& def, const QString& targetPath) {
    std::lock_guard lock(mutex_);
    const QString source = QDir(directory_).filePath(def.diskName);
    if (sameFile(source, targetPath))
        return codes::fail(status_, FileSystemError, QStringLiteral("a file is not its copy"));
    SqlCipherFile* file = find(def);
    if (file && file->isOpen()) {
        // A copy taken through this connection would hold its changes not yet committed.
        if (inTransaction())
            return codes::fail(status_, FileSystemError,
                               QStringLiteral("a copy cannot be taken during a transaction"));
        return copyToFile(db_, file->schemaName().toUtf8(), def, targetPath, copyMode(source),
                          status_);
    }
    if (disk::check(source, status_) != Ok) return status_.code;
    Direct in;
    if (in.open(source, def, "ro", status_) != Ok || in.check(source, def, status_) != Ok)
        return status_.code;
    return copyToFile(in.db(), "main", def, targetPath, copyMode(source), status_);
}

int SqlCipherStore::verify(const FileDef& def, const QString& sourcePath) {
    std::lock_guard lock(mutex_);
    if (disk::check(sourcePath, status_) != Ok) return status_.code;
    Direct in;
    if (in.open(sourcePath, def, "ro", status_) != Ok ||
        in.check(sourcePath, def, status_, true) != Ok)
        return status_.code;
    return in.checkPages(sourcePath, status_);
}

int SqlCipherStore::restore(const FileDef& def, const QString& sourcePath) {
    std::lock_guard lock(mutex_);
    const QString target = QDir(directory_).filePath(def.diskName);
    if (sameFile(target, sourcePath))
        return codes::fail(status_, FileSystemError, QStringLiteral("a file is not its copy"));
    if (disk::check(sourcePath, status_) != Ok) return status_.code;
    Direct in;
    if (in.open(sourcePath, def, "ro", status_) != Ok ||
        in.check(sourcePath, def, status_, true) != Ok)
        return status_.code;
    SqlCipherFile* file = find(def);
    if (!file || !file->isOpen()) {
        if (!disk::exists(target)) {
            if (disk::directoryWriteProtected(target)) return codes::fail(status_, AccessDenied);
            return copyToFile(in.db(), "main", def, target, creation::modeFor(directory_), status_);
        }
        if (disk::writeProtected(target)) return codes::fail(status_, AccessDenied);
        // Into the file itself, so that stations that have it open see the new content; a
        // file that is not a readable database of its own is replaced as a whole.
        Direct out;
        Status unreadable;
        if (out.open(target, def, "rw", unreadable) != Ok ||
            out.check(target, def, unreadable) != Ok)
            return copyToFile(in.db(), "main", def, target, copyMode(target), status_);
        return copy(in.db(), "main", out.db(), "main", status_);
    }
    if (file->isReadOnly()) return codes::fail(status_, AccessDenied);
    if (inTransaction())
        return codes::fail(status_, FileSystemError,
                           QStringLiteral("a file cannot be restored during a transaction"));
    const int rc = copy(in.db(), "main", db_, file->schemaName().toUtf8(), status_);
    file->forget();
    return rc;
}

} // namespace store
