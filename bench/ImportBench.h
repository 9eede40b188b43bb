#pragma once

#include <QString>

// Scanned files imported into an empty archive: a raw-engine bulk insert of 100,000 entries,
// Add All of a directory of 100,000 files and Add Tree over a tree of 100,000 files in 5,000
// directories, in entries per second.
namespace ImportBench {
// With `keepDir` the files are kept there and used again by later runs.
void run(const QString& keepDir);
} // namespace ImportBench
