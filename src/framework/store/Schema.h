#pragma once

#include "framework/FileDef.h"
#include "framework/store/Positions.h"

#include <QByteArray>
#include <vector>

namespace store {

enum class Direction { Forward, Backward };

// The SQL of one data file, generated from its description, for the name the file has in
// the connection ("main" or its prefix). One table per file with the row id as record
// number and a change counter; one index per key; a meta table (label, schema version) and
// a holds table beside it.
class Schema {
public:
    static constexpr const char* Record = "store_rec";
    static constexpr const char* Change = "store_change";
    static constexpr const char* Meta = "store_meta";
    static constexpr const char* Holds = "store_holds";

    Schema(const FileDef& def, const QString& schemaName);

    const FileDef& def() const { return def_; }
    // Components of a key; 0 for record order (key 0).
    int parts(int key) const { return key == 0 ? 0 : int(def_.keys[key - 1].parts.size()); }
    int partField(int key, int part) const { return def_.keys[key - 1].parts[part].field; }
    const std::vector<KeyPart>& partsOf(const Ordering& order) const {
        return orderParts(def_, order);
    }
    const std::vector<KeyPart>& partsOf(Ordering&& order) const = delete;

    QByteArray qualified(const char* table) const;
    QByteArray table() const { return qualified(nullptr); }
    QByteArray pragma(const char* name) const;

    // Creation: meta, holds and record tables; then the keys one by one.
    std::vector<QByteArray> createTables() const;
    QByteArray createKey(int key) const;
    // The text of a key's index as the engine keeps it in its catalogue.
    QByteArray keptKeySql(int key) const;
    QByteArray dropIndex(const QString& name) const;
    // Declared column names and types in table order, for checking an existing table.
    std::vector<std::pair<QString, QString>> columns() const;

    // Fields read (memos left out when skipped), in column order after record and change.
    const std::vector<int>& selected(bool memos) const { return memos ? all_ : noMemo_; }
    // Reads in a key's order. depth -1: from the edge, no bound. depth d < parts: the first
    // d components equal ?1..?d and component d beyond ?(d+1). depth == parts: all equal and
    // the record number beyond ?(parts+1). The limit is the last parameter. `where` is
    // added to the conditions (its parameters numbered from firstFilterParam), and
    // `index` names the key whose index must find the records (0: the engine chooses).
    // An order sorted by components of its own reads its records in the same way.
    QByteArray readRange(const Ordering& order, Direction dir, int depth, bool memos,
                         const QByteArray& where = {}, int index = 0) const;
    // The records after (before) the point ?1..?n, record number ?(n+1), in one statement:
    // for an order no index gives, one pass over the records instead of one per depth.
    QByteArray readBeyond(const Ordering& order, Direction dir, bool memos,
                          const QByteArray& where = {}, int index = 0) const;
    int firstFilterParam(const Ordering& order) const { return int(partsOf(order).size()) + 3; }
    // The condition that the field holds its blank value (or does not).
    QByteArray blank(int field, bool isBlank) const;
    // The condition that leaves out the records an optional key does not hold; empty for a
    // key that holds every record.
    QByteArray keyPredicate(int key) const { return key == 0 ? QByteArray() : predicate(key); }
    // "FROM table", with the index that must be used when one is named; none at all for
    // NoIndex (a pass over the records beats a look-up for each entry of an index).
    static constexpr int NoIndex = -1;
    QByteArray from(int index) const;
    QByteArray columnOf(int field) const { return column(field); }
    QByteArray readRecord(bool memos) const; // record number ?1
    QByteArray insert() const;               // all fields, ?1..
    // The selected fields ?1..?m, then record number ?(m+1) and change counter ?(m+2).
    QByteArray update(bool memos) const;
    QByteArray erase() const; // record number ?1
    QByteArray count() const;
    // A statement that takes the file's write lock and changes nothing.
    QByteArray lockForWrite() const;

private:
    QByteArray column(int field) const;
    QByteArray predicate(int key) const;
    QByteArray keyName(int key) const;
    QByteArray keyBody(int key) const;
    QByteArray selectList(bool memos) const;

    const FileDef& def_;
    QByteArray schema_;
    QByteArray tableName_;
    std::vector<int> all_;
    std::vector<int> noMemo_;
};

} // namespace store
