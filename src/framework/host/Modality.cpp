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
    // Without an owner there is no window to block but the help window (a window of the very
    // first start, before the frame); a dialog's own run makes it modal to the program then.
    dialog.setWindowModality(dialog.parentWidget() ? Qt::WindowModal : Qt::NonModal);
}

} // namespace Modality
