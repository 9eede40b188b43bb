#pragma once

#include "framework/report/PageStore.h"

#include <QAbstractScrollArea>
#include <functional>
#include <map>

// The pages of a preview on screen: a grid of `across` × `down` pages from `first`, drawn
// from the page model whenever they are painted (no page is kept as a picture). The zoom
// is a percentage of the paper's real size, or TilePages (the whole grid fits the window)
// or PageWidth (the grid's width fits the window; it scrolls down).
class PreviewPages : public QAbstractScrollArea {
public:
    static constexpr int TilePages = -2;
    static constexpr int PageWidth = -1;

    explicit PreviewPages(QWidget* parent = nullptr);

    void SetPages(const PageStore* pages);
    void Show(int first, int across, int down, int zoom);
    // The pages on screen now: first and last.
    int FirstShown() const { return first_; }
    int LastShown() const;
    // Pixels per page unit at the current zoom.
    double Scale() const;
    // The place of page `n` in the viewport; empty when it is not on screen.
    QRect PageRect(int n) const;

    // Asked to move by a number of screens of pages (wheel in tile mode, Page Up/Down).
    std::function<void(int screens)> OnPageStep;
    // A right click on the pages.
    std::function<void()> OnMenu;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize gridSize() const; // pixels
    void updateScrollBars();
    const Page& pageAt(int n) const;

    const PageStore* pages_ = nullptr;
    int first_ = 1, across_ = 1, down_ = 1, zoom_ = TilePages;
    mutable std::map<int, Page> shown_; // the decoded pages now on screen
};
