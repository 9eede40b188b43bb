#include "framework/store/Direct.h"

#include "framework/store/Codes.h"
#include "framework/store/Collation.h"
#include "framework/store/Disk.h"
#include "framework/store/Schema.h"
#include "framework/store/Sql.h"
#include "framework/store/SqlCipherStore.h"

namespace store {

int Direct::open(const QString& path, const FileDef& def, const char* mode, Status& status) {
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI;
    int rc = sqlite3_open_v2(sql::uri(path, mode).constData(), &db_, flags, nullptr);
    const QByteArray key = def.ownerPassword.toUtf8();
    if (rc == SQLITE_OK && !key.isEmpty()) rc = sqlite3_key(db_, key.constData(), int(key.size()));
    if (rc == SQLITE_OK) rc = collation::install(db_);
    if (rc != SQLITE_OK) return codes::engine(status, db_, rc);
    sqlite3_busy_timeout(db_, SqlCipherStore::DefaultBusyMs);
    return codes::ok(status);
}

int Direct::check(const QString& path, const FileDef& def, Status& status, bool thisVersion) {
    Schema schema(def, QStringLiteral("main"));
    sql::Stmt meta;
    int rc = meta.prepare(db_, "SELECT label, version FROM " + schema.qualified(Schema::Meta));
    if (rc == SQLITE_OK) rc = meta.step();
    if (rc != SQLITE_ROW)
        return codes::engineAs(status, db_, rc == SQLITE_DONE ? SQLITE_CORRUPT : rc,
                               FileSystemError);
    if (sql::columnText(meta, 0).compare(def.label, Qt::CaseInsensitive) != 0)
        return codes::fail(status, FileSystemError,
                           QStringLiteral("%1 holds the records of %2, not of %3")
                               .arg(path, sql::columnText(meta, 0), def.label));
    const int version = sqlite3_column_int(meta, 1);
    meta.reset();
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

int Direct::checkPages(const QString& path, Status& status) {
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

} // namespace store
