#pragma once

#include <QString>
#include <vector>

// The description of one data file: its fields, keys and disk name. One description
// drives the store's schema, the record buffer binding, the keys registered with the
// file manager and the field names known to filter expressions.

enum class FieldType {
    U8,
    U16,
    U32,
    I32,
    Text,    // fixed-length text of `size` characters
    ZText,   // zero-terminated text of `size` bytes: at most size - 1 characters
    Decimal, // packed decimal of `size` bytes with `places` decimals, held scaled
    Date,    // standard day number
    Time,    // standard time value
    Day,     // i32 holding a standard day number
    Clock,   // i32 holding a standard time value
    Memo,    // variable text of up to `size` characters
};

struct FieldDef {
    QString label; // "ARC:CdNr"
    FieldType type = FieldType::U32;
    int size = 0;
    int places = 0;

    QString name() const { return label.mid(label.indexOf(QLatin1Char(':')) + 1); }
    bool isText() const {
        return type == FieldType::Text || type == FieldType::ZText || type == FieldType::Memo;
    }
    // Characters a text field holds.
    int capacity() const { return type == FieldType::ZText ? size - 1 : size; }
    // Largest value a numeric field holds (decimals as scaled integers).
    qint64 highest() const;
    qint64 lowest() const;
};

struct KeyPart {
    int field = 0; // index into FileDef::fields
    bool descending = false;
};

// Every key of this system folds case and leaves out records whose components are
// all blank or zero.
struct KeyDef {
    QString label; // "ARC:KeyCdNr"
    std::vector<KeyPart> parts;
    bool unique = false;
    bool autoNumber = false;
    bool noCase = true;
    bool optional = true;
};

struct FileDef {
    QString label;    // "Archief"
    QString prefix;   // "ARC"
    QString diskName; // "Archief.tps"
    std::vector<FieldDef> fields;
    std::vector<KeyDef> keys;
    QString ownerPassword; // empty: a plain file
    int primaryKey = 1;    // 1-based position in keys; 0 when none
    int schemaVersion = 1;

    // Case-insensitive lookup of "PRE:Name" (or "Name"); -1 when unknown.
    int fieldIndex(const QString& label) const;
    // Case-insensitive lookup of a key label; 1-based, 0 when unknown.
    int keyNumber(const QString& label) const;
    bool hasMemo() const;
};

// Rule codes as the relation guard stores them.
enum class RelationMode { None = 0, Clear = 1, Restrict = 2, Cascade = 3 };

struct RelationDef {
    QString parent; // file label
    QString child;
    std::vector<std::pair<QString, QString>> links; // parent field label, child field label
    QString childKey;                               // key of the child used to find linked records
    RelationMode updateMode = RelationMode::None;
    RelationMode deleteMode = RelationMode::None;
};
