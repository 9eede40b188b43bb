#pragma once

#include "framework/FileDef.h"
#include "framework/Text.h"

#include <QString>
#include <variant>
#include <vector>

// A field's value seen generically: numbers (decimals scaled, days, clocks) as qint64,
// texts as QString.
using FieldValue = std::variant<qint64, QString>;

// The stored record a buffer holds: its record number and the change counter it had when it
// was read. A write addresses the record by both, so it lands on the record that was read and
// is refused when another station changed it meanwhile.
struct RecordId {
    qint64 record = 0; // 0: no stored record
    qint64 change = 0;
    bool operator==(const RecordId&) const = default;
};

// The record buffer of one data file. Each file has a typed struct deriving from this
// class whose members are bound, in field order, in its constructor; procedures use the
// typed members, the store and the file manager the generic access below.
class RecordBuffer {
public:
    virtual ~RecordBuffer() = default;
    RecordBuffer(const RecordBuffer&) = delete;
    RecordBuffer& operator=(const RecordBuffer&) = delete;

    const FileDef& def() const { return def_; }
    int fieldCount() const { return int(slots_.size()); }

    FieldValue value(int field) const;
    // Texts are cut to the field's length, numbers clamped to the field's range.
    void setValue(int field, const FieldValue& value);
    qint64 number(int field) const;
    QString text(int field) const;
    bool isBlank(int field) const;

    const RecordId& identity() const { return identity_; }
    void setIdentity(const RecordId& id) { identity_ = id; }

    // Texts to blanks, numbers to 0, memos empty; the buffer holds no stored record.
    void clear();
    void clearField(int field);

    // The whole buffer, memos included, for snapshots and copies between buffers of the
    // same file.
    std::vector<FieldValue> values() const;
    void setValues(const std::vector<FieldValue>& values);
    void copyFrom(const RecordBuffer& other) {
        setValues(other.values());
        identity_ = other.identity_;
    }
    bool equals(const std::vector<FieldValue>& values) const { return this->values() == values; }

    // Key values compare texts without regard to case.
    static bool sameKeyValue(const FieldValue& a, const FieldValue& b);

protected:
    explicit RecordBuffer(const FileDef& def) : def_(def) {}
    void bind(quint8& v) { slots_.push_back(&v); }
    void bind(quint16& v) { slots_.push_back(&v); }
    void bind(quint32& v) { slots_.push_back(&v); }
    void bind(qint32& v) { slots_.push_back(&v); }
    void bind(qint64& v) { slots_.push_back(&v); }
    void bind(Text& v) { slots_.push_back(&v); }

private:
    using Slot = std::variant<quint8*, quint16*, quint32*, qint32*, qint64*, Text*>;
    const FileDef& def_;
    std::vector<Slot> slots_;
    RecordId identity_;
};

// A record buffer of any file with storage of its own, for reads that must not touch the
// file's shared buffer (a list's rows, a look-up beside a form).
class OwnedRecord : public RecordBuffer {
public:
    explicit OwnedRecord(const FileDef& def);

private:
    std::vector<qint64> numbers_;
    std::vector<Text> texts_;
};
