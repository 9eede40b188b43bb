#include "framework/IniManager.h"
#include "support/DataDirTest.h"

namespace {

// A window as the settings store sees it, with a log of what was done to it.
struct FakeWindow : SettingsWindow {
    bool minimized = false, maximized = false, resizable = true;
    int left = 10, top = 20, w = 300, h = 200;
    QStringList done;

    bool isMinimized() const override { return minimized; }
    bool isMaximized() const override { return maximized; }
    bool isResizable() const override { return resizable; }
    int x() const override { return left; }
    int y() const override { return top; }
    int width() const override { return w; }
    int height() const override { return h; }
    void move(int nx, int ny) override {
        left = nx, top = ny;
        done << QString("move %1,%2").arg(nx).arg(ny);
    }
    void resize(int nw, int nh) override {
        w = nw, h = nh;
        done << QString("resize %1x%2").arg(nw).arg(nh);
    }
    void maximize() override {
        maximized = true;
        done << "maximize";
    }
    void restore() override {
        maximized = false;
        done << "restore";
    }
};

using IniWindowTest = DataDirTest;

TEST_F(IniWindowTest, ANormalWindowStoresPlaceAndSizeInOrder) {
    FakeWindow window;
    ini.UpdateWindow("BrowsTabel", window);
    EXPECT_EQ(readFile("software.INI"),
              "[BrowsTabel]\nMaximize=No\nXPos=10\nYPos=20\nHeight=200\nWidth=300\n");

    FakeWindow reopened;
    reopened.left = reopened.top = reopened.w = reopened.h = 0;
    ini.FetchWindow("BrowsTabel", reopened);
    EXPECT_EQ(reopened.done, (QStringList{"move 10,20", "resize 300x200"}));
}

TEST_F(IniWindowTest, FirstRunAndMinimizedWindowsChangeNothing) {
    FakeWindow window;
    ini.FetchWindow("Main", window);
    EXPECT_TRUE(window.done.isEmpty());

    window.minimized = true;
    ini.UpdateWindow("Main", window);
    EXPECT_FALSE(QFile::exists(dataPath("software.INI")));

    ini.Update("Main", "Maximize", "Perhaps");
    ini.Update("Main", "XPos", 5);
    ini.FetchWindow("Main", window);
    EXPECT_TRUE(window.done.isEmpty());
}

TEST_F(IniWindowTest, AMaximizedWindowKeepsItsNormalPlace) {
    FakeWindow window;
    ini.UpdateWindow("Main", window); // closed normal at 10,20 300x200
    window.maximized = true;
    window.left = window.top = 0;
    window.w = 1024;
    ini.UpdateWindow("Main", window);
    EXPECT_EQ(ini.Fetch("Main", "Maximize"), "Yes");
    EXPECT_EQ(ini.Fetch("Main", "XPos"), "10");
    EXPECT_EQ(ini.Fetch("Main", "Width"), "300");

    // Reopens maximized, with the normal place behind it.
    FakeWindow reopened;
    ini.FetchWindow("Main", reopened);
    EXPECT_EQ(reopened.done, (QStringList{"move 10,20", "resize 300x200", "maximize"}));

    // A window that opens maximized while the file says "No" is restored first.
    ini.Update("Main", "Maximize", "No");
    FakeWindow big;
    big.maximized = true;
    ini.FetchWindow("Main", big);
    EXPECT_EQ(big.done, (QStringList{"restore", "move 10,20", "resize 300x200"}));
}

TEST_F(IniWindowTest, AFixedSizeWindowNeverStoresOrTakesASize) {
    ini.Update("Dialog", "Width", 999);
    ini.Update("Dialog", "Height", 999);
    FakeWindow dialog;
    dialog.resizable = false;
    ini.UpdateWindow("Dialog", dialog);
    EXPECT_EQ(ini.Fetch("Dialog", "Width"), "999"); // not written

    ini.FetchWindow("Dialog", dialog);
    EXPECT_EQ(dialog.done, QStringList{"move 10,20"});

    // Without a stored position only the maximize state is applied.
    ini.Update("Fresh", "Maximize", "Yes");
    FakeWindow fresh;
    ini.FetchWindow("Fresh", fresh);
    EXPECT_EQ(fresh.done, QStringList{"maximize"});
}

} // namespace
