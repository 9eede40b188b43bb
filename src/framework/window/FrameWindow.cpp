#include "framework/window/FrameWindow.h"

#include "framework/window/FormWindow.h"

#include <QContextMenuEvent>
#include <QMdiSubWindow>
#include <QPainter>

BackgroundArea::BackgroundArea(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("clientArea"));
    setBackground(QColor(0x3a, 0x5f, 0x7d));
}

void BackgroundArea::setPicture(const QImage& picture) {
    picture_ = picture;
    scaled_ = QPixmap();
    viewport()->update();
}

void BackgroundArea::paintEvent(QPaintEvent* event) {
    QWidget& port = *viewport();
    if (picture_.isNull()) {
        QMdiArea::paintEvent(event);
        return;
    }
    if (scaled_.size() != port.size()) {
        // Fill the whole area, keeping the picture's proportions; the overhang is cut
        // equally on both sides.
        const QImage cover =
            picture_.scaled(port.size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QRect middle(
            QPoint((cover.width() - port.width()) / 2, (cover.height() - port.height()) / 2),
            port.size());
        scaled_ = QPixmap::fromImage(cover.copy(middle));
    }
    QPainter(&port).drawPixmap(0, 0, scaled_);
}

bool BackgroundArea::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ContextMenu && onBackgroundMenu) {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        for (QMdiSubWindow* w : subWindowList())
            if (w->isVisible() && w->geometry().contains(menu->pos()))
                return QMdiArea::viewportEvent(event);
        onBackgroundMenu(menu->globalPos());
        return true;
    }
    return QMdiArea::viewportEvent(event);
}

void BackgroundArea::arrangeIcons() {
    int x = 0;
    const int bottom = viewport()->height();
    for (QMdiSubWindow* w : subWindowList()) {
        if (!w->isMinimized()) continue;
        if (x > 0 && x + w->width() > viewport()->width()) x = 0;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

FrameWindow::FrameWindow() : area_(new BackgroundArea(this)) {
    setCentralWidget(area_);
    // Docks are opened and closed by their controllers, not by the frame's own menu.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

FrameWindow::~FrameWindow() {
    for (FormWindow* w : findChildren<FormWindow*>()) {
        w->hide();
        w->setParent(nullptr);
    }
}
