#pragma once

#include "framework/FileDef.h"

#include <QString>

// A look at a data file on disk through a read-only connection of its own, with the store's
// collation: the engine's integrity check of its pages and keys, the keys it ought to have,
// and the record count it keeps against the records it holds. Changes nothing, so it can run
// while stations have the file open.
namespace store {

struct Integrity {
    enum State { Sound, NotSound, Missing };
    State state = Missing;
    qint64 records = -1; // the records the file holds; -1 when they could not be counted
    QString problem;     // what is wrong, in words for the user
};

Integrity checkIntegrity(const FileDef& def, const QString& path);

} // namespace store
