#pragma once

#include "framework/store/RecordStore.h"

#include <sqlcipher/sqlite3.h>

// What the store asks of the disk files themselves.
namespace store::disk {

// 0 for a regular file, 2 when it is missing (also behind a link to nothing, with that
// said), 90 with the reason otherwise.
int check(const QString& path, Status& status);
bool exists(const QString& path);
// What keeps the path from being a data file, in words for the user: a folder, a device, a
// link to nothing. Empty for a regular file or a missing one.
QString whatIsWrong(const QString& path);
// True when the file or its directory refuses writing: no write permission bit at all
// (which counts even where the user could write anyway) or access refused.
bool writeProtected(const QString& path);
bool directoryWriteProtected(const QString& path);
// 0 when the file's size is the engine's page count times its page size; 90 otherwise
// (a truncated or extended file).
int checkSize(sqlite3* db, const QByteArray& schema, const QString& path, Status& status);

} // namespace store::disk
