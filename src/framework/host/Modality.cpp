#include "framework/host/Modality.h"

#include "framework/host/HelpViewer.h"

#include <QApplication>
#include <QMainWindow>

namespace Modality {

QWidget* owner() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    QWidget* active = QApplication::activeWindow();
    if (active && active != HelpViewer::current()) return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QMainWindow*>(w)) return w;
    return nullptr;
}

void toOwner(QWidget& dialog) {
    // Without an owner a window-modal dialog would block everything, as before.
    dialog.setWindowModality(dialog.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
}

} // namespace Modality
