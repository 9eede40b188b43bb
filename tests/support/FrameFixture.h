#pragma once

#include "core/MainFrame.h"
#include "core/Procedures.h"
#include "support/CatalogueTest.h"

#include <QStringList>
#include <functional>
#include <vector>

class QDockWidget;
class ToolbarWindow;

// A main frame that tells the test when it has opened.
class TestFrame : public MainFrame {
public:
    std::function<void()> onOpen;
    int TakeWindowEvent() override;
};

// A catalogue with three users ("System" level 3 with password "Secret", "Anna" level 1
// and "Bert" level 2 with password "pw") whose drives are configured, and frames run on it
// with the real logon window.
class FrameFixture : public CatalogueTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a frame to its end: the logon is answered with `user` and `password`, then
    // `whileOpen` runs once the frame and its toolbar have opened, then the frame is closed.
    // The frame itself is given to `beforeRun` first.
    void runFrame(const QString& user, const std::function<void(TestFrame&)>& whileOpen = {},
                  const QString& password = QStringLiteral("pw"),
                  const std::function<void(TestFrame&)>& beforeRun = {});
    // Lets a test stand in for a procedure; the stand-in writes down the way it was started.
    void standIn(Procedure procedure);

    // Chooses a menu item by its path ("Menu/HouseHold/View/Toolbar") and lets it run.
    static void choose(MainFrame& frame, const QString& path);
    // The menu bar as lines "depth text" in order ("0 &Application", "1 &Logon", ...).
    static QStringList menuLines(MainFrame& frame);
    static ToolbarWindow* toolbar();
    static QDockWidget* toolbarDock();

    QString userEntry(const QString& user, const char* entry);

    std::vector<std::pair<Procedure, Way>> started; // by the stand-ins
    std::vector<Procedure> standIns_;
};
