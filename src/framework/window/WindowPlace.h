#pragma once

#include "framework/IniManager.h"

class QWidget;

// A Qt window as the settings store sees it, for storing and restoring its place.
// Restored values are kept sane: a size is held between the window's smallest size and
// the screen, and KeepOnScreen puts back a window that a settings file placed off every
// screen.
class WindowPlace : public SettingsWindow {
public:
    WindowPlace(QWidget& window, bool resizable) : w_(window), resizable_(resizable) {}

    bool isMinimized() const override;
    bool isMaximized() const override;
    bool isResizable() const override { return resizable_; }
    int x() const override;
    int y() const override;
    int width() const override;
    int height() const override;
    void move(int x, int y) override;
    void resize(int width, int height) override;
    void maximize() override;
    void restore() override;

    // Moves the window onto the screen it overlaps most, or the primary screen when it
    // overlaps none; shrinks it to that screen when larger. A sub-window is kept inside
    // its parent in the same way.
    static void KeepOnScreen(QWidget& window);

private:
    QWidget& w_;
    bool resizable_;
};
