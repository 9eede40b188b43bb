#pragma once

#include "framework/FileDef.h"
#include "framework/RecordBuffer.h"

#include <QByteArray>
#include <vector>

namespace store {

// An order of reads: the records a key holds (0: every record), sorted by `by`, or by the
// key's own components when `by` is empty, then by record number. A list sorted by a column
// keeps the records of its key and sorts them by the column.
struct Ordering {
    int key = 0;
    std::vector<KeyPart> by;

    Ordering(int k = 0) : key(k) {} // NOLINT: a key is the order of its own components
    Ordering(int k, std::vector<KeyPart> parts) : key(k), by(std::move(parts)) {}
    bool ownOrder() const { return by.empty(); }
    bool operator==(const Ordering& o) const;
};

// The components an order sorts by; the order must outlive them.
const std::vector<KeyPart>& orderParts(const FileDef& def, const Ordering& order);
const std::vector<KeyPart>& orderParts(const FileDef& def, Ordering&& order) = delete;
// False when the order names a key or a field the file does not have.
bool validOrder(const FileDef& def, const Ordering& order);

// A place in one order: the key (0: record order), the values of its components (or of the
// `by` components) and a record number. Records sort by the components, then by record
// number.
struct KeyPoint {
    int key = 0;
    std::vector<FieldValue> values;
    qint64 record = 0;
    std::vector<KeyPart> by;

    Ordering ordering() const { return {key, by}; }
};

// Where a sequential read goes on from: before the first record, after the last one, or
// at a point (next reads the records after it, previous those before it).
struct Anchor {
    enum Kind { Start, End, At };
    Kind kind = Start;
    KeyPoint point;
};

// Position strings: the file's prefix, the key, the components sorted by when they are not
// the key's own, the component values and the record number.
QByteArray encodePosition(const FileDef& def, const KeyPoint& point);
// False when the text is not a position of this file.
bool decodePosition(const FileDef& def, const QByteArray& position, KeyPoint& point);

// The values of a key's components taken from a list of field values.
std::vector<FieldValue> keyValues(const FileDef& def, int key,
                                  const std::vector<FieldValue>& fields);
std::vector<FieldValue> keyValues(const FileDef& def, int key, const RecordBuffer& buffer);
std::vector<FieldValue> orderValues(const FileDef& def, const Ordering& order,
                                    const std::vector<FieldValue>& fields);

// The position string of the stored record a buffer holds, in a key's order (0: record
// order); empty when the buffer holds no stored record.
QByteArray positionOf(const RecordBuffer& buffer, int key);
QByteArray positionOf(const RecordBuffer& buffer, const Ordering& order);

} // namespace store
