#include "framework/store/Codes.h"
#include "framework/store/Collation.h"
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

// Copies of data files through the engine's online backup: the copy is taken page by page
// under the engine's locks, so it is never torn, and it keeps the file's encryption.
namespace store {

namespace {

// A connection of its own to one disk file, for the copy.
class Direct {
public:
    ~Direct() { sqlite3_close_v2(db_); }
    int open(const QString& path, const FileDef& def, const char* mode, Status& status) {
        const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI;
        int rc = sqlite3_open_v2(sql::uri(path, mode).constData(), &db_, flags, nullptr);
        const QByteArray key = def.ownerPassword.toUtf8();
        if (rc == SQLITE_OK && !key.isEmpty())
            rc = sqlite3_key(db_, key.constData(), int(key.size()));
        if (rc == SQLITE_OK) rc = collation::install(db_);
        if (rc != SQLITE_OK) return codes::engine(status, db_, rc);
        sqlite3_busy_timeout(db_, SqlCipherStore::DefaultBusyMs);
        return codes::ok(status);
    }
    // The file must be a whole database of this data file; a copy that is to replace a
    // data file must also be of the version this program keeps.
    int check(const QString& path, const FileDef& def, Status& status, bool thisVersion = false) {
        Schema schema(def, QStringLiteral("main"));
        sql::Stmt meta;
        int rc = meta.prepare(db_, "SELECT label, version FROM " + schema.qualified(Schema::Meta));
        if (rc == SQLITE_OK) rc = meta.step();
        if (rc != SQLITE_ROW)
            return codes::engineAs(status, db_, rc == SQLITE_DONE ? SQLITE_CORRUPT : rc,
                                   FileSystemError);
        if (sql::columnText(meta, 0).compare(def.label, Qt::CaseInsensitive) != 0)
            return codes::fail(status, FileSystemError,
                               QStringLiteral("%1 is not a copy of %2").arg(path, def.label));
        const int version = sqlite3_column_int(meta, 1);
        if (thisVersion && version != def.schemaVersion)
            return codes::fail(status, FileSystemError,
                               QStringLiteral("%1 is of version %2 of %3; this program keeps "
                                              "version %4")
                                   .arg(path)
                                   .arg(version)
                                   .arg(def.label)
                                   .arg(def.schemaVersion));
        return disk::checkSize(db_, "main", path, status);
    }
    // Every page readable and every key whole.
    int checkPages(const QString& path, Status& status) {
        sql::Stmt quick;
        int rc = quick.prepare(db_, "PRAGMA main.quick_check(1)");
        if (rc == SQLITE_OK) rc = quick.step();
        if (rc != SQLITE_ROW) return codes::engineAs(status, db_, rc, FileSystemError);
        const QString verdict = sql::columnText(quick, 0);
        if (verdict != QLatin1String("ok"))
            return codes::fail(status, FileSystemError,
                               QStringLiteral("%1 is damaged: %2").arg(path, verdict));
        return codes::ok(status);
    }
    sqlite3* db() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

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

// Copies `from` (a schema of a connection) into a new file at `target`.
int copyToFile(sqlite3* from, const QByteArray& fromName, const FileDef& def, const QString& target,
               Status& status) {
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    int rc;
    {
        Direct out;
        rc = out.open(part, def, "rwc", status);
        if (rc == Ok) rc = copy(from, fromName, out.db(), "main", status);
    }
    if (rc != Ok) {
        QFile::remove(part);
        return rc;
    }
    return replace(part, target, status);
}

bool sameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
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
        return copyToFile(db_, file->schemaName().toUtf8(), def, targetPath, status_);
    }
    if (disk::check(source, status_) != Ok) return status_.code;
    Direct in;
    if (in.open(source, def, "ro", status_) != Ok || in.check(source, def, status_) != Ok)
        return status_.code;
    return copyToFile(in.db(), "main", def, targetPath, status_);
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
            return copyToFile(in.db(), "main", def, target, status_);
        }
        if (disk::writeProtected(target)) return codes::fail(status_, AccessDenied);
        // Into the file itself, so that stations that have it open see the new content; a
        // file that is not a readable database of its own is replaced as a whole.
        Direct out;
        Status unreadable;
        if (out.open(target, def, "rw", unreadable) != Ok ||
            out.check(target, def, unreadable) != Ok)
            return copyToFile(in.db(), "main", def, target, status_);
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
