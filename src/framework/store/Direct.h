#pragma once

#include "framework/FileDef.h"
#include "framework/store/RecordStore.h"

#include <QString>
#include <sqlcipher/sqlite3.h>

namespace store {

// A connection of its own to one disk file, beside the store's connection: for copies, for
// building a new file and for looking at a file without attaching it.
class Direct {
public:
    Direct() = default;
    ~Direct() { sqlite3_close_v2(db_); }
    Direct(const Direct&) = delete;
    Direct& operator=(const Direct&) = delete;

    // `mode` as in a URI ("ro", "rw", "rwc"); the file's owner password is its key.
    int open(const QString& path, const FileDef& def, const char* mode, Status& status);
    // The file must be a whole database of this data file: its label, and a size that fits
    // its pages; a copy that is to replace a data file must also be of the version this
    // program keeps.
    int check(const QString& path, const FileDef& def, Status& status, bool thisVersion = false);
    // Every page readable and every key whole.
    int checkPages(const QString& path, Status& status);
    sqlite3* db() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

} // namespace store
