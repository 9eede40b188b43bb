#pragma once

#include <QString>
#include <vector>

// A list's column format as windows and the settings keep it: per column its width (in
// quarters of an average character), the justification of its values, its heading with the
// heading's own justification, and its picture, e.g.
// "29R(1)|M~Nr~L@N_6@80L(2)|M~Name~@s20@24L(2)|M~Level~C(0)@n3@".
namespace ListFormat {

enum class Justify { Left, Right, Centre };

struct Column {
    int width = 0;
    Justify justify = Justify::Left;
    Justify headingJustify = Justify::Left; // the values' when the heading names none
    QString heading;
    QString picture; // without its "@" delimiters: "s20", "N_6B"
    bool right() const { return justify == Justify::Right; }
};

std::vector<Column> parse(const QString& format);
// The format with other widths, column by column; the rest is kept as written.
QString withWidths(const QString& format, const std::vector<int>& widths);

} // namespace ListFormat
