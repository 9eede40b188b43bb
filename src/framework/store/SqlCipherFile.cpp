#include "framework/store/SqlCipherFile.h"

#include "framework/store/Codes.h"
#include "framework/store/Counts.h"
#include "framework/store/Creation.h"
#include "framework/store/Disk.h"
#include "framework/store/Migrations.h"

#include <QDir>
#include <QFile>
#include <set>

namespace store {

namespace {
constexpr int CacheKiB = 8192;
constexpr int QuickScanCacheKiB = 65536;
constexpr qint64 MapBytes = qint64(1) << 30;
} // namespace

SqlCipherFile::SqlCipherFile(SqlCipherStore& store, const FileDef& def) : store_(store), def_(def) {
    own_ = std::make_unique<SqlCipherCursor>(*this);
}

SqlCipherFile::~SqlCipherFile() {
    own_.reset();
    // A cursor that outlives its file answers every call with an error.
    for (SqlCipherCursor* c : cursors_)
        c->orphan();
}

QString SqlCipherFile::path() const {
    return QDir(store_.directory()).filePath(def_.diskName);
}

int SqlCipherFile::fail(int code, const QString& detail) {
    return codes::fail(status_, code, detail);
}

int SqlCipherFile::engineFail(int rc) {
    return codes::engine(status_, store_.db(), rc);
}

int SqlCipherFile::finish(sql::Savepoint& step) {
    QString why;
    const int rc = step.commit(&why);
    if (rc == SQLITE_OK) return codes::ok(status_);
    codes::engine(status_, nullptr, rc);
    status_.driverText = why;
    return status_.code;
}

void SqlCipherFile::bindTo(const QString& schemaName) {
    stmts_.clear();
    for (SqlCipherCursor* c : cursors_)
        c->forgetStatements();
    schemaName_ = schemaName;
    schema_ = schemaName.isEmpty() ? nullptr : std::make_unique<Schema>(def_, schemaName);
    if (open_) applyCacheSize();
}

void SqlCipherFile::forget() {
    dropBatches();
    dataVersion_ = -1;
}

void SqlCipherFile::lost(const Status& why) {
    open_ = false;
    forget();
    status_ = why;
}

void SqlCipherFile::applyCacheSize() {
    if (!schema_) return;
    const int kib = quickScanned_ ? QuickScanCacheKiB : CacheKiB;
    sql::exec(store_.db(), schema_->pragma("cache_size") + " = -" + QByteArray::number(kib));
    // Plain files are read through a memory map: a page that is not in the cache then costs
    // no system call (encrypted pages must be decrypted into the cache anyway).
    if (def_.ownerPassword.isEmpty())
        sql::exec(store_.db(), schema_->pragma("mmap_size") + " = " + QByteArray::number(MapBytes));
}

int SqlCipherFile::checkDisk(bool forWriting) {
    if (disk::check(path(), status_) != Ok) return status_.code;
    if (forWriting && disk::writeProtected(path()))
        return fail(AccessDenied, QStringLiteral("the file is write-protected"));
    return Ok;
}

int SqlCipherFile::open(int openMode) {
    std::lock_guard lock(store_.mutex());
    if (open_) return fail(AlreadyOpen);
    const bool readOnly = (openMode & 0x0F) == ReadOnly;
    if (checkDisk(!readOnly) != Ok) return status_.code;
    using Access = SqlCipherStore::Access;
    if (store_.attach(*this, readOnly ? Access::ReadOnly : Access::ReadWrite, status_) != Ok)
        return refused();
    if (verify(readOnly, true) != Ok) {
        Status ignored;
        store_.detach(*this, ignored);
        return refused();
    }
    open_ = true;
    readOnly_ = readOnly;
    applyCacheSize();
    own_->setOrder(0);
    forget();
    if (!readOnly) purgeStaleHolds();
    // A file that cannot keep its count (opened read-only without one) is counted through.
    counted_ = readOnly ? counts::kept(store_.db(), *schema_)
                        : counts::provide(store_.db(), *schema_) == SQLITE_OK;
    return codes::ok(status_);
}

// A file that could not be opened: one left half-made by an interrupted creation counts as
// missing, so that it is made anew; anything else is said in words that name the file.
int SqlCipherFile::refused() {
    if (creation::halfMade(def_, path()))
        return fail(FileNotFound,
                    QStringLiteral("%1 was left half-made by an interrupted start and is made anew")
                        .arg(def_.diskName));
    if (status_.code == FileSystemError && !status_.driverCode.isEmpty())
        status_.driverText = unusable(status_.driverCode.toInt(), status_.driverText);
    return status_.code;
}

QString SqlCipherFile::unusable(int engineCode, const QString& engineText) const {
    switch (engineCode & 0xFF) {
    case SQLITE_NOTADB:
        return QStringLiteral("%1 is not a data file of this program, or it is damaged (%2)")
            .arg(def_.diskName, engineText);
    case SQLITE_CORRUPT:
        return QStringLiteral("%1 is damaged (%2)").arg(def_.diskName, engineText);
    case SQLITE_ERROR: // its tables are not there
        return QStringLiteral("%1 is not a data file of this program").arg(def_.diskName);
    default:
        return QStringLiteral("%1 cannot be read (%2)").arg(def_.diskName, engineText);
    }
}

// Is the attached file a whole database of this data file, at this version, with its keys?
int SqlCipherFile::verify(bool readOnly, bool checkKeys) {
    if (verifyLabel(readOnly) != Ok || verifyColumns() != Ok) return status_.code;
    return checkKeys ? verifyKeys() : Ok;
}

int SqlCipherFile::verifyLabel(bool readOnly) {
    sqlite3* db = store_.db();
    sql::Stmt meta;
    int rc = meta.prepare(db, "SELECT label, version FROM " + schema_->qualified(Schema::Meta));
    if (rc == SQLITE_OK) rc = meta.step();
    if (rc != SQLITE_ROW)
        return codes::engineAs(status_, db, rc == SQLITE_DONE ? SQLITE_CORRUPT : rc,
                               FileSystemError);
    const QString label = sql::columnText(meta, 0);
    const int version = sqlite3_column_int(meta, 1);
    meta.reset();
    if (label.compare(def_.label, Qt::CaseInsensitive) != 0)
        return fail(FileSystemError, QStringLiteral("%1 holds the records of %2, not of %3")
                                         .arg(def_.diskName, label, def_.label));
    if (disk::checkSize(db, schemaName_.toUtf8(), path(), status_) != Ok) {
        if (status_.driverCode.isEmpty())
            status_.driverText = QStringLiteral("%1 is %2").arg(def_.diskName, status_.driverText);
        return status_.code;
    }
    if (version > def_.schemaVersion)
        return fail(
            FileSystemError,
            QStringLiteral("%1 was made by a newer version of this program").arg(def_.diskName));
    if (version < def_.schemaVersion) {
        if (readOnly)
            return fail(FileSystemError, QStringLiteral("the file must be converted first"));
        QString why;
        rc = migrations::run(db, def_.label, schemaName_, QString::fromUtf8(schema_->table()),
                             version, def_.schemaVersion, why);
        if (rc != SQLITE_OK) {
            codes::engineAs(status_, db, rc, FileSystemError);
            status_.driverText = why;
            return status_.code;
        }
    }
    return Ok;
}

int SqlCipherFile::verifyColumns() {
    sqlite3* db = store_.db();
    const QByteArray list = schema_->pragma("table_info") + '(' + sql::quote(def_.label) + ')';
    sql::Stmt info;
    int rc = info.prepare(db, list);
    std::vector<std::pair<QString, QString>> found;
    while (rc == SQLITE_OK && (rc = info.step()) == SQLITE_ROW) {
        found.emplace_back(sql::columnText(info, 1), sql::columnText(info, 2).toUpper());
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE && rc != SQLITE_OK)
        return codes::engineAs(status_, db, rc, FileSystemError);
    const auto wanted = schema_->columns();
    bool same = found.size() == wanted.size();
    for (size_t i = 0; same && i < found.size(); ++i)
        same = found[i].first.compare(wanted[i].first, Qt::CaseInsensitive) == 0 &&
               found[i].second == wanted[i].second;
    sql::Stmt holds;
    if (same &&
        holds.prepare(db, "SELECT count(*) FROM " + schema_->qualified(Schema::Holds)) != SQLITE_OK)
        same = false;
    if (!same)
        return fail(FileSystemError,
                    QStringLiteral("the file has no record table of %1").arg(def_.label));
    return Ok;
}

int SqlCipherFile::verifyKeys() {
    sqlite3* db = store_.db();
    sql::Stmt list;
    int rc = list.prepare(db, "SELECT sql FROM " + schema_->qualified("sqlite_master") +
                                  " WHERE type = 'index' AND tbl_name = ?1 AND sql IS NOT NULL");
    const QByteArray table = def_.label.toUtf8();
    std::set<QByteArray> found;
    if (rc == SQLITE_OK) {
        list.bindStatic(1, table);
        while ((rc = list.step()) == SQLITE_ROW)
            found.insert(QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(list, 0))));
    }
    if (rc != SQLITE_DONE) return codes::engineAs(status_, db, rc, FileSystemError);
    std::set<QByteArray> wanted;
    for (int k = 1; k <= int(def_.keys.size()); ++k)
        wanted.insert(schema_->keptKeySql(k));
    if (found != wanted)
        return fail(InvalidKey, QStringLiteral("the keys of %1 must be rebuilt").arg(def_.label));
    return Ok;
}

int SqlCipherFile::create() {
    std::lock_guard lock(store_.mutex());
    if (open_) return fail(AlreadyOpen);
    return creation::make(def_, path(), status_);
}

int SqlCipherFile::close() {
    std::lock_guard lock(store_.mutex());
    if (!open_) return codes::ok(status_);
    if (store_.inTransaction())
        return fail(FileSystemError,
                    QStringLiteral("a file cannot be closed during a transaction"));
    if (heldRecord_ != 0) release();
    stmts_.clear();
    if (store_.detach(*this, status_) != Ok) return status_.code;
    open_ = false;
    forget();
    own_->setOrder(0);
    return codes::ok(status_);
}

int SqlCipherFile::buildKeys() {
    std::lock_guard lock(store_.mutex());
    if (open_) {
        if (readOnly_) return fail(AccessDenied, QStringLiteral("the file is open read-only"));
        const int rc = rebuildKeys();
        forget();
        return rc;
    }
    if (checkDisk(true) != Ok) return status_.code;
    if (store_.attach(*this, SqlCipherStore::Access::ReadWrite, status_) != Ok) return status_.code;
    int rc = verify(false, false);
    if (rc == Ok) rc = rebuildKeys();
    Status why = status_;
    store_.detach(*this, status_);
    status_ = why;
    return rc;
}

// Drops every index of the record table and creates the keys anew, all or nothing.
int SqlCipherFile::rebuildKeys() {
    sqlite3* db = store_.db();
    std::vector<QString> indexes;
    {
        sql::Stmt list;
        int rc =
            list.prepare(db, "SELECT name FROM " + schema_->qualified("sqlite_master") +
                                 " WHERE type = 'index' AND tbl_name = ?1 AND sql IS NOT NULL");
        const QByteArray table = def_.label.toUtf8();
        if (rc == SQLITE_OK) {
            list.bindStatic(1, table);
            while ((rc = list.step()) == SQLITE_ROW)
                indexes.push_back(sql::columnText(list, 0));
        }
        if (rc != SQLITE_DONE) return engineFail(rc);
    }
    stmts_.clear();
    sql::Savepoint step(db, "store_keys");
    int rc = step.begun();
    for (const QString& name : indexes)
        if (rc == SQLITE_OK) rc = sql::exec(db, schema_->dropIndex(name));
    for (int k = 1; rc == SQLITE_OK && k <= int(def_.keys.size()); ++k)
        rc = sql::exec(db, schema_->createKey(k));
    return rc == SQLITE_OK ? finish(step) : engineFail(rc);
}

int SqlCipherFile::sendOption(const QString& option) {
    std::lock_guard lock(store_.mutex());
    const int eq = option.indexOf(QLatin1Char('='));
    const QString name = option.left(eq).trimmed();
    const QString value = eq < 0 ? QString() : option.mid(eq + 1).trimmed();
    if (eq > 0 && name.compare(QLatin1String("Recover"), Qt::CaseInsensitive) == 0) {
        bool number = false;
        const int seconds = value.toInt(&number);
        if (!number || seconds < 0) return fail(NotSupported, option);
        recoverSeconds_ = seconds;
        return codes::ok(status_);
    }
    if (eq > 0 && name.compare(QLatin1String("QUICKSCAN"), Qt::CaseInsensitive) == 0) {
        const bool on = value.compare(QLatin1String("on"), Qt::CaseInsensitive) == 0;
        if (!on && value.compare(QLatin1String("off"), Qt::CaseInsensitive) != 0)
            return fail(NotSupported, option);
        // Only the batches grow: the page cache keeps its size, so that a list switching
        // quick scan on and off around every page does not empty the cache each time.
        if (on && !quickScanned_) {
            quickScanned_ = true;
            applyCacheSize();
        }
        quickScan_ = on;
        return codes::ok(status_);
    }
    return fail(NotSupported, option);
}

qint64 SqlCipherFile::records() {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok) return -1;
    return countRecords();
}

qint64 SqlCipherFile::countRecords() {
    if (counted_) {
        if (const qint64 n = readCount(Counted, counts::read(*schema_)); n >= 0) return n;
        // The kept count is gone (a file restored from an older copy): count through.
        counted_ = false;
    }
    return readCount(Count, schema_->count());
}

qint64 SqlCipherFile::countKey(int key) {
    if (!counted_ || key < 1 || key > int(def_.keys.size())) return -1;
    const qint64 n = readCount(KeyCounted | quint32(key) << 8, counts::readKey(*schema_, key));
    if (n < 0) codes::ok(status_); // not kept: the caller counts through
    return n;
}

qint64 SqlCipherFile::readCount(quint32 id, const QByteArray& query) {
    sql::Stmt* s = statement(id, [&] { return query; });
    if (!s) return -1;
    sql::ResetGuard reset(*s);
    const int rc = s->step();
    if (rc != SQLITE_ROW) return engineFail(rc), -1;
    codes::ok(status_);
    return sqlite3_column_int64(*s, 0);
}

qint64 SqlCipherFile::bytes() {
    std::lock_guard lock(store_.mutex());
    if (checkOpen() != Ok) return -1;
    sql::Stmt count, size;
    int rc = count.prepare(store_.db(), schema_->pragma("page_count"));
    if (rc == SQLITE_OK) rc = size.prepare(store_.db(), schema_->pragma("page_size"));
    if (rc == SQLITE_OK && (rc = count.step()) == SQLITE_ROW) rc = size.step();
    if (rc != SQLITE_ROW) return engineFail(rc), -1;
    codes::ok(status_);
    return sqlite3_column_int64(count, 0) * sqlite3_column_int64(size, 0);
}

} // namespace store
