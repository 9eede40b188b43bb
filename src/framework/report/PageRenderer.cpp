#include "framework/report/PageRenderer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

namespace {

// The kind of face a family stands for, so that a desktop without it takes a like one.
QFont::StyleHint hintFor(const QString& family) {
    const QString f = family.toLower();
    if (f.contains(QLatin1String("courier")) || f.contains(QLatin1String("mono")))
        return QFont::Monospace;
    if (f.contains(QLatin1String("times")) ||
        (f.contains(QLatin1String("serif")) && !f.contains(QLatin1String("sans"))))
        return QFont::Serif;
    return QFont::SansSerif;
}

QFont faceOf(const ReportFont& font) {
    QFont f(font.family);
    f.setStyleHint(hintFor(font.family));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

} // namespace

QFont PageRenderer::FontFor(const ReportFont& font, double scale, double dpi) {
    QFont f = faceOf(font);
    // The em on the device is points × units per point × scale pixels.
    f.setPointSizeF(std::max(0.5, font.points * Units::PerPoint * scale * 72.0 / dpi));
    return f;
}

void PageRenderer::Draw(QPainter& painter, const Page& page, const std::vector<ReportFont>& fonts,
                        QPointF origin, double scale) {
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
    std::vector<QFont> qfonts;
    qfonts.reserve(fonts.size());
    for (const ReportFont& f : fonts)
        qfonts.push_back(FontFor(f, scale, dpi));
    const QFont fallback = FontFor(ReportFont{}, scale, dpi);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBrush(Qt::NoBrush);
    int currentFont = -1;
    auto at = [&](PageUnits x, PageUnits y) {
        return QPointF(origin.x() + x * scale, origin.y() + y * scale);
    };
    for (const PageItem& item : page.items) {
        switch (item.kind) {
        case ItemKind::Text: {
            if (item.font != currentFont) {
                painter.setFont(item.font < qfonts.size() ? qfonts[item.font] : fallback);
                currentFont = item.font;
            }
            painter.setPen(Qt::black);
            const QRectF box(at(item.x, item.y), QSizeF(item.width * scale, item.height * scale));
            int flags = Qt::AlignVCenter | Qt::TextSingleLine;
            flags |= item.align == Align::Right    ? Qt::AlignRight | Qt::AlignAbsolute
                     : item.align == Align::Centre ? Qt::AlignHCenter
                                                   : Qt::AlignLeft | Qt::AlignAbsolute;
            // Without TextDontClip the text is clipped at its box.
            painter.drawText(box, flags, item.text);
            break;
        }
        case ItemKind::Rule:
        case ItemKind::Box: {
            QPen pen(Qt::black);
            pen.setWidthF(item.pen * scale);
            pen.setCosmetic(item.pen == 0);
            painter.setPen(pen);
            if (item.kind == ItemKind::Rule)
                painter.drawLine(at(item.x, item.y), at(item.x + item.width, item.y + item.height));
            else
                painter.drawRect(
                    QRectF(at(item.x, item.y), QSizeF(item.width * scale, item.height * scale)));
            break;
        }
        }
    }
    painter.restore();
}

PageUnits FontMeasure::Width(const QString& text, const ReportFont& font) {
    // Measured at 100 points on an image of known resolution, where hinting hardly
    // changes widths.
    static const QImage device(1, 1, QImage::Format_RGB32);
    const auto key = std::make_tuple(font.family, font.bold, font.italic);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        QFont f = faceOf(font);
        f.setPointSizeF(100);
        found = fonts_.emplace(key, f).first;
    }
    const QFontMetricsF metrics(found->second, &device);
    const double points = metrics.horizontalAdvance(text) * 72.0 / device.logicalDpiX();
    // A little room for the printer's own metrics.
    return PageUnits(points / 100.0 * font.points * Units::PerPoint * 1.02 + 0.5);
}
