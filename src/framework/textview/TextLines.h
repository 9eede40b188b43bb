#pragma once

#include "framework/window/WindowEvent.h"

#include <QAbstractScrollArea>
#include <QStringList>
#include <functional>

// The list a text viewer shows its lines in: only the rows that fit are held, and the
// viewer fills them. Keys, the mouse wheel and the scroll bar do not move the list
// themselves; they become the window's list events (ScrollUp, PageDown, ScrollDrag ...)
// so that the viewer reads as far as it must. The vertical thumb runs from 0 to
// ThumbRange over the file's bytes.
class TextLines : public QAbstractScrollArea {
public:
    static constexpr int ThumbRange = 10000;
    // The key code of a ScrollUp or ScrollDown from the mouse wheel: the rows move under
    // the current line rather than the current line over the rows.
    static constexpr int WheelStep = 1;

    explicit TextLines(QWidget* parent = nullptr);

    // Where the list's events go, and the number of the list control they name.
    void setPost(std::function<void(const WindowEvent&)> post, int control);

    // Rows that fit fully in the list as it is now; at least 1.
    int visibleRows() const;
    void setRows(const QStringList& rows);
    const QStringList& rows() const { return rows_; }
    // 0-based; -1 for none.
    int currentRow() const { return current_; }
    void setCurrentRow(int row);
    // Ignored while the user holds the thumb.
    void setThumb(int position);
    int thumb() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void post(EventKind kind, int keyCode = 0);
    void takeScrollAction(int action);
    int rowAt(int y) const;
    int rowHeight() const;
    void updateWidth();

    std::function<void(const WindowEvent&)> post_;
    int control_ = 0;
    QStringList rows_;
    int current_ = -1;
};
