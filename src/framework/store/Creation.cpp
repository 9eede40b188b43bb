#include "framework/store/Creation.h"

#include "framework/store/Codes.h"
#include "framework/store/Counts.h"
#include "framework/store/Direct.h"
#include "framework/store/Disk.h"
#include "framework/store/Schema.h"
#include "framework/store/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store::creation {

namespace {

constexpr int LockWaitMs = 10000;
constexpr int LockStepMs = 20;

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// One creator at a time in a directory, across processes: a lock on the directory itself.
class DirectoryLock {
public:
    explicit DirectoryLock(const QString& directory) {
        fd_ = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd_ < 0) {
            why_ = systemError();
            return;
        }
        for (int waited = 0; ::flock(fd_, LOCK_EX | LOCK_NB) != 0; waited += LockStepMs) {
            if (errno != EWOULDBLOCK || waited >= LockWaitMs) {
                why_ = errno == EWOULDBLOCK
                           ? QStringLiteral("another station is creating files in the directory")
                           : systemError();
                ::close(fd_);
                fd_ = -1;
                return;
            }
            QThread::msleep(LockStepMs);
        }
    }
    ~DirectoryLock() {
        if (fd_ >= 0) ::close(fd_); // gives the lock back
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    bool held() const { return fd_ >= 0; }
    const QString& why() const { return why_; }
    // Makes the directory's entries (a rename) durable.
    void sync() const { ::fsync(fd_); }

private:
    int fd_ = -1;
    QString why_;
};

QString temporaryPrefix(const FileDef& def) {
    return QLatin1Char('.') + def.diskName + QLatin1Char('.');
}

// Temporary files of earlier creations that were interrupted: nobody else builds while the
// lock is held, so every one found is a leftover.
void removeLeftovers(const FileDef& def, const QString& directory) {
    const QDir dir(directory);
    const QStringList found =
        dir.entryList({temporaryPrefix(def) + QStringLiteral("*.new*")},
                      QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : found)
        QFile::remove(dir.filePath(name));
}

int build(const FileDef& def, const QString& path, mode_t mode, Status& status) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0) return codes::fail(status, FileSystemError, systemError());
    ::close(fd);
    if (!setMode(path, mode)) return codes::fail(status, FileSystemError, systemError());
    Direct out;
    if (out.open(path, def, "rw", status) != Ok) return status.code;
    const Schema schema(def, QStringLiteral("main"));
    std::vector<QByteArray> statements = schema.createTables();
    for (QByteArray& statement : counts::make(schema))
        statements.push_back(std::move(statement));
    for (int k = 1; k <= int(def.keys.size()); ++k)
        statements.push_back(schema.createKey(k));
    int rc = sql::exec(out.db(), "BEGIN");
    for (const QByteArray& statement : statements)
        if (rc == SQLITE_OK) rc = sql::exec(out.db(), statement);
    if (rc == SQLITE_OK) rc = sql::exec(out.db(), "COMMIT");
    if (rc != SQLITE_OK) return codes::engineAs(status, out.db(), rc, FileSystemError);
    return codes::ok(status);
}

bool whole(const FileDef& def, const QString& path) {
    Direct in;
    Status ignored;
    return in.open(path, def, "ro", ignored) == Ok && in.check(path, def, ignored) == Ok;
}

} // namespace

mode_t modeFor(const QString& directory) {
    struct stat st;
    if (::stat(QFile::encodeName(directory).constData(), &st) != 0) return 0600;
    const bool shared = (st.st_mode & S_IWGRP) || (st.st_mode & S_ISGID);
    return shared ? 0660 : 0600;
}

bool setMode(const QString& path, mode_t mode) {
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

bool halfMade(const FileDef& def, const QString& path) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (st.st_size == 0) return true;
    Direct db;
    Status ignored;
    if (db.open(path, def, "rw", ignored) != Ok) return false;
    sql::Stmt tables;
    if (tables.prepare(db.db(), "SELECT name FROM sqlite_master WHERE type = 'table'") != SQLITE_OK)
        return false;
    const std::set<QString> ownTables = {QString::fromLatin1(Schema::Meta),
                                         QString::fromLatin1(Schema::Holds),
                                         QStringLiteral("store_count")};
    bool meta = false;
    int rc;
    while ((rc = tables.step()) == SQLITE_ROW) {
        const QString table = sql::columnText(tables, 0);
        if (!ownTables.count(table)) return false; // the record table, or a foreign one
        meta = meta || table == QLatin1String(Schema::Meta);
    }
    if (rc != SQLITE_DONE) return false;
    tables.reset();
    if (!meta) return true;
    sql::Stmt label;
    if (label.prepare(db.db(), "SELECT label FROM " +
                                   sql::quote(QString::fromLatin1(Schema::Meta))) != SQLITE_OK)
        return false;
    while ((rc = label.step()) == SQLITE_ROW)
        if (sql::columnText(label, 0).compare(def.label, Qt::CaseInsensitive) != 0) return false;
    return rc == SQLITE_DONE;
}

int make(const FileDef& def, const QString& path, Status& status) {
    const QString directory = QFileInfo(path).absolutePath();
    if (disk::directoryWriteProtected(path))
        return codes::fail(
            status, AccessDenied,
            QStringLiteral("the directory of %1 is write-protected").arg(def.diskName));
    const DirectoryLock lock(directory);
    if (!lock.held())
        return codes::fail(
            status, FileSystemError,
            QStringLiteral("%1 cannot be created: %2").arg(def.diskName, lock.why()));
    removeLeftovers(def, directory);
    bool replacing = false;
    if (disk::exists(path)) {
        const QString problem = disk::whatIsWrong(path);
        if (!problem.isEmpty()) return codes::fail(status, FileSystemError, problem);
        replacing = halfMade(def, path);
        if (!replacing && whole(def, path)) return codes::ok(status);
        if (!replacing)
            return codes::fail(status, FileSystemError,
                               QStringLiteral("%1 is there already and is not a data file of this "
                                              "program; it is left as it is")
                                   .arg(def.diskName));
    }
    const QString part = QDir(directory).filePath(
        temporaryPrefix(def) + QString::number(::getpid()) + QStringLiteral(".new"));
    if (build(def, part, modeFor(directory), status) != Ok) {
        const Status why = status;
        QFile::remove(part);
        QFile::remove(part + QStringLiteral("-journal"));
        status = why;
        status.driverText =
            QStringLiteral("%1 cannot be created: %2").arg(def.diskName, why.driverText);
        return status.code;
    }
    // The journal of a half-made file belongs to it, not to the new one.
    if (replacing) QFile::remove(path + QStringLiteral("-journal"));
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData())) {
        const QString why = systemError();
        QFile::remove(part);
        return codes::fail(status, FileSystemError,
                           QStringLiteral("%1 cannot be created: %2").arg(def.diskName, why));
    }
    lock.sync();
    return codes::ok(status);
}

} // namespace store::creation
