// The default wallpaper: a stylised lion's head before a setting sun over the savanna.
#include "framework/host/DrawnIcons.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

namespace DrawnIcons {

namespace {

// A flame-shaped lock of the mane pointing along the x axis: round at the base, pointed
// at the tip.
QPainterPath lock(qreal length, qreal width) {
    QPainterPath path;
    path.moveTo(0, -width / 2);
    path.cubicTo(length * 0.45, -width * 0.75, length * 0.8, -width * 0.25, length, 0);
    path.cubicTo(length * 0.8, width * 0.25, length * 0.45, width * 0.75, 0, width / 2);
    path.arcTo(QRectF(-width / 2, -width / 2, width, width), 270, -180);
    path.closeSubpath();
    return path;
}

void maneRing(QPainter& p, qreal inner, qreal length, qreal width, int count, qreal offset,
              const QColor& a, const QColor& b) {
    for (int i = 0; i < count; ++i) {
        p.save();
        p.rotate(offset + 360.0 * i / count);
        p.translate(inner, 0);
        const QColor c = i % 2 ? a : b;
        QLinearGradient g(0, 0, length, 0);
        g.setColorAt(0, c.darker(115));
        g.setColorAt(1, c.lighter(115));
        p.setBrush(g);
        p.setPen(QPen(c.darker(150), width * 0.04));
        p.drawPath(lock(length, width));
        p.restore();
    }
}

void sky(QPainter& p, const QSizeF& s) {
    QLinearGradient g(0, 0, 0, s.height());
    g.setColorAt(0, QColor(0xf6d58a));
    g.setColorAt(0.45, QColor(0xf3a95a));
    g.setColorAt(0.72, QColor(0xe27a45));
    p.fillRect(QRectF(QPointF(0, 0), s), g);
    const QPointF sun(s.width() / 2, s.height() * 0.46);
    const qreal r = s.height() * 0.42;
    QRadialGradient glow(sun, r * 1.6);
    glow.setColorAt(0, QColor(255, 240, 180, 200));
    glow.setColorAt(0.6, QColor(255, 220, 150, 60));
    glow.setColorAt(1, QColor(255, 210, 140, 0));
    p.fillRect(QRectF(QPointF(0, 0), s), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xffe39a));
    p.drawEllipse(sun, r, r);
}

void acacia(QPainter& p, qreal x, qreal ground, qreal h) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5e3a22));
    QPainterPath trunk;
    trunk.moveTo(x - h * 0.03, ground);
    trunk.cubicTo(x - h * 0.02, ground - h * 0.4, x + h * 0.1, ground - h * 0.6, x + h * 0.12,
                  ground - h * 0.8);
    trunk.lineTo(x + h * 0.16, ground - h * 0.8);
    trunk.cubicTo(x + h * 0.1, ground - h * 0.55, x + h * 0.03, ground - h * 0.4, x + h * 0.03,
                  ground);
    p.drawPath(trunk);
    p.drawEllipse(QPointF(x + h * 0.14, ground - h * 0.86), h * 0.55, h * 0.13);
}

void savanna(QPainter& p, const QSizeF& s) {
    const qreal w = s.width(), h = s.height(), horizon = h * 0.74;
    acacia(p, w * 0.12, horizon + h * 0.01, h * 0.3);
    acacia(p, w * 0.84, horizon + h * 0.02, h * 0.22);
    QPainterPath hills;
    hills.moveTo(0, horizon);
    hills.cubicTo(w * 0.25, horizon - h * 0.05, w * 0.45, horizon + h * 0.03, w * 0.7,
                  horizon - h * 0.02);
    hills.cubicTo(w * 0.85, horizon - h * 0.05, w * 0.95, horizon, w, horizon - h * 0.01);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    hills.closeSubpath();
    QLinearGradient g(0, horizon, 0, h);
    g.setColorAt(0, QColor(0xc7873d));
    g.setColorAt(1, QColor(0x8f5a26));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(hills);
    p.setPen(QPen(QColor(0x7a4b1e), h * 0.004, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 60; ++i) { // tufts of grass
        const qreal x = w * ((i * 37) % 100) / 100.0 + (i % 7) * 3;
        const qreal y = horizon + h * 0.04 + h * 0.2 * ((i * 53) % 100) / 100.0;
        p.drawLine(QPointF(x, y), QPointF(x - h * 0.006, y - h * 0.018));
        p.drawLine(QPointF(x, y), QPointF(x + h * 0.007, y - h * 0.02));
    }
}

// The face, drawn around (0, 0) with the face's half-height `f`.
void face(QPainter& p, qreal f) {
    const QColor fur(0xeeae55), dark(0x4a2812), cream(0xfbe7bd);
    for (int side : {-1, 1}) { // ears
        const QPointF e(side * f * 0.62, -f * 0.78);
        p.setPen(QPen(fur.darker(160), f * 0.02));
        p.setBrush(fur);
        p.drawEllipse(e, f * 0.27, f * 0.25);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xb8643a));
        p.drawEllipse(e + QPointF(0, f * 0.03), f * 0.15, f * 0.13);
    }
    QPainterPath head; // broad cheeks, a narrower chin
    head.moveTo(0, -f);
    head.cubicTo(f * 0.7, -f, f * 0.86, -f * 0.55, f * 0.88, -f * 0.1);
    head.cubicTo(f * 0.92, f * 0.3, f * 0.72, f * 0.55, f * 0.45, f * 0.78);
    head.cubicTo(f * 0.3, f * 0.92, f * 0.15, f * 0.98, 0, f * 0.98);
    head.cubicTo(-f * 0.15, f * 0.98, -f * 0.3, f * 0.92, -f * 0.45, f * 0.78);
    head.cubicTo(-f * 0.72, f * 0.55, -f * 0.92, f * 0.3, -f * 0.88, -f * 0.1);
    head.cubicTo(-f * 0.86, -f * 0.55, -f * 0.7, -f, 0, -f);
    QRadialGradient skin(QPointF(0, -f * 0.2), f * 1.1);
    skin.setColorAt(0, QColor(0xf8cf80));
    skin.setColorAt(1, fur.darker(112));
    p.setBrush(skin);
    p.setPen(QPen(fur.darker(170), f * 0.025));
    p.drawPath(head);

    QPainterPath bridge; // the lighter band from the brow down to the nose
    bridge.moveTo(-f * 0.13, -f * 0.45);
    bridge.quadTo(0, -f * 0.62, f * 0.13, -f * 0.45);
    bridge.cubicTo(f * 0.1, -f * 0.1, f * 0.26, f * 0.12, f * 0.2, f * 0.3);
    bridge.lineTo(-f * 0.2, f * 0.3);
    bridge.cubicTo(-f * 0.26, f * 0.12, -f * 0.1, -f * 0.1, -f * 0.13, -f * 0.45);
    QLinearGradient light(0, -f * 0.6, 0, f * 0.3);
    light.setColorAt(0, QColor(249, 217, 154, 0));
    light.setColorAt(0.35, QColor(249, 217, 154, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(bridge);
    for (int side : {-1, 1}) { // cheek fluff
        QPainterPath tuft;
        const qreal x = side * f * 0.86;
        tuft.moveTo(x, f * 0.05);
        tuft.lineTo(x + side * f * 0.16, f * 0.2);
        tuft.lineTo(x - side * f * 0.02, f * 0.28);
        tuft.lineTo(x + side * f * 0.12, f * 0.42);
        tuft.lineTo(x - side * f * 0.12, f * 0.5);
        tuft.closeSubpath();
        p.setBrush(fur.darker(105));
        p.setPen(QPen(fur.darker(170), f * 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tuft);
    }

    for (int side : {-1, 1}) { // eyes, tilted up towards the outside
        p.save();
        p.translate(side * f * 0.37, -f * 0.12);
        p.rotate(side * -12);
        QPainterPath eye;
        eye.moveTo(-f * 0.17, 0);
        eye.quadTo(0, -f * 0.14, f * 0.17, 0);
        eye.quadTo(0, f * 0.11, -f * 0.17, 0);
        p.setBrush(QColor(0xd99a2b));
        p.setPen(QPen(dark, f * 0.035, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(eye);
        p.setPen(Qt::NoPen);
        p.setBrush(dark);
        p.drawEllipse(QPointF(0, -f * 0.01), f * 0.05, f * 0.065);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(-f * 0.025, -f * 0.04), f * 0.02, f * 0.02);
        p.restore();
        p.setPen(QPen(fur.darker(150), f * 0.03, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(side * f * 0.37 - f * 0.2, -f * 0.42, f * 0.4, f * 0.3),
                  side < 0 ? 40 * 16 : 40 * 16, 100 * 16); // brows
    }

    for (int side : {-1, 1}) { // muzzle with whisker spots
        const QPointF m(side * f * 0.18, f * 0.52);
        p.setPen(QPen(QColor(0xd8b27a), f * 0.015));
        p.setBrush(cream);
        p.drawEllipse(m, f * 0.24, f * 0.19);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x8a5a34));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(m + QPointF(side * f * (0.04 + i * 0.06), f * (i % 2 ? -0.02 : 0.03)),
                          f * 0.018, f * 0.018);
    }
    p.setBrush(cream);
    p.drawEllipse(QPointF(0, f * 0.76), f * 0.16, f * 0.12); // chin

    QPainterPath nose;
    nose.moveTo(-f * 0.17, f * 0.22);
    nose.quadTo(0, f * 0.16, f * 0.17, f * 0.22);
    nose.quadTo(f * 0.14, f * 0.33, 0, f * 0.42);
    nose.quadTo(-f * 0.14, f * 0.33, -f * 0.17, f * 0.22);
    QLinearGradient ng(0, f * 0.18, 0, f * 0.42);
    ng.setColorAt(0, QColor(0x8c4a3a));
    ng.setColorAt(1, QColor(0x4e2418));
    p.setBrush(ng);
    p.setPen(QPen(dark, f * 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(nose);
    QPainterPath mouth;
    mouth.moveTo(0, f * 0.42);
    mouth.lineTo(0, f * 0.55);
    mouth.moveTo(-f * 0.16, f * 0.6);
    mouth.quadTo(-f * 0.05, f * 0.64, 0, f * 0.55);
    mouth.quadTo(f * 0.05, f * 0.64, f * 0.16, f * 0.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, f * 0.025, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mouth);
}

} // namespace

void lion(QPainter& p, const QSizeF& size) {
    sky(p, size);
    savanna(p, size);
    const qreal h = size.height();
    const qreal f = h * 0.2; // half the height of the face
    p.save();
    p.translate(size.width() / 2, h * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7a3413));
    p.drawEllipse(QPointF(0, 0), f * 1.45, f * 1.5);
    maneRing(p, f * 0.95, f * 0.95, f * 0.55, 22, 0, QColor(0x8c3a12), QColor(0xa64c18));
    maneRing(p, f * 0.75, f * 0.8, f * 0.5, 18, 10, QColor(0xc4621d), QColor(0xd9782a));
    maneRing(p, f * 0.6, f * 0.55, f * 0.38, 14, 5, QColor(0xe08b33), QColor(0xeaa040));
    face(p, f);
    p.restore();
}

} // namespace DrawnIcons
