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

// A kept width in pixels of the widget's font, and pixels back into a kept width.
inline int columnPixels(const QWidget& w, int kept) {
    return std::max(12, kept * columnCharacterWidth(w) / 4);
}
inline int columnKeptWidth(const QWidget& w, int pixels) {
    const int character = columnCharacterWidth(w);
    return (pixels * 4 + character / 2) / character;
}
