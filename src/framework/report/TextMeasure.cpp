#include "framework/report/TextMeasure.h"

#include <QTextBoundaryFinder>

namespace {

TextMeasure* installed = nullptr;

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1FAFF) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

// The lines of one paragraph (a text without line ends).
void wrapParagraph(const QString& text, PageUnits width, const ReportFont& font,
                   TextMeasure& measure, QStringList& out) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    QTextBoundaryFinder chars(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (start < text.size()) {
        // The longest piece from `start` that fits, ending at a break opportunity.
        breaks.setPosition(start);
        qsizetype fitEnd = -1;
        for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
            if (measure.Width(text.mid(start, at - start).trimmed(), font) > width) break;
            fitEnd = at;
        }
        if (fitEnd == -1) {
            // Not even the first word fits: cut it at the last character that does.
            chars.setPosition(start);
            qsizetype cut = chars.toNextBoundary(); // at least one character per line
            for (qsizetype at = chars.toNextBoundary(); at != -1; at = chars.toNextBoundary()) {
                if (measure.Width(text.mid(start, at - start), font) > width) break;
                cut = at;
            }
            fitEnd = cut;
        }
        QString line = text.mid(start, fitEnd - start);
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        out << line;
        start = fitEnd;
        while (start < text.size() && text.at(start) == QLatin1Char(' '))
            ++start;
    }
}

} // namespace

TextMeasure& TextMeasure::Instance() {
    static EstimatedMeasure estimate;
    return installed ? *installed : estimate;
}

void TextMeasure::Install(TextMeasure* measure) {
    installed = measure;
}

PageUnits EstimatedMeasure::Width(const QString& text, const ReportFont& font) {
    // Half an em for an ordinary character, a whole em for a wide one.
    double ems = 0;
    for (const char32_t c : text.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
            category == QChar::Other_Format)
            continue;
        ems += isWide(c) ? 1.0 : (font.bold ? 0.58 : 0.55);
    }
    return PageUnits(ems * font.points * Units::PerPoint + 0.5);
}

QStringList WrapText(const QString& text, PageUnits width, const ReportFont& font,
                     TextMeasure& measure) {
    QStringList out;
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QLatin1Char('\t'), QLatin1String("    "));
    for (const QString& paragraph : normal.split(QLatin1Char('\n'))) {
        if (paragraph.trimmed().isEmpty()) {
            out << QString();
            continue;
        }
        wrapParagraph(paragraph, width, font, measure, out);
    }
    return out;
}
