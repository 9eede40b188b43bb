#include "framework/textview/TextLines.h"

#include "framework/window/Keys.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace {
constexpr int Margin = 3;
constexpr int WheelRows = 3;
} // namespace

TextLines::TextLines(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, ThumbRange);
    bar->setPageStep(ThumbRange / 50);
    connect(bar, &QScrollBar::actionTriggered, this,
            [this](int action) { takeScrollAction(action); });
    connect(bar, &QScrollBar::sliderReleased, this,
            [this] { post(EventKind::ScrollDrag, verticalScrollBar()->sliderPosition()); });
    viewport()->setBackgroundRole(QPalette::Base);
}

void TextLines::setPost(std::function<void(const WindowEvent&)> post, int control) {
    post_ = std::move(post);
    control_ = control;
}

void TextLines::post(EventKind kind, int keyCode) {
    if (post_) post_(controlEvent(kind, control_, keyCode));
}

int TextLines::rowHeight() const {
    return fontMetrics().lineSpacing();
}

int TextLines::visibleRows() const {
    return std::max(1, viewport()->height() / std::max(1, rowHeight()));
}

void TextLines::setRows(const QStringList& rows) {
    rows_ = rows;
    if (current_ >= rows_.size()) current_ = int(rows_.size()) - 1;
    updateWidth();
    viewport()->update();
}

void TextLines::setCurrentRow(int row) {
    current_ = rows_.isEmpty() ? -1 : std::clamp(row, 0, int(rows_.size()) - 1);
    viewport()->update();
}

void TextLines::setThumb(int position) {
    QScrollBar* bar = verticalScrollBar();
    if (bar->isSliderDown()) return;
    bar->setValue(std::clamp(position, 0, ThumbRange));
}

int TextLines::thumb() const {
    return verticalScrollBar()->value();
}

// The scroll bar's own steps are the viewer's to carry out; the thumb goes where the
// viewer puts it.
void TextLines::takeScrollAction(int action) {
    QScrollBar* bar = verticalScrollBar();
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        post(EventKind::ScrollDown);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        post(EventKind::ScrollUp);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        post(EventKind::PageDown);
        break;
    case QAbstractSlider::SliderPageStepSub:
        post(EventKind::PageUp);
        break;
    case QAbstractSlider::SliderToMinimum:
        post(EventKind::ScrollTop);
        break;
    case QAbstractSlider::SliderToMaximum:
        post(EventKind::ScrollBottom);
        break;
    case QAbstractSlider::SliderMove:
        if (bar->isSliderDown()) post(EventKind::ScrollDrag, bar->sliderPosition());
        return;
    default:
        return;
    }
    bar->setSliderPosition(bar->value());
}

void TextLines::updateWidth() {
    int widest = 0;
    const QFontMetrics metrics = fontMetrics();
    for (const QString& row : rows_)
        widest = std::max(widest, metrics.horizontalAdvance(row));
    QScrollBar* bar = horizontalScrollBar();
    bar->setRange(0, std::max(0, widest + 2 * Margin - viewport()->width()));
    bar->setPageStep(viewport()->width());
    bar->setSingleStep(metrics.averageCharWidth() * 4);
}

int TextLines::rowAt(int y) const {
    const int row = y / std::max(1, rowHeight());
    return row < rows_.size() ? row : -1;
}

void TextLines::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int height = rowHeight();
    const int left = Margin - horizontalScrollBar()->value();
    const QPalette& colours = palette();
    for (int row = 0; row < rows_.size() && row * height < viewport()->height(); ++row) {
        const QRect line(0, row * height, viewport()->width(), height);
        if (row == current_) {
            const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
            painter.fillRect(line, colours.brush(group, QPalette::Highlight));
            painter.setPen(colours.color(group, QPalette::HighlightedText));
        } else {
            painter.setPen(colours.color(QPalette::Text));
        }
        painter.drawText(line.adjusted(left, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, rows_[row]);
    }
}

void TextLines::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateWidth();
    post(EventKind::Sized);
}

void TextLines::scrollContentsBy(int, int) {
    viewport()->update();
}

void TextLines::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    QScrollBar* across = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_Up:
        post(EventKind::ScrollUp);
        break;
    case Qt::Key_Down:
        post(EventKind::ScrollDown);
        break;
    case Qt::Key_PageUp:
        post(ctrl ? EventKind::ScrollTop : EventKind::PageUp);
        break;
    case Qt::Key_PageDown:
        post(ctrl ? EventKind::ScrollBottom : EventKind::PageDown);
        break;
    case Qt::Key_Home:
        post(EventKind::ScrollTop);
        break;
    case Qt::Key_End:
        post(EventKind::ScrollBottom);
        break;
    case Qt::Key_Left:
        across->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        across->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TextLines::mousePressEvent(QMouseEvent* event) {
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0 && row != current_) {
        setCurrentRow(row);
        post(EventKind::NewSelection);
    }
    if (event->button() == Qt::RightButton) post(EventKind::AlertKey, Keys::MouseRight);
    event->accept();
}

void TextLines::mouseDoubleClickEvent(QMouseEvent* event) {
    if (rowAt(event->position().toPoint().y()) >= 0 && event->button() == Qt::LeftButton)
        post(EventKind::Accepted);
    event->accept();
}

void TextLines::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (event->angleDelta().x() != 0 && steps == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    for (int i = 0; i < std::abs(steps) * WheelRows; ++i)
        post(steps > 0 ? EventKind::ScrollUp : EventKind::ScrollDown, WheelStep);
    event->accept();
}
