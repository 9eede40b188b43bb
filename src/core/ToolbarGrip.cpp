#include "core/ToolbarGrip.h"

#include <QDockWidget>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int CloseSize = 18;

// A cross large enough to be hit, whatever size the style's own close icon has.
QIcon cross(const QColor& colour) {
    QPixmap pixmap(CloseSize - 4, CloseSize - 4);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    const int e = pixmap.width() - 3;
    p.drawLine(3, 3, e, e);
    p.drawLine(3, e, e, 3);
    return QIcon(pixmap);
}

} // namespace

ToolbarGrip::ToolbarGrip(QDockWidget& dock)
    : QWidget(&dock), dock_(dock), close_(new QToolButton(this)) {
    setObjectName(QStringLiteral("toolbarGrip"));
    close_->setObjectName(QStringLiteral("toolbarClose"));
    close_->setAutoRaise(true);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setIcon(cross(palette().color(QPalette::WindowText)));
    close_->setIconSize(QSize(CloseSize - 4, CloseSize - 4));
    close_->setFixedSize(CloseSize, CloseSize);
    close_->setToolTip(QStringLiteral("Close the toolbar"));
    close_->setGeometry(1, 1, CloseSize, CloseSize);
    connect(close_, &QToolButton::clicked, &dock_, &QDockWidget::close);
    setCursor(Qt::SizeAllCursor);
}

bool ToolbarGrip::alongSide() const {
    return dock_.features() & QDockWidget::DockWidgetVerticalTitleBar;
}

QSize ToolbarGrip::sizeHint() const {
    return QSize(Thickness, Thickness);
}

void ToolbarGrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor dark = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    // Two lines of raised dots after the cross.
    const int from = CloseSize + 5;
    const int to = (alongSide() ? height() : width()) - 3;
    for (int along = from; along < to; along += 4)
        for (int across : {Thickness / 2 - 3, Thickness / 2 + 1}) {
            const QPoint dot = alongSide() ? QPoint(across, along) : QPoint(along, across);
            p.fillRect(QRect(dot + QPoint(1, 1), QSize(2, 2)), light);
            p.fillRect(QRect(dot, QSize(2, 2)), dark);
        }
}
