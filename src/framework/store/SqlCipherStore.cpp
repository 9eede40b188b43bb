#include "framework/store/SqlCipherStore.h"

#include "framework/store/Codes.h"
#include "framework/store/Collation.h"
#include "framework/store/SqlCipherFile.h"
#include "framework/store/Stations.h"

namespace store {

std::unique_ptr<RecordStore> RecordStore::openSqlCipher(const QString& dataDirectory) {
    return std::make_unique<SqlCipherStore>(dataDirectory);
}

namespace {
const char* uriMode(SqlCipherStore::Access access) {
    switch (access) {
    case SqlCipherStore::Access::ReadOnly:
        return "ro";
    case SqlCipherStore::Access::ReadWrite:
        return "rw";
    default:
        return "rwc";
    }
}
} // namespace

SqlCipherStore::SqlCipherStore(const QString& directory)
    : directory_(directory), station_(stations::enter()) {}

SqlCipherStore::~SqlCipherStore() {
    std::lock_guard lock(mutex_);
    if (inTransaction()) sql::exec(db_, "ROLLBACK");
    // The main database last, so that closing it does not bring the others back.
    while (!attached_.empty()) {
        const Attached last = attached_.back();
        if (last.file->close() != Ok) break;
    }
    disconnect();
    stations::leave(station_);
}

StoreFile& SqlCipherStore::declare(const FileDef& def) {
    std::lock_guard lock(mutex_);
    if (SqlCipherFile* known = find(def)) return *known;
    files_.push_back(std::make_unique<SqlCipherFile>(*this, def));
    return *files_.back();
}

SqlCipherFile* SqlCipherStore::find(const FileDef& def) const {
    for (const auto& f : files_)
        if (f->def().label.compare(def.label, Qt::CaseInsensitive) == 0) return f.get();
    return nullptr;
}

int SqlCipherStore::attach(SqlCipherFile& file, Access access, Status& status) {
    const int rc = db_ ? attachTo(file, access, status) : connect(file, access, status);
    if (rc == Ok)
        attached_.push_back({&file, access == Access::Create ? Access::ReadWrite : access});
    return rc;
}

int SqlCipherStore::connect(SqlCipherFile& file, Access access, Status& status) {
    sqlite3* db = nullptr;
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX;
    int rc =
        sqlite3_open_v2(sql::uri(file.path(), uriMode(access)).constData(), &db, flags, nullptr);
    const QByteArray key = file.def().ownerPassword.toUtf8();
    if (rc == SQLITE_OK && !key.isEmpty()) rc = sqlite3_key(db, key.constData(), int(key.size()));
    if (rc == SQLITE_OK) rc = collation::install(db);
    if (rc != SQLITE_OK) {
        codes::engine(status, db, rc);
        if (status.code == Ok) codes::fail(status, FileSystemError);
        sqlite3_close_v2(db);
        return status.code;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, DefaultBusyMs);
    db_ = db;
    file.bindTo(QStringLiteral("main"));
    return codes::ok(status);
}

int SqlCipherStore::attachTo(SqlCipherFile& file, Access access, Status& status) {
    sql::Stmt attach;
    int rc = attach.prepare(db_, "ATTACH DATABASE ?1 AS ?2 KEY ?3");
    const QByteArray uri = sql::uri(file.path(), uriMode(access));
    const QByteArray name = file.def().prefix.toUtf8();
    const QByteArray key = file.def().ownerPassword.toUtf8();
    if (rc == SQLITE_OK) {
        attach.bindStatic(1, uri);
        attach.bindStatic(2, name);
        attach.bindStatic(3, key);
        rc = attach.step();
    }
    if (rc != SQLITE_DONE) return codes::engine(status, db_, rc);
    file.bindTo(file.def().prefix);
    return codes::ok(status);
}

int SqlCipherStore::detach(SqlCipherFile& file, Status& status) {
    auto it = std::find_if(attached_.begin(), attached_.end(),
                           [&](const Attached& a) { return a.file == &file; });
    if (it == attached_.end()) return codes::ok(status);
    if (inTransaction())
        return codes::fail(status, FileSystemError,
                           QStringLiteral("a file cannot be closed during a transaction"));
    file.bindTo(QString());
    if (it == attached_.begin()) {
        attached_.erase(it);
        return reconnect(status);
    }
    sql::Stmt detach;
    int rc = detach.prepare(db_, "DETACH DATABASE ?1");
    const QByteArray name = file.def().prefix.toUtf8();
    if (rc == SQLITE_OK) {
        detach.bindStatic(1, name);
        rc = detach.step();
    }
    if (rc != SQLITE_DONE) return codes::engine(status, db_, rc);
    attached_.erase(it);
    return codes::ok(status);
}

// The main database left: the connection is opened again on the first file still in it and
// the others are attached again, so that a closed file is closed on disk too.
int SqlCipherStore::reconnect(Status& status) {
    std::vector<Attached> rest = attached_;
    for (const Attached& a : rest)
        a.file->bindTo(QString());
    disconnect();
    for (const Attached& a : rest) {
        Status why;
        if (attach(*a.file, a.access, why) != Ok) a.file->lost(why);
    }
    return codes::ok(status);
}

SqlCipherStore::ReadScope::ReadScope(SqlCipherStore& store) : store_(store) {
    if (!store.db_ || !sqlite3_get_autocommit(store.db_)) return;
    if (!store.beginRead_.ready() && store.beginRead_.prepare(store.db_, "BEGIN") != SQLITE_OK)
        return;
    began_ = store.beginRead_.step() == SQLITE_DONE;
    store.beginRead_.reset();
}

SqlCipherStore::ReadScope::~ReadScope() {
    if (!began_) return;
    sql::Stmt& end = store_.endRead_;
    if (end.ready() || end.prepare(store_.db_, "COMMIT") == SQLITE_OK) {
        const int rc = end.step();
        end.reset();
        if (rc == SQLITE_DONE) return;
    }
    sql::exec(store_.db_, "ROLLBACK");
}

void SqlCipherStore::disconnect() {
    beginRead_ = sql::Stmt();
    endRead_ = sql::Stmt();
    attached_.clear();
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

int SqlCipherStore::begin(const std::vector<StoreFile*>& files, int timeoutSeconds) {
    std::lock_guard lock(mutex_);
    if (!db_) return codes::fail(status_, FileSystemError, QStringLiteral("no file is open"));
    if (inTransaction())
        return codes::fail(status_, FileSystemError,
                           QStringLiteral("a transaction is already active"));
    for (StoreFile* f : files)
        if (!f || !f->isOpen() || !find(f->def()))
            return codes::fail(status_, FileSystemError,
                               QStringLiteral("a file of the transaction is not open"));
    sqlite3_busy_timeout(db_, qMax(0, timeoutSeconds) * 1000);
    int rc = sql::exec(db_, "BEGIN");
    // Take the write lock of every file now, so that a station that is in the way is
    // waited for here and not in the middle of the work.
    for (StoreFile* f : files) {
        if (rc != SQLITE_OK) break;
        // The store's own file of that description, also when `f` stands in front of it.
        SqlCipherFile* file = find(f->def());
        if (!file->isReadOnly())
            rc = sql::exec(db_, Schema(file->def(), file->schemaName()).lockForWrite());
    }
    if (rc != SQLITE_OK) {
        codes::engine(status_, db_, rc);
        if (inTransaction()) sql::exec(db_, "ROLLBACK");
        endTransaction();
        return status_.code;
    }
    return codes::ok(status_);
}

int SqlCipherStore::commit() {
    std::lock_guard lock(mutex_);
    if (!inTransaction())
        return codes::fail(status_, FileSystemError, QStringLiteral("no transaction is active"));
    const int rc = sql::exec(db_, "COMMIT");
    if (rc != SQLITE_OK) return codes::engine(status_, db_, rc);
    endTransaction();
    return codes::ok(status_);
}

int SqlCipherStore::rollback() {
    std::lock_guard lock(mutex_);
    if (!inTransaction())
        return codes::fail(status_, FileSystemError, QStringLiteral("no transaction is active"));
    const int rc = sql::exec(db_, "ROLLBACK");
    for (const Attached& a : attached_)
        a.file->forget();
    if (rc != SQLITE_OK) return codes::engine(status_, db_, rc);
    endTransaction();
    return codes::ok(status_);
}

void SqlCipherStore::endTransaction() {
    if (db_) sqlite3_busy_timeout(db_, DefaultBusyMs);
}

} // namespace store
