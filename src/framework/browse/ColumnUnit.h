#pragma once

#include <QFontMetrics>
#include <QWidget>
#include <algorithm>

// List widths are kept in quarters of a character. A character is as wide as a digit where
// the font's digits are wider than its average, so that numbers, dates and times fit the
// width their column was given.
inline int columnCharacterWidth(const QWidget& w) {
    const QFontMetrics metrics = w.fontMetrics();
    return std::max({1, metrics.averageCharWidth(), metrics.horizontalAdvance(QLatin1Char('0'))});
}
