#pragma once

#include <QString>
#include <functional>

// Figures of the search: the index over the archive that the catalogue benchmark made,
// searches beside the same searches as SQL scans, result lists and the command line.
QString sizeLabel(qint64 n);

namespace SearchBench {

using Figure = std::function<void(const QString& name, double value, const char* unit)>;
void run(const QString& dataDirectory, qint64 entries, const QString& label, const Figure& figure);

} // namespace SearchBench
