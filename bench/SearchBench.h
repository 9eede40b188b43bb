#pragma once

#include <QString>

// Figures of the search: the index over the archive that the catalogue benchmark made,
// searches beside the same searches as SQL scans, result lists and the command line.
QString sizeLabel(qint64 n);

namespace SearchBench {

void run(const QString& dataDirectory, qint64 entries, const QString& label);

} // namespace SearchBench
