#pragma once

#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <functional>

// The client area of a frame: the windows started from the frame are its sub-windows, drawn
// over a background picture that fills the area without being distorted.
class BackgroundArea : public QMdiArea {
public:
    explicit BackgroundArea(QWidget* parent = nullptr);

    // A null image shows the plain background colour.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Called with the global position of a right click on the background (not on a
    // sub-window).
    std::function<void(const QPoint&)> onBackgroundMenu;

    // Lines the iconized sub-windows up along the bottom edge.
    void arrangeIcons();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QImage picture_;
    QPixmap scaled_; // the picture at the size of the area, made when the size changes
};

// A multiple-document frame window: menu bar, status bar, docks around a BackgroundArea.
// Windows of other controllers shown inside it are handed back to their controllers when
// the frame is destroyed, so each controller still ends its own window.
class FrameWindow : public QMainWindow {
public:
    FrameWindow();
    ~FrameWindow() override;

    BackgroundArea& area() { return *area_; }

private:
    BackgroundArea* area_;
};
