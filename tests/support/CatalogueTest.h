#pragma once

#include "core/Process.h"
#include "support/DataDirTest.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// A data directory made a catalogue by the installation (user "System", password "Secret",
// level 3), with a Process on it, the files of the main frame open and the windows given
// the process's error manager and settings.
class CatalogueTest : public DataDirTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a user to the users file.
    void addUser(const QString& name, const QString& password, int level);

    std::unique_ptr<Process> process;
};

// Lets queued window events run.
void settleEvents();

// Runs `action` on the top-level window named `name` as soon as it is shown: the way to
// drive a modal window from inside its own loop. The action should close the window; one
// still open some seconds later is a failure and is closed, so that no test hangs.
inline void whenShown(const QString& name, std::function<void(QWidget&)> action, int tries = 500) {
    QTimer::singleShot(0, [=] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible()) {
                settleEvents(); // the window's opening runs first
                action(*w);
                QTimer::singleShot(5000, w, [w, name] {
                    if (!w->isVisible()) return;
                    ADD_FAILURE() << "window " << name.toStdString() << " was left open";
                    w->close();
                });
                return;
            }
        if (tries > 0)
            whenShown(name, action, tries - 1);
        else
            ADD_FAILURE() << "window " << name.toStdString() << " was not shown";
    });
}
