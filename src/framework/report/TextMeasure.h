#pragma once

#include "framework/report/PageModel.h"

#include <QStringList>

// How wide a text is when printed, for wrapping a long text over lines. Window-free code
// gets an estimate from character classes (wide East Asian characters count double,
// combining marks nothing); the program installs one that asks the fonts themselves.
// Texts that are too wide are clipped by the renderer anyway, so an estimate never lets
// a column run into its neighbour.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual PageUnits Width(const QString& text, const ReportFont& font) = 0;

    static TextMeasure& Instance();
    // Null puts the estimate back.
    static void Install(TextMeasure* measure);
};

class EstimatedMeasure : public TextMeasure {
public:
    PageUnits Width(const QString& text, const ReportFont& font) override;
};

// Breaks a text into lines that fit `width`: at line ends of the text itself, else at the
// last place the language allows a break (after a blank, between East Asian characters),
// else inside a word that is wider than the line on its own. Blanks at a break are
// dropped. An empty text is one empty line.
QStringList WrapText(const QString& text, PageUnits width, const ReportFont& font,
                     TextMeasure& measure = TextMeasure::Instance());
