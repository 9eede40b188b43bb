#pragma once

#include "framework/FileDef.h"
#include "framework/RecordBuffer.h"

#include <QByteArray>
#include <vector>

namespace store {

// A place in one order: the key (0: record order), the values of its components and a
// record number. In a key's order records sort by the components, then by record number.
struct KeyPoint {
    int key = 0;
    std::vector<FieldValue> values;
    qint64 record = 0;
};

// Where a sequential read goes on from: before the first record, after the last one, or
// at a point (next reads the records after it, previous those before it).
struct Anchor {
    enum Kind { Start, End, At };
    Kind kind = Start;
    KeyPoint point;
};

// Position strings: the file's prefix, the key, the component values and the record number.
QByteArray encodePosition(const FileDef& def, const KeyPoint& point);
// False when the text is not a position of this file.
bool decodePosition(const FileDef& def, const QByteArray& position, KeyPoint& point);

// The values of a key's components taken from a list of field values.
std::vector<FieldValue> keyValues(const FileDef& def, int key,
                                  const std::vector<FieldValue>& fields);
std::vector<FieldValue> keyValues(const FileDef& def, int key, const RecordBuffer& buffer);

// The position string of the stored record a buffer holds, in a key's order (0: record
// order); empty when the buffer holds no stored record.
QByteArray positionOf(const RecordBuffer& buffer, int key);

} // namespace store
