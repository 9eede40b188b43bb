// Icons of actions: delete, search, options, mail, website, properties, address book, print.
#include "framework/host/DrawnIcons.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace DrawnIcons {

namespace {

void roundBadge(QPainter& p, const QRectF& box, const QColor& colour) {
    QRadialGradient g(box.center() - QPointF(box.width() * 0.15, box.height() * 0.2),
                      box.width() * 0.7);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour);
    p.setBrush(g);
    p.setPen(QPen(colour.darker(170), box.width() / 22));
    p.drawEllipse(box);
}

} // namespace

void cancelBadge(QPainter& p, const QRectF& box) {
    roundBadge(p, box, QColor(0xd23a2f));
    const qreal m = box.width() * 0.3;
    p.setPen(QPen(Qt::white, box.width() * 0.14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(box.topLeft() + QPointF(m, m), box.bottomRight() - QPointF(m, m));
    p.drawLine(box.topRight() + QPointF(-m, m), box.bottomLeft() + QPointF(m, -m));
}

void plusBadge(QPainter& p, const QRectF& box) {
    roundBadge(p, box, QColor(0x3a9a45));
    const qreal m = box.width() * 0.26;
    const QPointF c = box.center();
    p.setPen(QPen(Qt::white, box.width() * 0.15, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(box.left() + m, c.y()), QPointF(box.right() - m, c.y()));
    p.drawLine(QPointF(c.x(), box.top() + m), QPointF(c.x(), box.bottom() - m));
}

void cancel(QPainter& p) {
    cancelBadge(p, QRectF(5, 5, 54, 54));
}

void seek(QPainter& p) {
    p.setPen(QPen(QColor(0x3a2414), 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 40), QPointF(56, 56));
    p.setPen(QPen(QColor(0x8a5630), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 40), QPointF(56, 56));
    QRadialGradient glass(QPointF(21, 20), 22);
    glass.setColorAt(0, QColor(235, 248, 255, 230));
    glass.setColorAt(1, QColor(120, 180, 225, 200));
    p.setBrush(glass);
    p.setPen(QPen(QColor(0x44505e), 6));
    p.drawEllipse(QPointF(26, 26), 18, 18);
    p.setPen(QPen(QColor(255, 255, 255, 220), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 15, 22, 22), 100 * 16, 70 * 16);
}

void tools(QPainter& p) {
    const QColor steel(0xa7b1bd);
    p.save(); // screwdriver, from top left to bottom right
    p.translate(32, 32);
    p.rotate(-45);
    QPainterPath shaft;
    shaft.addRect(QRectF(-2.5, -28, 5, 26));
    fillOutlined(p, shaft, steel, 1.2);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-6.5, -4, 13, 30), 5, 5);
    fillOutlined(p, handle, QColor(0xd0342c));
    p.restore();
    p.save(); // wrench, from bottom left to top right
    p.translate(32, 32);
    p.rotate(45);
    QPainterPath wrench;
    wrench.addRoundedRect(QRectF(-4.5, -12, 9, 38), 4, 4);
    wrench.addEllipse(QPointF(0, -17), 11, 11);
    wrench = wrench.simplified();
    QPainterPath jaw;
    jaw.addRect(QRectF(-4, -30, 8, 15));
    fillOutlined(p, wrench.subtracted(jaw), steel);
    p.restore();
}

void send(QPainter& p) {
    QPainterPath envelope;
    envelope.addRoundedRect(QRectF(4, 22, 44, 32), 2, 2);
    fillOutlined(p, envelope, QColor(0xf5f1e6));
    p.setPen(QPen(QColor(0x9c9480), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath flap;
    flap.moveTo(5, 23);
    flap.lineTo(26, 40);
    flap.lineTo(47, 23);
    p.drawPath(flap);
    QPainterPath arrow;
    arrow.moveTo(30, 9);
    arrow.lineTo(46, 9);
    arrow.lineTo(46, 2);
    arrow.lineTo(61, 15);
    arrow.lineTo(46, 28);
    arrow.lineTo(46, 21);
    arrow.lineTo(30, 21);
    arrow.closeSubpath();
    fillOutlined(p, arrow, QColor(0x3fa34d));
}

void connect(QPainter& p) {
    const QPointF c(32, 32);
    QRadialGradient sea(QPointF(24, 22), 36);
    sea.setColorAt(0, QColor(0x8fd0ff));
    sea.setColorAt(1, QColor(0x1f64b3));
    p.setBrush(sea);
    p.setPen(QPen(QColor(0x133f73), 1.6));
    p.drawEllipse(c, 27, 27);
    QPainterPath globe;
    globe.addEllipse(c, 26, 26);
    p.save();
    p.setClipPath(globe);
    QPainterPath land; // two stylised continents
    land.moveTo(14, 14);
    land.cubicTo(24, 8, 34, 14, 30, 22);
    land.cubicTo(27, 28, 34, 32, 28, 40);
    land.cubicTo(22, 46, 18, 36, 12, 34);
    land.cubicTo(6, 30, 8, 18, 14, 14);
    land.moveTo(40, 30);
    land.cubicTo(48, 28, 58, 34, 54, 44);
    land.cubicTo(50, 54, 42, 56, 40, 48);
    land.cubicTo(38, 42, 34, 34, 40, 30);
    p.setBrush(QColor(0x5cb85c));
    p.setPen(QPen(QColor(0x2f7d32), 1));
    p.drawPath(land);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.3));
    p.drawEllipse(c, 11, 27);
    p.drawLine(QPointF(32, 4), QPointF(32, 60));
    for (qreal y : {18.0, 32.0, 46.0})
        p.drawLine(QPointF(4, y), QPointF(60, y));
    p.restore();
}

void properties(QPainter& p) {
    QPainterPath sheet;
    sheet.addRoundedRect(QRectF(9, 4, 46, 56), 3, 3);
    fillOutlined(p, sheet, QColor(0xf4f6f9));
    const QColor label(0x4a6fa5);
    for (int row = 0; row < 4; ++row) {
        const qreal y = 12 + row * 12;
        p.setPen(Qt::NoPen);
        p.setBrush(label);
        p.drawRoundedRect(QRectF(14, y + 1, 10, 5), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(0x8e9aab), 1.2));
        p.drawRect(QRectF(27, y - 1, 23, 9));
    }
    QPainterPath tick;
    tick.moveTo(30, 50);
    tick.lineTo(34, 54);
    tick.lineTo(45, 42);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x3a9a45), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

void addressBook(QPainter& p) {
    QPainterPath cover;
    cover.addRoundedRect(QRectF(12, 4, 44, 56), 3, 3);
    fillOutlined(p, cover, QColor(0x2f6fa8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe9eef4));
    p.drawEllipse(QPointF(35, 24), 7, 7);
    QPainterPath shoulders;
    shoulders.moveTo(22, 46);
    shoulders.cubicTo(22, 33, 48, 33, 48, 46);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setPen(QPen(QColor(0x55606c), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int y : {12, 22, 32, 42, 52})
        p.drawLine(QPointF(8, y), QPointF(16, y));
}

void printer(QPainter& p) {
    QPainterPath paper;
    paper.addRect(QRectF(17, 5, 30, 22));
    fillOutlined(p, paper, QColor(0xfbfbf8), 1.3);
    QPainterPath body;
    body.addRoundedRect(QRectF(5, 22, 54, 24), 4, 4);
    fillOutlined(p, body, QColor(0x8d97a5));
    QPainterPath sheet;
    sheet.addRect(QRectF(15, 40, 34, 20));
    fillOutlined(p, sheet, QColor(0xfbfbf8), 1.3);
    p.setPen(QPen(QColor(0x8fa3bf), 1.6));
    for (int y : {46, 51, 56})
        p.drawLine(QPointF(19, y), QPointF(45, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x46c35a));
    p.drawEllipse(QPointF(51, 29), 2.5, 2.5);
}

} // namespace DrawnIcons
