#pragma once

#include "framework/store/RecordStore.h"

#include <sqlcipher/sqlite3.h>

// Filling a Status: the store's code and text, and the engine's own code and text.
namespace store::codes {

// The store's short text for a code.
QString text(int code);

int ok(Status& status);
// A failure found by the store itself; `detail` goes to driverText for code 90.
int fail(Status& status, int code, const QString& detail = {});
// A failure reported by the engine: the code it stands for, with the engine's code and
// text. `rc` is the engine's result; the text is taken from the connection.
int engine(Status& status, sqlite3* db, int rc);
// An engine failure reported under a fixed code, with the engine's code and text.
int engineAs(Status& status, sqlite3* db, int rc, int code);
// The store's code for an engine result.
int fromEngine(int rc);

} // namespace store::codes
