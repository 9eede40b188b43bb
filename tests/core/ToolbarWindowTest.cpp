#include "core/ToolbarWindow.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/ToolbarButtons.h"
#include "framework/host/Images.h"
#include "framework/window/FrameWindow.h"
#include "support/FrameFixture.h"

#include <QDockWidget>
#include <QScreen>
#include <QToolButton>

namespace {

class ToolbarWindowTest : public FrameFixture {
protected:
    static QToolButton* button(int n) {
        return toolbar()->Window().findChild<QToolButton*>(QStringLiteral("control%1").arg(n));
    }
    static QList<int> enabledButtons() {
        toolbar()->RefreshButtons();
        QList<int> on;
        for (int n = 1; n <= 12; ++n)
            if (button(n)->isEnabled()) on << n;
        return on;
    }
    // Every button lies whole inside what the dock shows.
    static void expectAllVisible(const char* where) {
        QDockWidget* dock = toolbarDock();
        const QRect shown = dock->rect();
        for (int n = 1; n <= 12; ++n) {
            QToolButton* b = button(n);
            const QRect inDock(b->mapTo(dock, QPoint(0, 0)), b->size());
            EXPECT_TRUE(shown.contains(inDock)) << where << " button " << n;
        }
    }
    void standInForAll() {
        for (Procedure p : {Procedure::ArchiveBrowse, Procedure::ScanResults, Procedure::Search,
                            Procedure::SystemOptions, Procedure::NewCd, Procedure::NewDisk,
                            Procedure::IncludeToMedium})
            standIn(p);
    }
};

TEST_F(ToolbarWindowTest, TwelveButtonsInOrderWithTheirTextsAndIcons) {
    runFrame(QStringLiteral("Bert"), [&](TestFrame&) {
        ASSERT_NE(toolbar(), nullptr);
        const QStringList texts = {"Delete record",
                                   "Scan - Import from CD/Disk",
                                   "Delete CD/Disk",
                                   "Browse Wareloft",
                                   "Search",
                                   "User options",
                                   "Email producer",
                                   "Connect to  Website ",
                                   "Properties of record",
                                   "Insert new CD",
                                   "Include to CD/Disk/HD/ZIP",
                                   "Insert New Disk/ZIP or Add to HD"};
        for (int n = 1; n <= 12; ++n) {
            ASSERT_NE(button(n), nullptr) << n;
            EXPECT_EQ(button(n)->text(), texts[n - 1]);
            EXPECT_FALSE(button(n)->icon().isNull()) << n;
        }
        EXPECT_EQ(button(2)->toolTip(), "Scan - Import record(s)");
        EXPECT_EQ(button(12)->toolTip(), "New Disk/HD/ZIP");
        // Docked at the top: one row.
        EXPECT_EQ(button(1)->y(), button(12)->y());
        EXPECT_LT(button(1)->x(), button(2)->x());
    });
}

TEST_F(ToolbarWindowTest, NothingPretendsToWorkBeforeItsProcedureExists) {
    runFrame(
        QStringLiteral("System"),
        // Only the scan, the archive list, the search, the options window, the new CD and the
        // new disk have their procedure yet.
        [&](TestFrame&) {
            EXPECT_EQ(enabledButtons(), QList<int>({2, 4, 5, 6, 10, 12}));
        },
        QStringLiteral("Secret"));
}

TEST_F(ToolbarWindowTest, ButtonsFollowTheLevelTheBrowseAndTheArchive) {
    standInForAll();
    runFrame(QStringLiteral("Anna"), [&](TestFrame&) {
        EXPECT_EQ(enabledButtons(), QList<int>({4, 5}));
    });
    runFrame(
        QStringLiteral("System"),
        [&](TestFrame&) {
            EXPECT_EQ(enabledButtons(), QList<int>({2, 4, 5, 6, 10, 12}));
            GLO.Threads.set(Instance::ArchiveBrowse, 77);
            GLO.ArchiveCount = 0;
            EXPECT_EQ(enabledButtons(), QList<int>({2, 5, 6, 7, 8, 9, 10, 12}));
            GLO.ArchiveCount = 3;
            EXPECT_EQ(enabledButtons(), QList<int>({1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12}));
            GLO.Threads.set(Instance::ArchiveBrowse, 0);
        },
        QStringLiteral("Secret"));
}

TEST_F(ToolbarWindowTest, ButtonsHandCommandsToTheBrowseOrStartProcedures) {
    standInForAll();
    runFrame(
        QStringLiteral("System"),
        [&](TestFrame&) {
            GLO.Threads.set(Instance::ArchiveBrowse, 77);
            toolbar()->RefreshButtons();
            button(9)->click();
            settleEvents();
            EXPECT_EQ(GLO.BrowseAction, BrowseActionProperties);
            button(7)->click();
            settleEvents();
            EXPECT_EQ(GLO.BrowseAction, BrowseActionMail);
            GLO.Threads.set(Instance::ArchiveBrowse, 0);

            host.setCurrentDirectory(dataPath(".."));
            toolbar()->RefreshButtons();
            button(6)->click(); // the options start in the program's directory
            button(10)->click();
            settleEvents();
            EXPECT_EQ(QFileInfo(host.currentDirectory()).canonicalFilePath(), GLO.ProgramDir);
        },
        QStringLiteral("Secret"));
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0], std::make_pair(Procedure::SystemOptions, Way::OwnThread));
    EXPECT_EQ(started[1], std::make_pair(Procedure::NewCd, Way::CallersThread));
}

TEST_F(ToolbarWindowTest, DockingSideIsFollowedAndStoredWhenItCloses) {
    INIMgr().Update("Bert", "BarPosition", "8");
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        QDockWidget* dock = toolbarDock();
        EXPECT_EQ(frame.Frame()->dockWidgetArea(dock), Qt::BottomDockWidgetArea);
        frame.Frame()->addDockWidget(Qt::LeftDockWidgetArea, dock);
        settleEvents();
        EXPECT_EQ(GLO.BarPosition, FrameRules::BarLeft);
        EXPECT_EQ(button(1)->x(), button(12)->x()); // a column now
        EXPECT_LT(button(1)->y(), button(2)->y());
        dock->close(); // its own close box
        settleEvents();
        EXPECT_EQ(toolbar(), nullptr);
        EXPECT_EQ(userEntry("Bert", "BarPosition"), "1");
        EXPECT_EQ(GLO.ToolbarShown, 0);
    });
    EXPECT_EQ(userEntry("Bert", "Bar"), "0");
}

TEST_F(ToolbarWindowTest, ItTakesTheSizeOfItsButtonsOnEverySideAndNeverCutsOneOff) {
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        FrameWindow& window = *frame.Frame();
        QDockWidget* dock = toolbarDock();
        window.addDockWidget(Qt::LeftDockWidgetArea, dock);
        settleEvents();
        window.addDockWidget(Qt::BottomDockWidgetArea, dock);
        settleEvents();
        EXPECT_LT(dock->height(), 2 * button(1)->height() + 30)
            << "one row high, not as high as the column was";
        expectAllVisible("bottom");

        // At the frame's smallest size the buttons go on in a second line.
        window.showNormal();
        window.resize(window.minimumSize());
        settleEvents();
        expectAllVisible("bottom, small frame");
        window.addDockWidget(Qt::RightDockWidgetArea, dock);
        settleEvents();
        expectAllVisible("right, small frame");
        EXPECT_LE(window.width(), window.minimumWidth() + 1) << "the toolbar keeps it small";

        // Floating, it is as large as its buttons and on the screen.
        dock->setFloating(true);
        settleEvents();
        const QRect screen = dock->screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(dock->frameGeometry()));
        expectAllVisible("floating");
        EXPECT_GT(dock->height(), dock->width()) << "a column, as it was docked";
        EXPECT_EQ(button(1)->x(), button(12)->x());
    });
}

TEST_F(ToolbarWindowTest, ItsCloseBoxCanBeHit) {
    runFrame(QStringLiteral("Bert"), [&](TestFrame&) {
        auto* close = toolbarDock()->findChild<QToolButton*>(QStringLiteral("toolbarClose"));
        ASSERT_NE(close, nullptr);
        EXPECT_GE(close->width(), 16);
        EXPECT_GE(close->height(), 16);
        close->click();
        settleEvents();
        EXPECT_EQ(toolbar(), nullptr);
    });
}

} // namespace
