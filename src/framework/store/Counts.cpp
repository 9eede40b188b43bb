#include "framework/store/Counts.h"

#include "framework/store/Sql.h"

#include <QList>

namespace store::counts {

namespace {

constexpr const char* Table = "store_count";
constexpr const char* OnInsert = "store_count_insert";
constexpr const char* OnDelete = "store_count_delete";
constexpr const char* KeyTable = "store_key_count";
constexpr const char* KeyOnInsert = "store_key_count_insert";
constexpr const char* KeyOnDelete = "store_key_count_delete";
constexpr const char* KeyOnUpdate = "store_key_count_update";

QByteArray trigger(const Schema& schema, const char* name, const char* event, const char* step) {
    // A trigger lives beside its table: the table and the body are named without the schema.
    return "CREATE TRIGGER " + schema.qualified(name) + " AFTER " + event + " ON " +
           sql::quote(schema.def().label) + " BEGIN UPDATE " +
           sql::quote(QString::fromLatin1(Table)) + " SET n = n " + step + "; END";
}

std::vector<int> optionalKeys(const Schema& schema) {
    std::vector<int> out;
    for (int k = 1; k <= int(schema.def().keys.size()); ++k)
        if (schema.def().keys[k - 1].optional) out.push_back(k);
    return out;
}

// Whether the record `row` ("NEW", "OLD") is held by an optional key: 1 or 0.
QByteArray heldBy(const Schema& schema, int key, const char* row) {
    QList<QByteArray> parts;
    for (const KeyPart& p : schema.def().keys[key - 1].parts)
        parts << QByteArray(row) + '.' + schema.columnOf(p.field) +
                     (schema.def().fields[p.field].isText() ? " <> ''" : " <> 0");
    return '(' + parts.join(" OR ") + ')';
}

QByteArray keyTrigger(const Schema& schema, const char* name, const char* event, bool added,
                      bool removed) {
    QByteArray cases;
    for (int k : optionalKeys(schema)) {
        QByteArray step;
        if (added) step += heldBy(schema, k, "NEW");
        if (removed) step += (added ? " - " : "- ") + heldBy(schema, k, "OLD");
        cases += " WHEN " + QByteArray::number(k) + " THEN " + step;
    }
    return "CREATE TRIGGER " + schema.qualified(name) + " AFTER " + event + " ON " +
           sql::quote(schema.def().label) + " BEGIN UPDATE " +
           sql::quote(QString::fromLatin1(KeyTable)) + " SET n = n + (CASE key" + cases +
           " ELSE 0 END); END";
}

bool present(sqlite3* db, const Schema& schema, const std::vector<const char*>& names) {
    QByteArray list;
    for (const char* n : names)
        list += QByteArray(list.isEmpty() ? "'" : ", '") + n + '\'';
    sql::Stmt probe;
    if (probe.prepare(db, "SELECT count(*) FROM " + schema.qualified("sqlite_master") +
                              " WHERE name IN (" + list + ")") != SQLITE_OK ||
        probe.step() != SQLITE_ROW)
        return false;
    return sqlite3_column_int(probe, 0) == int(names.size());
}

} // namespace

std::vector<QByteArray> make(const Schema& schema) {
    std::vector<QByteArray> out = {
        "CREATE TABLE " + schema.qualified(Table) + "(n INTEGER NOT NULL)",
        "INSERT INTO " + schema.qualified(Table) + " SELECT count(*) FROM " + schema.table(),
        trigger(schema, OnInsert, "INSERT", "+ 1"),
        trigger(schema, OnDelete, "DELETE", "- 1"),
        "CREATE TABLE " + schema.qualified(KeyTable) +
            "(key INTEGER PRIMARY KEY, n INTEGER NOT NULL)",
    };
    const std::vector<int> keys = optionalKeys(schema);
    for (int k : keys)
        out.push_back("INSERT INTO " + schema.qualified(KeyTable) + " SELECT " +
                      QByteArray::number(k) + ", count(*) FROM " + schema.table() + " WHERE " +
                      schema.keyPredicate(k));
    out.push_back(keyTrigger(schema, KeyOnInsert, "INSERT", true, false));
    out.push_back(keyTrigger(schema, KeyOnDelete, "DELETE", false, true));
    out.push_back(keyTrigger(schema, KeyOnUpdate, "UPDATE", true, true));
    if (keys.empty()) out.resize(out.size() - 3); // nothing to keep per key
    return out;
}

bool kept(sqlite3* db, const Schema& schema) {
    if (!present(db, schema, {Table, OnInsert, OnDelete})) return false;
    return optionalKeys(schema).empty() ||
           present(db, schema, {KeyTable, KeyOnInsert, KeyOnDelete, KeyOnUpdate});
}

int provide(sqlite3* db, const Schema& schema) {
    if (kept(db, schema)) return SQLITE_OK;
    sql::Savepoint step(db, "store_count");
    int rc = step.begun();
    for (const char* name : {OnInsert, OnDelete, KeyOnInsert, KeyOnDelete, KeyOnUpdate})
        if (rc == SQLITE_OK) rc = sql::exec(db, "DROP TRIGGER IF EXISTS " + schema.qualified(name));
    for (const char* name : {Table, KeyTable})
        if (rc == SQLITE_OK) rc = sql::exec(db, "DROP TABLE IF EXISTS " + schema.qualified(name));
    for (const QByteArray& statement : make(schema))
        if (rc == SQLITE_OK) rc = sql::exec(db, statement);
    return rc == SQLITE_OK ? step.commit() : rc;
}

QByteArray read(const Schema& schema) {
    return "SELECT n FROM " + schema.qualified(Table);
}

QByteArray readKey(const Schema& schema, int key) {
    return "SELECT n FROM " + schema.qualified(KeyTable) +
           " WHERE key = " + QByteArray::number(key);
}

} // namespace store::counts
