#pragma once

#include "framework/store/Schema.h"

#include <QByteArray>
#include <sqlcipher/sqlite3.h>
#include <vector>

// The number of records of a file, kept in a table beside the records by triggers on
// insert and delete, so that counting a large file does not read through it. Every writer of
// the file keeps it, in the same transaction as the change.
namespace store::counts {

// Makes the count table and its triggers, counting what the file holds now.
std::vector<QByteArray> make(const Schema& schema);
// The table and both triggers are there.
bool kept(sqlite3* db, const Schema& schema);
// Makes the count of a file that has none (made before the count was kept, or whose
// triggers were lost), all or nothing; the engine's result.
int provide(sqlite3* db, const Schema& schema);
// The statement that reads the count.
QByteArray read(const Schema& schema);

} // namespace store::counts
