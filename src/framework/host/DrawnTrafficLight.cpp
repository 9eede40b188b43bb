// The logon's traffic light: green at first, amber after one failed attempt, red after two.
#include "framework/host/DrawnIcons.h"

#include <QRadialGradient>

namespace DrawnIcons {

namespace {

enum Lamp { Red, Amber, Green };

void trafficLight(QPainter& p, Lamp lit) {
    QPainterPath housing;
    housing.addRoundedRect(QRectF(18, 2, 28, 60), 7, 7);
    fillOutlined(p, housing, QColor(0x3a3f46));
    const QColor colours[] = {QColor(0xe5322b), QColor(0xf5a623), QColor(0x2fbf4a)};
    for (int lamp = Red; lamp <= Green; ++lamp) {
        const QPointF c(32, 13 + lamp * 19);
        // the visor above each lamp
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x23272c));
        p.drawChord(QRectF(c.x() - 10, c.y() - 10, 20, 20), 20 * 16, 140 * 16);
        const QColor on = colours[lamp];
        QRadialGradient g(c - QPointF(2.5, 2.5), 9);
        if (lamp == lit) {
            g.setColorAt(0, on.lighter(170));
            g.setColorAt(0.6, on);
            g.setColorAt(1, on.darker(130));
        } else {
            g.setColorAt(0, on.darker(280));
            g.setColorAt(1, on.darker(420));
        }
        p.setBrush(g);
        p.setPen(QPen(QColor(0x1b1e22), 1.2));
        p.drawEllipse(c, 7.5, 7.5);
    }
}

} // namespace

void trafficLightGreen(QPainter& p) {
    trafficLight(p, Green);
}
void trafficLightAmber(QPainter& p) {
    trafficLight(p, Amber);
}
void trafficLightRed(QPainter& p) {
    trafficLight(p, Red);
}

} // namespace DrawnIcons
