#include "framework/store/Disk.h"

#include "framework/store/Codes.h"
#include "framework/store/Sql.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace store::disk {

namespace {

bool protectedPath(const QByteArray& path) {
    struct stat st;
    if (::stat(path.constData(), &st) != 0) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.constData(), W_OK);
}

qint64 pragmaNumber(sqlite3* db, const QByteArray& schema, const char* name, int& rc) {
    sql::Stmt s;
    rc = s.prepare(db, "PRAGMA " + sql::quote(QString::fromUtf8(schema)) + '.' + name);
    if (rc == SQLITE_OK) rc = s.step();
    if (rc != SQLITE_ROW) return -1;
    rc = SQLITE_OK;
    return sqlite3_column_int64(s, 0);
}

} // namespace

int check(const QString& path, Status& status) {
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 && errno == ENOENT) {
        const QString problem = whatIsWrong(path); // a link to nothing
        return codes::fail(status, FileNotFound, problem);
    }
    const QString problem = whatIsWrong(path);
    if (!problem.isEmpty()) return codes::fail(status, FileSystemError, problem);
    return codes::ok(status);
}

QString whatIsWrong(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const QString file = QFileInfo(path).fileName();
    struct stat st;
    if (::stat(name.constData(), &st) == 0) {
        if (S_ISREG(st.st_mode)) return {};
        if (S_ISDIR(st.st_mode)) return QStringLiteral("%1 is a folder, not a file").arg(file);
        return QStringLiteral("%1 is not a plain file (a device, pipe or socket)").arg(file);
    }
    const int error = errno;
    struct stat link;
    if (error == ENOENT && ::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode))
        return QStringLiteral("%1 is a link to %2, which does not exist")
            .arg(file, QFileInfo(path).symLinkTarget());
    if (error == ENOENT) return {};
    return QStringLiteral("%1 cannot be reached: %2")
        .arg(file, QString::fromLocal8Bit(std::strerror(error)));
}

bool exists(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool writeProtected(const QString& path) {
    return protectedPath(QFile::encodeName(path)) || directoryWriteProtected(path);
}

bool directoryWriteProtected(const QString& path) {
    return protectedPath(QFile::encodeName(QFileInfo(path).absolutePath()));
}

int checkSize(sqlite3* db, const QByteArray& schema, const QString& path, Status& status) {
    int rc = SQLITE_OK;
    const qint64 pages = pragmaNumber(db, schema, "page_count", rc);
    const qint64 pageSize = rc == SQLITE_OK ? pragmaNumber(db, schema, "page_size", rc) : 0;
    if (rc != SQLITE_OK) return codes::engineAs(status, db, rc, FileSystemError);
    const qint64 size = QFileInfo(path).size();
    if (pages * pageSize != size)
        return codes::fail(status, FileSystemError,
                           QStringLiteral("damaged: cut short or lengthened (%1 bytes for %2 "
                                          "pages of %3 bytes)")
                               .arg(size)
                               .arg(pages)
                               .arg(pageSize));
    return codes::ok(status);
}

} // namespace store::disk
