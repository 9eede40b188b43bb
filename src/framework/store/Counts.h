#pragma once

#include "framework/store/Schema.h"

#include <QByteArray>
#include <sqlcipher/sqlite3.h>
#include <vector>

// The number of records of a file, and the number each optional key holds, kept in tables
// beside the records by triggers on insert, delete and update, so that counting a large file
// or one of its orders does not read through it. Every writer of the file keeps them, in the
// same transaction as the change.
namespace store::counts {

// Makes the count tables and their triggers, counting what the file holds now.
std::vector<QByteArray> make(const Schema& schema);
// The tables and all their triggers are there.
bool kept(sqlite3* db, const Schema& schema);
// Makes the count of a file that has none (made before the count was kept, or whose
// triggers were lost), all or nothing; the engine's result.
int provide(sqlite3* db, const Schema& schema);
// The statement that reads the count.
QByteArray read(const Schema& schema);
// The statement that reads the number of records an optional key holds.
QByteArray readKey(const Schema& schema, int key);

} // namespace store::counts
