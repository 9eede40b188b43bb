#pragma once

#include <sqlcipher/sqlite3.h>

// The collation of every text column and key: case folded over all of Unicode (simple
// case folding, one character to one, so "Ärger" equals "ärger" and "STRAẞE" equals
// "straße", while "STRASSE" does not), trailing blanks not counted.
namespace store::collation {

inline constexpr const char* Name = "FOLD";

// Compares two UTF-8 texts: < 0, 0 or > 0.
int compare(const char* a, int lengthA, const char* b, int lengthB);
int install(sqlite3* db);

} // namespace store::collation
