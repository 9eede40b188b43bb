#pragma once

#include "framework/report/PageModel.h"
#include "framework/report/TextMeasure.h"

#include <QFont>
#include <QPointF>
#include <map>
#include <vector>

class QPainter;

// Draws a page of a report with any painter: on the preview, a printer or a PDF file.
// `origin` is where the paper's top left corner goes and `scale` how many device pixels
// one page unit takes. Each text is clipped at its box, so a text that is too wide never
// runs into the next column.
namespace PageRenderer {

void Draw(QPainter& painter, const Page& page, const std::vector<ReportFont>& fonts, QPointF origin,
          double scale);
// The Qt font of a report font at a given scale of a device with `dpi` dots per inch.
QFont FontFor(const ReportFont& font, double scale, double dpi);

} // namespace PageRenderer

// Widths from the fonts themselves, for wrapping; the program installs it at start.
class FontMeasure : public TextMeasure {
public:
    PageUnits Width(const QString& text, const ReportFont& font) override;

private:
    std::map<std::tuple<QString, bool, bool>, QFont> fonts_;
};
