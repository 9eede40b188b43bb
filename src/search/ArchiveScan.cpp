#include "search/ArchiveScan.h"

#include "framework/store/Schema.h"
#include "framework/store/SqlCipherFile.h"

#include <QStringList>
#include <mutex>

namespace search {

namespace {

std::string_view textAt(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(stmt, column)))
                : std::string_view();
}

QByteArray recordColumn() {
    return store::sql::quote(QString::fromLatin1(store::Schema::Record));
}

// The columns read, in the order of ScanRow, named as the store names them.
QByteArray columns(const FileDef& def, bool descriptions) {
    QByteArray out = store::sql::quote(QString::fromLatin1(store::Schema::Record)) + ", " +
                     store::sql::quote(QString::fromLatin1(store::Schema::Change));
    QStringList fields = {"ARC:NR",        "ARC:CdNr", "ARC:DiskNr",   "ARC:Date",       "ARC:Time",
                          "ARC:CDiskNaam", "ARC:Naam", "ARC:Producer", "ARC:Opmerkingen"};
    if (descriptions) fields << "ARC:Omschrijving";
    for (const QString& label : fields)
        out += ", " + store::sql::quote(def.fields[size_t(def.fieldIndex(label))].name());
    return out;
}

} // namespace

ArchiveScan::ArchiveScan(store::StoreFile& archief)
    : file_(archief.isOpen() ? dynamic_cast<store::SqlCipherFile*>(&archief) : nullptr) {
    if (!file_) error_ = QStringLiteral("The archive file is not open.");
}

bool ArchiveScan::fail(const char* what) {
    sqlite3* db = file_ ? file_->store().db() : nullptr;
    error_ = QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                          db ? QString::fromUtf8(sqlite3_errmsg(db))
                                             : QStringLiteral("no connection"));
    return false;
}

bool ArchiveScan::version(Version& out) {
    if (!file_) return false;
    std::lock_guard lock(file_->store().mutex());
    sqlite3* db = file_->store().db();
    if (!db) return fail("Reading the archive's version");
    const store::Schema schema(file_->def(), file_->schemaName());
    store::sql::Stmt stmt;
    if (stmt.prepare(db, schema.pragma("data_version")) != SQLITE_OK || stmt.step() != SQLITE_ROW)
        return fail("Reading the archive's version");
    out.station = file_->store().station();
    out.connection = quintptr(db);
    out.others = sqlite3_column_int64(stmt, 0);
    out.own = sqlite3_total_changes(db);
    return true;
}

qint64 ArchiveScan::count() {
    return file_ ? file_->records() : -1;
}

qint64 ArchiveScan::read(qint64 after, qint64 limit, bool descriptions, const RowFunction& row) {
    if (!file_) return -1;
    std::lock_guard lock(file_->store().mutex());
    sqlite3* db = file_->store().db();
    if (!db) return fail("Reading the archive") ? 0 : -1;
    const store::Schema schema(file_->def(), file_->schemaName());
    store::sql::Stmt stmt;
    if (stmt.prepare(db, "SELECT " + columns(file_->def(), descriptions) + " FROM " +
                             schema.table() + " WHERE " + recordColumn() + " > ?1 ORDER BY " +
                             recordColumn() + " LIMIT ?2") != SQLITE_OK)
        return fail("Reading the archive") ? 0 : -1;
    stmt.bind(1, after);
    stmt.bind(2, limit);
    qint64 n = 0;
    ScanRow r;
    int rc;
    while ((rc = stmt.step()) == SQLITE_ROW) {
        r.record = sqlite3_column_int64(stmt, 0);
        r.change = sqlite3_column_int64(stmt, 1);
        r.nr = quint32(sqlite3_column_int64(stmt, 2));
        r.cdNr = quint16(sqlite3_column_int(stmt, 3));
        r.diskNr = quint16(sqlite3_column_int(stmt, 4));
        r.date = sqlite3_column_int(stmt, 5);
        r.time = sqlite3_column_int(stmt, 6);
        r.name = textAt(stmt, 7);
        r.file = textAt(stmt, 8);
        r.producer = textAt(stmt, 9);
        r.remarks = textAt(stmt, 10);
        r.description = descriptions ? textAt(stmt, 11) : std::string_view();
        row(r);
        ++n;
    }
    if (rc != SQLITE_DONE) return fail("Reading the archive") ? 0 : -1;
    return n;
}

bool ArchiveScan::description(qint64 record, std::string& out) {
    if (!file_) return false;
    std::lock_guard lock(file_->store().mutex());
    sqlite3* db = file_->store().db();
    if (!db) return fail("Reading a description");
    const store::Schema schema(file_->def(), file_->schemaName());
    store::sql::Stmt stmt;
    const FileDef& def = file_->def();
    const QString memo = def.fields[size_t(def.fieldIndex("ARC:Omschrijving"))].name();
    if (stmt.prepare(db, "SELECT " + store::sql::quote(memo) + " FROM " + schema.table() +
                             " WHERE " + recordColumn() + " = ?1") != SQLITE_OK)
        return fail("Reading a description");
    stmt.bind(1, record);
    const int rc = stmt.step();
    if (rc == SQLITE_ROW) {
        out.assign(textAt(stmt, 0));
        return true;
    }
    if (rc != SQLITE_DONE) fail("Reading a description");
    return false;
}

} // namespace search
