// Icons of media and stores: CD, floppy, the program's own icon, database, folder, import.
#include "framework/host/DrawnIcons.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>

namespace DrawnIcons {

void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& colour, qreal pen) {
    const QRectF r = path.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, colour.lighter(125));
    g.setColorAt(1, colour.darker(108));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(190), pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void disc(QPainter& p, const QRectF& box) {
    const QPointF c = box.center();
    const qreal r = box.width() / 2;
    QPainterPath shape;
    shape.setFillRule(Qt::OddEvenFill);
    shape.addEllipse(c, r, r);
    shape.addEllipse(c, r * 0.16, r * 0.16);
    QConicalGradient sheen(c, 30);
    const QColor tints[] = {QColor(0xe4e9ef), QColor(0xf4d2ec), QColor(0xcfeafc), QColor(0xfbf1c0),
                            QColor(0xe4e9ef)};
    for (int half = 0; half < 2; ++half) {
        for (int i = 0; i < 5; ++i)
            sheen.setColorAt(half * 0.5 + i * 0.125, tints[i]);
    }
    p.setBrush(sheen);
    p.setPen(QPen(QColor(0x6f7a88), r / 14));
    p.drawPath(shape);
    // the clear hub around the hole
    QPainterPath hub;
    hub.setFillRule(Qt::OddEvenFill);
    hub.addEllipse(c, r * 0.38, r * 0.38);
    hub.addEllipse(c, r * 0.16, r * 0.16);
    p.setBrush(QColor(255, 255, 255, 150));
    p.setPen(QPen(QColor(0x9aa4b1), r / 22));
    p.drawPath(hub);
    // a glint across the surface
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 140));
    QPainterPath glint;
    glint.moveTo(c);
    glint.arcTo(QRectF(c.x() - r * 0.92, c.y() - r * 0.92, r * 1.84, r * 1.84), 105, 28);
    glint.closeSubpath();
    QPainterPath inner;
    inner.addEllipse(c, r * 0.42, r * 0.42);
    p.drawPath(glint.subtracted(inner));
}

void cd(QPainter& p) {
    disc(p, QRectF(4, 4, 56, 56));
}

void cancelCd(QPainter& p) {
    disc(p, QRectF(2, 2, 50, 50));
    cancelBadge(p, QRectF(34, 34, 28, 28));
}

void floppy(QPainter& p) {
    QPainterPath body;
    body.moveTo(8, 8);
    body.lineTo(50, 8);
    body.lineTo(57, 15);
    body.lineTo(57, 56);
    body.lineTo(8, 56);
    body.closeSubpath();
    fillOutlined(p, body, QColor(0x2b5aa6));
    QPainterPath shutter;
    shutter.addRoundedRect(QRectF(18, 8, 28, 17), 1.5, 1.5);
    fillOutlined(p, shutter, QColor(0xb9c2cc), 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f3a48));
    p.drawRect(QRectF(36, 11, 6, 11));
    QPainterPath label;
    label.addRoundedRect(QRectF(14, 32, 37, 24), 1.5, 1.5);
    fillOutlined(p, label, QColor(0xf7f4ea), 1.0);
    p.setPen(QPen(QColor(0x7d9bd0), 1.6));
    for (int y : {38, 44, 50})
        p.drawLine(QPointF(18, y), QPointF(47, y));
}

void diskFile(QPainter& p) {
    disc(p, QRectF(2, 2, 44, 44));
    QPainterPath page;
    page.moveTo(26, 20);
    page.lineTo(50, 20);
    page.lineTo(59, 29);
    page.lineTo(59, 61);
    page.lineTo(26, 61);
    page.closeSubpath();
    fillOutlined(p, page, QColor(0xfbeeb8));
    QPainterPath fold;
    fold.moveTo(50, 20);
    fold.lineTo(50, 29);
    fold.lineTo(59, 29);
    fold.closeSubpath();
    fillOutlined(p, fold, QColor(0xe2cf8a), 1.2);
    p.setPen(QPen(QColor(0x3b6fb6), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int y : {34, 41, 48, 55})
        p.drawLine(QPointF(31, y), QPointF(y == 55 ? 45 : 54, y));
}

void database(QPainter& p) {
    const QColor blue(0x2f86c9);
    const QRectF top(12, 6, 40, 14);
    QPainterPath body;
    body.moveTo(12, 13);
    body.lineTo(12, 51);
    body.arcTo(QRectF(12, 44, 40, 14), 180, 180);
    body.lineTo(52, 13);
    body.closeSubpath();
    QLinearGradient side(12, 0, 52, 0);
    side.setColorAt(0, blue.darker(115));
    side.setColorAt(0.35, blue.lighter(140));
    side.setColorAt(1, blue.darker(140));
    p.setBrush(side);
    p.setPen(QPen(blue.darker(200), 1.6));
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(blue.darker(170), 1.4));
    for (qreal y : {25.0, 38.0})
        p.drawArc(QRectF(12, y, 40, 14), 180 * 16, 180 * 16);
    QRadialGradient lid(top.center() - QPointF(6, 2), 26);
    lid.setColorAt(0, blue.lighter(190));
    lid.setColorAt(1, blue.lighter(115));
    p.setBrush(lid);
    p.setPen(QPen(blue.darker(200), 1.6));
    p.drawEllipse(top);
}

void folder(QPainter& p) {
    const QColor yellow(0xf2c14e);
    QPainterPath back;
    back.moveTo(5, 14);
    back.lineTo(22, 14);
    back.lineTo(27, 19);
    back.lineTo(55, 19);
    back.lineTo(55, 52);
    back.lineTo(5, 52);
    back.closeSubpath();
    fillOutlined(p, back, yellow.darker(115));
    QPainterPath front;
    front.moveTo(5, 52);
    front.lineTo(11, 27);
    front.lineTo(61, 27);
    front.lineTo(55, 52);
    front.closeSubpath();
    fillOutlined(p, front, yellow);
    plusBadge(p, QRectF(36, 34, 27, 27));
}

void download(QPainter& p) {
    QPainterPath tray;
    tray.moveTo(6, 38);
    tray.lineTo(16, 38);
    tray.lineTo(16, 48);
    tray.lineTo(48, 48);
    tray.lineTo(48, 38);
    tray.lineTo(58, 38);
    tray.lineTo(58, 60);
    tray.lineTo(6, 60);
    tray.closeSubpath();
    fillOutlined(p, tray, QColor(0x8c96a3));
    QPainterPath arrow;
    arrow.moveTo(24, 4);
    arrow.lineTo(40, 4);
    arrow.lineTo(40, 24);
    arrow.lineTo(50, 24);
    arrow.lineTo(32, 44);
    arrow.lineTo(14, 24);
    arrow.lineTo(24, 24);
    arrow.closeSubpath();
    fillOutlined(p, arrow, QColor(0x3fa34d), 1.8);
}

} // namespace DrawnIcons
