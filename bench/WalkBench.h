#pragma once

#include <QString>

// The walk over a medium of 100,000 files in 5,000 directories, read from the page cache.
namespace WalkBench {
// With `keepDir` the tree is kept there and used again by later runs.
void run(const QString& keepDir);
} // namespace WalkBench
