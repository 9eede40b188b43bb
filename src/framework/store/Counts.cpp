#include "framework/store/Counts.h"

#include "framework/store/Sql.h"

namespace store::counts {

namespace {

constexpr const char* Table = "store_count";
constexpr const char* OnInsert = "store_count_insert";
constexpr const char* OnDelete = "store_count_delete";

QByteArray trigger(const Schema& schema, const char* name, const char* event, const char* step) {
    // A trigger lives beside its table: the table and the body are named without the schema.
    return "CREATE TRIGGER " + schema.qualified(name) + " AFTER " + event + " ON " +
           sql::quote(schema.def().label) + " BEGIN UPDATE " +
           sql::quote(QString::fromLatin1(Table)) + " SET n = n " + step + "; END";
}

} // namespace

std::vector<QByteArray> make(const Schema& schema) {
    return {
        "CREATE TABLE " + schema.qualified(Table) + "(n INTEGER NOT NULL)",
        "INSERT INTO " + schema.qualified(Table) + " SELECT count(*) FROM " + schema.table(),
        trigger(schema, OnInsert, "INSERT", "+ 1"),
        trigger(schema, OnDelete, "DELETE", "- 1"),
    };
}

bool kept(sqlite3* db, const Schema& schema) {
    sql::Stmt probe;
    if (probe.prepare(db, "SELECT count(*) FROM " + schema.qualified("sqlite_master") +
                              " WHERE name IN ('" + Table + "', '" + OnInsert + "', '" + OnDelete +
                              "')") != SQLITE_OK ||
        probe.step() != SQLITE_ROW)
        return false;
    return sqlite3_column_int(probe, 0) == 3;
}

int provide(sqlite3* db, const Schema& schema) {
    if (kept(db, schema)) return SQLITE_OK;
    sql::Savepoint step(db, "store_count");
    int rc = step.begun();
    for (const char* name : {OnInsert, OnDelete})
        if (rc == SQLITE_OK) rc = sql::exec(db, "DROP TRIGGER IF EXISTS " + schema.qualified(name));
    if (rc == SQLITE_OK) rc = sql::exec(db, "DROP TABLE IF EXISTS " + schema.qualified(Table));
    for (const QByteArray& statement : make(schema))
        if (rc == SQLITE_OK) rc = sql::exec(db, statement);
    return rc == SQLITE_OK ? step.commit() : rc;
}

QByteArray read(const Schema& schema) {
    return "SELECT n FROM " + schema.qualified(Table);
}

} // namespace store::counts
