#pragma once

#include "framework/window/WindowController.h"

#include <QPointer>

class QDockWidget;
class QMainWindow;

// The toolbar window: a dockable window of the frame, on a thread number of its own and
// registered once in the thread registry. Its twelve buttons lie in a row when it is docked
// at the top or bottom and in a column at the sides (floating, as they lay docked), going on
// in a second line where one is too short. It follows the side it is docked on in
// GLO:BarPosition and stores it in the user's section when it closes.
class ToolbarWindow : public WindowController {
public:
    explicit ToolbarWindow(QMainWindow& owner);

    // Starts the toolbar of `owner`; when it is open already it is brought forward.
    static void StartFor(QMainWindow& owner);

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeEvent() override;
    int TakeWindowEvent() override;

    QDockWidget* Dock() const;
    // Docks it on a side (GLO:BarPosition's numbers), as after a change of user.
    void DockAt(int side);
    // Buttons enabled by the user's level, the open windows and the procedures that exist.
    void RefreshButtons();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void fitThickness();
    void fitOnScreen();
    int lengthAvailable() const;
    QSize buttonExtent();

    QMainWindow& owner_;
    QPointer<QDockWidget> dock_;
    bool closedByUser_ = false;
    bool row_ = true;        // the buttons run in rows (docked at the top or bottom)
    bool layingOut_ = false; // a resize caused by the layout itself is not laid out again
};
