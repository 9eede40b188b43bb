#include "framework/store/Codes.h"

namespace store::codes {

QString text(int code) {
    switch (code) {
    case Ok:
        return QStringLiteral("No error");
    case FileNotFound:
        return QStringLiteral("File not found");
    case AccessDenied:
        return QStringLiteral("Access denied");
    case NoRecord:
        return QStringLiteral("Record not available");
    case DuplicateKey:
        return QStringLiteral("Creates duplicate key");
    case RecordHeld:
        return QStringLiteral("Record held by another station");
    case InvalidKey:
        return QStringLiteral("Key file invalid");
    case AlreadyOpen:
        return QStringLiteral("File already open");
    case NotSupported:
        return QStringLiteral("Not supported by the driver");
    case ChangedElsewhere:
        return QStringLiteral("Record changed by another station");
    default:
        return QStringLiteral("File system error");
    }
}

int ok(Status& status) {
    if (status.code != Ok || !status.driverCode.isEmpty() || !status.driverText.isEmpty())
        status = Status{Ok, text(Ok), {}, {}};
    else if (status.text.isEmpty())
        status.text = text(Ok);
    return Ok;
}

int fail(Status& status, int code, const QString& detail) {
    status = Status{code, text(code), {}, detail};
    return code;
}

int fromEngine(int rc) {
    switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return Ok;
    case SQLITE_CONSTRAINT:
        return rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY
                   ? DuplicateKey
                   : FileSystemError;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return AccessDenied;
    default:
        return FileSystemError;
    }
}

int engine(Status& status, sqlite3* db, int rc) {
    if (fromEngine(rc) == Ok) return ok(status);
    // The connection's own code and message when they belong to this result.
    const int extended = db ? sqlite3_extended_errcode(db) : 0;
    const bool same = (extended & 0xFF) == (rc & 0xFF);
    const int code = fromEngine(same ? extended : rc);
    status = Status{code, text(code), QString::number(same ? extended : rc),
                    QString::fromUtf8(same ? sqlite3_errmsg(db) : sqlite3_errstr(rc))};
    return code;
}

int engineAs(Status& status, sqlite3* db, int rc, int code) {
    engine(status, db, rc);
    status.code = code;
    status.text = text(code);
    return code;
}

} // namespace store::codes
