#pragma once

#include <QString>

// The text viewer on a file of 1 GB: the first page, the last page and a phrase near the end.
namespace TextViewBench {
// With `keepDir` the file is kept there and used again by later runs.
void run(const QString& keepDir);
} // namespace TextViewBench
