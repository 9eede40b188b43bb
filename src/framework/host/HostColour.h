#pragma once

#include "framework/host/Host.h"

#include <QColor>
#include <QFont>

// Colour values 0xBBGGRR (blue in the high byte, then green, then red) and font choices in
// the form of the Qt colour and font dialogs.
QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);

QFont toQFont(const FontChoice& font);
// Takes family, size and style from `font`; the colour of `into` stays as it is.
void fromQFont(const QFont& font, FontChoice& into);
