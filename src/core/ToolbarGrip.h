#pragma once

#include <QWidget>

class QDockWidget;
class QToolButton;

// The handle of the docked toolbar window, in place of a title that would not fit beside
// one row or column of buttons: dragging it moves the toolbar, a double click lets it float,
// the cross closes it. It runs down the side of a row and across the top of a column.
class ToolbarGrip : public QWidget {
public:
    static constexpr int Thickness = 20;

    explicit ToolbarGrip(QDockWidget& dock);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool alongSide() const;

    QDockWidget& dock_;
    QToolButton* close_;
};
