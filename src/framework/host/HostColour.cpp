#include "framework/host/HostColour.h"

QColor toQColor(Colour colour) {
    const quint32 v = quint32(colour);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

Colour fromQColor(const QColor& colour) {
    const QColor c = colour.toRgb();
    return Colour(quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16));
}

QFont toQFont(const FontChoice& font) {
    QFont f;
    if (!font.family.isEmpty()) f.setFamily(font.family);
    if (font.pointSize > 0) f.setPointSize(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

void fromQFont(const QFont& font, FontChoice& into) {
    into.family = font.family();
    into.pointSize = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    into.bold = font.bold();
    into.italic = font.italic();
}
