#include "RecordingWindow.h"

#include "support/DataDirTest.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace {

class WindowPlaceTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        WindowController::SetServices(&errors, &ini);
    }
    void TearDown() override {
        settle();
        WindowController::SetServices(nullptr, nullptr);
        DataDirTest::TearDown();
    }
    QPointer<RecordingWindow> open(bool resizable = true) {
        auto* w = new RecordingWindow(log, QStringLiteral("BrowsTabel"));
        w->Window().setResizable(resizable);
        w->Start();
        settle();
        return w;
    }
    void end(QPointer<RecordingWindow>& w) {
        w->SetResponse(RequestCancelled);
        settle();
        ASSERT_FALSE(w);
    }
    void store(const QString& maximize, int x, int y, int width, int height) {
        const QString s = QStringLiteral("BrowsTabel");
        ini.Update(s, QStringLiteral("Maximize"), maximize);
        ini.Update(s, QStringLiteral("XPos"), x);
        ini.Update(s, QStringLiteral("YPos"), y);
        ini.Update(s, QStringLiteral("Width"), width);
        ini.Update(s, QStringLiteral("Height"), height);
    }
    QString stored(const char* entry) {
        return ini.Fetch(QStringLiteral("BrowsTabel"), QString::fromLatin1(entry));
    }

    ErrorManager errors;
    QStringList log;
};

TEST_F(WindowPlaceTest, PlaceAndSizeAreStoredAndRestored) {
    QPointer<RecordingWindow> w = open();
    w->Window().resize(420, 300);
    w->Window().move(60, 70);
    end(w);
    EXPECT_EQ(stored("Maximize"), "No");
    EXPECT_EQ(stored("XPos"), "60");
    EXPECT_EQ(stored("YPos"), "70");
    EXPECT_EQ(stored("Width"), "420");
    EXPECT_EQ(stored("Height"), "300");

    store(QStringLiteral("No"), 90, 80, 450, 320);
    w = open();
    EXPECT_EQ(w->Window().pos(), QPoint(90, 80));
    EXPECT_EQ(w->Window().size(), QSize(450, 320));
    end(w);
}

TEST_F(WindowPlaceTest, MaximizedWindowReopensMaximizedAndKeepsItsNormalPlace) {
    store(QStringLiteral("Yes"), 90, 80, 450, 320);
    QPointer<RecordingWindow> w = open();
    EXPECT_TRUE(w->Window().isMaximized());
    end(w);
    EXPECT_EQ(stored("Maximize"), "Yes");
    EXPECT_EQ(stored("XPos"), "90"); // written at an earlier normal end
    EXPECT_EQ(stored("Width"), "450");
}

TEST_F(WindowPlaceTest, FixedSizeWindowNeverStoresOrTakesASize) {
    store(QStringLiteral("No"), 90, 80, 700, 500);
    QPointer<RecordingWindow> w = open(false);
    EXPECT_EQ(w->Window().pos(), QPoint(90, 80));
    EXPECT_NE(w->Window().size(), QSize(700, 500));
    ini.Update(QStringLiteral("BrowsTabel"), QStringLiteral("Width"), QStringLiteral(""));
    ini.Update(QStringLiteral("BrowsTabel"), QStringLiteral("Height"), QStringLiteral(""));
    end(w);
    EXPECT_EQ(stored("XPos"), "90");
    EXPECT_EQ(stored("Width"), "");
    EXPECT_EQ(stored("Height"), "");
}

TEST_F(WindowPlaceTest, GarbageFromTheSettingsFileLeavesTheWindowOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (auto [x, y, width, height] :
         {std::array{-30000, 99999, -5, 1000000}, std::array{screen.right() + 500, -800, 0, 0},
          std::array{20, 20, 50000, 40000}}) {
        store(QStringLiteral("No"), x, y, width, height);
        QPointer<RecordingWindow> w = open();
        const QRect placed(w->Window().pos(), w->Window().size());
        EXPECT_TRUE(screen.contains(placed)) << x << " " << y << " " << width << " " << height;
        EXPECT_GE(placed.width(), 40);
        EXPECT_GE(placed.height(), 30);
        end(w);
    }
}

} // namespace
