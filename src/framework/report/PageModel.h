#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <vector>

// The pages of a report: positioned text, rule and box items in page units, hundredths of
// a millimetre from the top left corner of the paper. Nothing here draws; the renderer
// draws a page on a preview, a printer or a PDF file, and tests read the items.

using PageUnits = qint32;

namespace Units {
constexpr PageUnits PerMillimetre = 100;
constexpr double PerPoint = 2540.0 / 72.0; // a point is 1/72 inch
inline PageUnits mm(double millimetres) {
    return PageUnits(millimetres * PerMillimetre + 0.5);
}
} // namespace Units

// A font of a report by what it asks for; the renderer finds the nearest one the system has.
struct ReportFont {
    QString family;
    double points = 10;
    bool bold = false;
    bool italic = false;

    // Distance from one line of this font to the next.
    PageUnits lineHeight() const { return PageUnits(points * 1.2 * Units::PerPoint + 0.5); }
    bool operator==(const ReportFont&) const = default;
};

struct PaperSize {
    PageUnits width = 21000; // A4 portrait
    PageUnits height = 29700;
    bool operator==(const PaperSize&) const = default;
};

enum class ItemKind : quint8 { Text, Rule, Box };
enum class Align : quint8 { Left, Right, Centre };

// Text: the text inside the box (x, y, width, height), drawn on one line and clipped at the
// box, so it never runs into a neighbour column. Rule: a line from (x, y) to
// (x + width, y + height). Box: a frame around (x, y, width, height).
struct PageItem {
    ItemKind kind = ItemKind::Text;
    quint8 font = 0; // index into the report's fonts
    Align align = Align::Left;
    PageUnits x = 0, y = 0, width = 0, height = 0;
    PageUnits pen = 0; // rules and boxes: line width; 0 is the thinnest line
    QString text;

    bool operator==(const PageItem&) const = default;
};

struct Page {
    std::vector<PageItem> items;

    // The texts in reading order (top to bottom, then left to right), one line per row of
    // items that share a top edge, joined by a blank: what a test or a text export reads.
    QStringList lines() const;
    bool operator==(const Page&) const = default;
};
