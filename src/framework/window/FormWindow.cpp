#include "framework/window/FormWindow.h"

#include "framework/window/WindowWatch.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLayout>
#include <QToolBar>
#include <QVBoxLayout>

FormWindow::FormWindow(std::function<void(const WindowEvent&)> post, QWidget* parent)
    : QWidget(parent, parent ? Qt::Dialog : Qt::Window), post_(std::move(post)) {
    auto* column = new QVBoxLayout(this);
    content_ = new QWidget(this);
    grid_ = new QGridLayout(content_);
    column->addWidget(content_);
    controls_ = std::make_unique<Controls>(*content_, *grid_, post_);
}

FormWindow::~FormWindow() {
    // The controls go before the widgets they watch.
    controls_.reset();
}

void FormWindow::addToolbar() {
    if (toolbar_) return;
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("toolbar"));
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, toolbar_);
    controls_->addToolbar(*toolbar_);
}

void FormWindow::setResizable(bool on) {
    resizable_ = on;
    layout()->setSizeConstraint(on ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closeAllowed_) {
        event->accept();
        return;
    }
    // The close box is a close request: the controller decides.
    event->ignore();
    post_(windowEvent(EventKind::CloseWindow));
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isVisible()) post_(windowEvent(EventKind::Sized));
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isVisible()) post_(windowEvent(EventKind::Moved));
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (const auto e = windowStateEvent(*this, *event)) post_(*e);
}
