#include "framework/report/PreviewPages.h"

#include "framework/report/PageRenderer.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int Gap = 12; // pixels around and between pages
} // namespace

PreviewPages::PreviewPages(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PreviewPages::SetPages(const PageStore* pages) {
    pages_ = pages;
    shown_.clear();
    updateScrollBars();
    viewport()->update();
}

void PreviewPages::Show(int first, int across, int down, int zoom) {
    first_ = std::max(1, first);
    across_ = std::max(1, across);
    down_ = std::max(1, down);
    zoom_ = zoom;
    // Only the pages on screen stay decoded.
    for (auto it = shown_.begin(); it != shown_.end();)
        it = it->first < first_ || it->first > LastShown() ? shown_.erase(it) : std::next(it);
    updateScrollBars();
    viewport()->update();
}

int PreviewPages::LastShown() const {
    const int count = pages_ ? pages_->Count() : 0;
    return std::min(count, first_ + across_ * down_ - 1);
}

double PreviewPages::Scale() const {
    if (!pages_) return 1;
    const double w = pages_->Paper.width, h = pages_->Paper.height;
    const QSize room = viewport()->size();
    const double roomW = room.width() - Gap * (across_ + 1);
    const double roomH = room.height() - Gap * (down_ + 1);
    double scale;
    if (zoom_ == TilePages)
        scale = std::min(roomW / (across_ * w), roomH / (down_ * h));
    else if (zoom_ == PageWidth)
        scale = roomW / (across_ * w);
    else
        scale = zoom_ / 100.0 * logicalDpiX() / 2540.0;
    return std::max(scale, 0.005);
}

QSize PreviewPages::gridSize() const {
    if (!pages_) return {};
    const double s = Scale();
    return QSize(int(across_ * pages_->Paper.width * s) + Gap * (across_ + 1),
                 int(down_ * pages_->Paper.height * s) + Gap * (down_ + 1));
}

void PreviewPages::updateScrollBars() {
    const QSize grid = gridSize();
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, grid.width() - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setRange(0, std::max(0, grid.height() - room.height()));
    verticalScrollBar()->setPageStep(room.height());
}

QRect PreviewPages::PageRect(int n) const {
    if (!pages_ || n < first_ || n > LastShown()) return {};
    const double s = Scale();
    const int w = int(pages_->Paper.width * s), h = int(pages_->Paper.height * s);
    const QSize grid = gridSize();
    const QSize room = viewport()->size();
    // A grid smaller than the window is centred in it.
    const int left = grid.width() < room.width() ? (room.width() - grid.width()) / 2
                                                 : -horizontalScrollBar()->value();
    const int top = grid.height() < room.height() ? (room.height() - grid.height()) / 2
                                                  : -verticalScrollBar()->value();
    const int index = n - first_;
    const int column = index % across_, row = index / across_;
    return QRect(left + Gap + column * (w + Gap), top + Gap + row * (h + Gap), w, h);
}

const Page& PreviewPages::pageAt(int n) const {
    auto found = shown_.find(n);
    if (found == shown_.end()) found = shown_.emplace(n, pages_->Read(n)).first;
    return found->second;
}

void PreviewPages::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    if (!pages_) return;
    const double s = Scale();
    for (int n = first_; n <= LastShown(); ++n) {
        const QRect r = PageRect(n);
        if (!r.intersects(event->rect())) continue;
        painter.fillRect(r.translated(3, 3), QColor(0, 0, 0, 90));
        painter.fillRect(r, Qt::white);
        painter.setClipRect(r);
        PageRenderer::Draw(painter, pageAt(n), pages_->Fonts, r.topLeft(), s);
        painter.setClipping(false);
        painter.setPen(Qt::darkGray);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void PreviewPages::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void PreviewPages::scrollContentsBy(int, int) {
    viewport()->update();
}

void PreviewPages::keyPressEvent(QKeyEvent* event) {
    if (OnPageStep && (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp)) {
        QScrollBar* bar = verticalScrollBar();
        const bool down = event->key() == Qt::Key_PageDown;
        // Within a page that scrolls, Page Up/Down scroll first.
        if (bar->maximum() > 0 && (down ? bar->value() < bar->maximum() : bar->value() > 0)) {
            QAbstractScrollArea::keyPressEvent(event);
            return;
        }
        OnPageStep(down ? 1 : -1);
        if (bar->maximum() > 0) bar->setValue(down ? 0 : bar->maximum());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void PreviewPages::wheelEvent(QWheelEvent* event) {
    if (OnPageStep && verticalScrollBar()->maximum() == 0) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0) OnPageStep(-steps);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void PreviewPages::contextMenuEvent(QContextMenuEvent* event) {
    if (OnMenu) OnMenu();
    event->accept();
}
