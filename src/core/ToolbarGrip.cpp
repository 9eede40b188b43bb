#include "core/ToolbarGrip.h"

#include <QDockWidget>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {
constexpr int Thickness = 14;
constexpr int CloseSize = 12;
} // namespace

ToolbarGrip::ToolbarGrip(QDockWidget& dock)
    : QWidget(&dock), dock_(dock), close_(new QToolButton(this)) {
    setObjectName(QStringLiteral("toolbarGrip"));
    close_->setObjectName(QStringLiteral("toolbarClose"));
    close_->setAutoRaise(true);
    close_->setFocusPolicy(Qt::NoFocus);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close_->setIconSize(QSize(CloseSize - 4, CloseSize - 4));
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
        for (int across : {4, 8}) {
            const QPoint dot = alongSide() ? QPoint(across, along) : QPoint(along, across);
            p.fillRect(QRect(dot + QPoint(1, 1), QSize(2, 2)), light);
            p.fillRect(QRect(dot, QSize(2, 2)), dark);
        }
}
