#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// A list's column format as the settings keep it: per column its width (in quarters of an
// average character), alignment, heading and picture, e.g.
// "29R(1)|M~Nr~L@N_6@30R(1)|M~CD Nr.~L@N_6B@".
namespace search {

struct ColumnSpec {
    int width = 0;
    bool right = false;
    QString heading;
    QString picture;
};

std::vector<ColumnSpec> parseColumns(const QString& format);
// The format with other widths, column by column; the rest is kept as written.
QString withWidths(const QString& format, const std::vector<int>& widths);

// The results list's format as it comes.
extern const char* const ResultsFormat;

} // namespace search
