#pragma once

#include "framework/window/Controls.h"

#include <QWidget>
#include <functional>
#include <memory>

class QToolBar;
class QGridLayout;

// The Qt window of a controller, built in code: an optional toolbar strip above a grid of
// controls. The close box, size changes and activation become the controller's events;
// the window closes only when its controller lets it.
class FormWindow : public QWidget {
public:
    explicit FormWindow(std::function<void(const WindowEvent&)> post, QWidget* parent = nullptr);
    ~FormWindow() override;

    Controls& controls() { return *controls_; }
    // Adds the toolbar buttons 2000 to 2012 once.
    void addToolbar();
    bool hasToolbar() const { return toolbar_ != nullptr; }

    // The window may close now (its controller ended it).
    void allowClose() { closeAllowed_ = true; }
    bool resizable() const { return resizable_; }
    void setResizable(bool on);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::function<void(const WindowEvent&)> post_;
    QGridLayout* grid_ = nullptr;
    QWidget* content_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::unique_ptr<Controls> controls_;
    bool closeAllowed_ = false;
    bool resizable_ = true;
};
