#include "framework/store/Schema.h"

#include "framework/store/Collation.h"
#include "framework/store/Sql.h"

#include <QList>

namespace store {

namespace {

QByteArray param(int n) {
    return '?' + QByteArray::number(n);
}

QByteArray columnType(const FieldDef& f) {
    return f.isText() ? QByteArray("TEXT") : QByteArray("INTEGER");
}

} // namespace

Schema::Schema(const FileDef& def, const QString& schemaName)
    : def_(def), schema_(sql::quote(schemaName)), tableName_(sql::quote(def.label)) {
    for (int i = 0; i < int(def.fields.size()); ++i) {
        all_.push_back(i);
        if (def.fields[i].type != FieldType::Memo) noMemo_.push_back(i);
    }
}

QByteArray Schema::qualified(const char* table) const {
    return schema_ + '.' + (table ? sql::quote(QString::fromLatin1(table)) : tableName_);
}

QByteArray Schema::pragma(const char* name) const {
    return "PRAGMA " + schema_ + '.' + name;
}

QByteArray Schema::column(int field) const {
    return sql::quote(def_.fields[field].name());
}

std::vector<QByteArray> Schema::createTables() const {
    QByteArray record = "CREATE TABLE " + table() + '(' + sql::quote(Record) +
                        " INTEGER PRIMARY KEY, " + sql::quote(Change) +
                        " INTEGER NOT NULL DEFAULT 0";
    for (int i : all_) {
        const FieldDef& f = def_.fields[i];
        record += ", " + column(i) + ' ' + columnType(f) + " NOT NULL DEFAULT " +
                  (f.isText() ? QByteArray("'' COLLATE ") + collation::Name : QByteArray("0"));
    }
    record += ')';
    return {
        "CREATE TABLE " + qualified(Meta) + "(label TEXT NOT NULL, version INTEGER NOT NULL)",
        "INSERT INTO " + qualified(Meta) + " VALUES(" + sql::literal(def_.label) + ", " +
            QByteArray::number(def_.schemaVersion) + ')',
        "CREATE TABLE " + qualified(Holds) +
            "(rec INTEGER PRIMARY KEY, station INTEGER NOT NULL, pid INTEGER NOT NULL, "
            "taken INTEGER NOT NULL)",
        record,
    };
}

std::vector<std::pair<QString, QString>> Schema::columns() const {
    std::vector<std::pair<QString, QString>> out = {{Record, "INTEGER"}, {Change, "INTEGER"}};
    for (int i : all_)
        out.emplace_back(def_.fields[i].name(), QString::fromLatin1(columnType(def_.fields[i])));
    return out;
}

QByteArray Schema::keyName(int key) const {
    const QString& label = def_.keys[key - 1].label;
    return sql::quote(label.mid(label.indexOf(QLatin1Char(':')) + 1));
}

QByteArray Schema::predicate(int key) const {
    const KeyDef& k = def_.keys[key - 1];
    if (!k.optional) return {};
    QByteArray out;
    for (const KeyPart& p : k.parts) {
        if (!out.isEmpty()) out += " OR ";
        out += column(p.field) + (def_.fields[p.field].isText() ? " <> ''" : " <> 0");
    }
    return k.parts.size() > 1 ? '(' + out + ')' : out;
}

QByteArray Schema::keyBody(int key) const {
    const KeyDef& k = def_.keys[key - 1];
    QByteArray cols;
    for (const KeyPart& p : k.parts) {
        if (!cols.isEmpty()) cols += ", ";
        cols += column(p.field) + (p.descending ? " DESC" : "");
    }
    QByteArray body = keyName(key) + " ON " + tableName_ + '(' + cols + ')';
    const QByteArray where = predicate(key);
    if (!where.isEmpty()) body += " WHERE " + where;
    return body;
}

QByteArray Schema::createKey(int key) const {
    const bool unique = def_.keys[key - 1].unique;
    return QByteArray(unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + schema_ + '.' +
           keyBody(key);
}

QByteArray Schema::keptKeySql(int key) const {
    const bool unique = def_.keys[key - 1].unique;
    return QByteArray(unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + keyBody(key);
}

QByteArray Schema::dropIndex(const QString& name) const {
    return "DROP INDEX " + schema_ + '.' + sql::quote(name);
}

QByteArray Schema::selectList(bool memos) const {
    QByteArray out = sql::quote(Record) + ", " + sql::quote(Change);
    for (int i : selected(memos))
        out += ", " + column(i);
    return out;
}

QByteArray Schema::from(int index) const {
    QByteArray out = " FROM " + table();
    if (index > 0) out += " INDEXED BY " + keyName(index);
    if (index == NoIndex) out += " NOT INDEXED";
    return out;
}

QByteArray Schema::readRange(const Ordering& o, Direction dir, int depth, bool memos,
                             const QByteArray& extra, int index) const {
    const bool forward = dir == Direction::Forward;
    const std::vector<KeyPart>& parts = partsOf(o);
    const int n = int(parts.size());
    QList<QByteArray> where;
    if (o.key > 0) {
        const QByteArray p = predicate(o.key);
        if (!p.isEmpty()) where << p;
    }
    int next = 1;
    for (int i = 0; i < depth && i < n; ++i)
        where << column(parts[i].field) + " = " + param(next++);
    if (depth == n) {
        where << sql::quote(Record) + (forward ? " > " : " < ") + param(next++);
    } else if (depth >= 0) {
        const bool greater = forward != parts[depth].descending;
        where << column(parts[depth].field) + (greater ? " > " : " < ") + param(next++);
    }
    QList<QByteArray> order;
    for (int i = depth < 0 ? 0 : depth; i < n; ++i) {
        const bool ascending = forward != parts[i].descending;
        order << column(parts[i].field) + (ascending ? " ASC" : " DESC");
    }
    order << sql::quote(Record) + (forward ? " ASC" : " DESC");
    if (!extra.isEmpty()) where << extra;
    QByteArray out = "SELECT " + selectList(memos) + from(index);
    if (!where.isEmpty()) out += " WHERE " + where.join(" AND ");
    return out + " ORDER BY " + order.join(", ") + " LIMIT " + param(next);
}

QByteArray Schema::readBeyond(const Ordering& o, Direction dir, bool memos, const QByteArray& extra,
                              int index) const {
    const bool forward = dir == Direction::Forward;
    const std::vector<KeyPart>& parts = partsOf(o);
    const int n = int(parts.size());
    // c0 > ?1 OR (c0 = ?1 AND (c1 > ?2 OR (c1 = ?2 AND record > ?3))), from the inside out.
    QByteArray beyond = sql::quote(Record) + (forward ? " > " : " < ") + param(n + 1);
    for (int i = n - 1; i >= 0; --i) {
        const QByteArray c = column(parts[i].field);
        const bool greater = forward != parts[i].descending;
        beyond = '(' + c + (greater ? " > " : " < ") + param(i + 1) + " OR (" + c + " = " +
                 param(i + 1) + " AND " + beyond + "))";
    }
    QList<QByteArray> where;
    if (o.key > 0) {
        const QByteArray p = predicate(o.key);
        if (!p.isEmpty()) where << p;
    }
    where << beyond;
    if (!extra.isEmpty()) where << extra;
    QList<QByteArray> order;
    for (const KeyPart& p : parts)
        order << column(p.field) + (forward != p.descending ? " ASC" : " DESC");
    order << sql::quote(Record) + (forward ? " ASC" : " DESC");
    return "SELECT " + selectList(memos) + from(index) + " WHERE " + where.join(" AND ") +
           " ORDER BY " + order.join(", ") + " LIMIT " + param(n + 2);
}

QByteArray Schema::blank(int field, bool isBlank) const {
    const bool text = def_.fields[field].isText();
    return column(field) + (isBlank ? " = " : " <> ") + (text ? "''" : "0");
}

QByteArray Schema::readRecord(bool memos) const {
    return "SELECT " + selectList(memos) + " FROM " + table() + " WHERE " + sql::quote(Record) +
           " = ?1";
}

QByteArray Schema::insert() const {
    QByteArray cols, values;
    for (int i : all_) {
        if (!cols.isEmpty()) cols += ", ", values += ", ";
        cols += column(i);
        values += param(i + 1);
    }
    return "INSERT INTO " + table() + '(' + cols + ") VALUES(" + values + ')';
}

QByteArray Schema::update(bool memos) const {
    QByteArray sets;
    int next = 1;
    for (int i : selected(memos))
        sets += column(i) + " = " + param(next++) + ", ";
    const QByteArray change = sql::quote(Change);
    sets += change + " = " + change + " + 1";
    return "UPDATE " + table() + " SET " + sets + " WHERE " + sql::quote(Record) + " = " +
           param(next) + " AND " + change + " = " + param(next + 1);
}

QByteArray Schema::erase() const {
    return "DELETE FROM " + table() + " WHERE " + sql::quote(Record) + " = ?1";
}

QByteArray Schema::count() const {
    return "SELECT count(*) FROM " + table();
}

QByteArray Schema::lockForWrite() const {
    return "UPDATE " + qualified(Meta) + " SET version = version WHERE 0";
}

} // namespace store
