#pragma once

#include <QString>
#include <QStringList>
#include <sqlcipher/sqlite3.h>

// Steps that bring a data file from one schema version to the next. A step is a list of
// statements in which "{schema}" stands for the file's name in the connection and "{table}"
// for its qualified record table. A file whose version is older than its description's is
// migrated when it is opened, all steps in one transaction.
namespace store::migrations {

void add(const QString& label, int fromVersion, const QStringList& statements);

// Runs the steps from `from` up to `to` and records `to` in the meta table; all or nothing.
// Returns the engine's result, with the reason in `message` on failure (a missing step too).
int run(sqlite3* db, const QString& label, const QString& schema, const QString& table, int from,
        int to, QString& message);

} // namespace store::migrations
