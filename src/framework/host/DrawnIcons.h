#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// Drawing of the program's icons. Every function paints into a 64 x 64 box; the caller
// scales the painter to the size wanted.
namespace DrawnIcons {

// Fills `path` with a soft top-to-bottom gradient of `colour` and outlines it in a darker
// shade.
void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& colour, qreal pen = 1.6);
// A round badge, as the corner marks of other icons carry.
void cancelBadge(QPainter& p, const QRectF& box);
void plusBadge(QPainter& p, const QRectF& box);
void disc(QPainter& p, const QRectF& box);

void cd(QPainter& p);
void cancel(QPainter& p);
void cancelCd(QPainter& p);
void floppy(QPainter& p);
void diskFile(QPainter& p);
void database(QPainter& p);
void folder(QPainter& p);
void download(QPainter& p);
void seek(QPainter& p);
void tools(QPainter& p);
void send(QPainter& p);
void connect(QPainter& p);
void properties(QPainter& p);
void addressBook(QPainter& p);
void printer(QPainter& p);
void trafficLightGreen(QPainter& p);
void trafficLightAmber(QPainter& p);
void trafficLightRed(QPainter& p);

void lion(QPainter& p, const QSizeF& size);

} // namespace DrawnIcons
