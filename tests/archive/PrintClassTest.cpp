#include "archive/PrintClass.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Procedures.h"
#include "support/ReportCapture.h"

namespace {

class PrintClassTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Access::SoortTabel().Open();
    }
    void TearDown() override {
        Access::SoortTabel().Close();
        CatalogueTest::TearDown();
    }
    void add(const QString& soort) {
        SRT.clear();
        SRT.Soort = soort;
        ASSERT_EQ(Access::SoortTabel().TryInsert(), LevelBenign);
    }

    ReportCapture report;
};

TEST_F(PrintClassTest, ListsEveryClassInNameOrderEverythingToo) {
    for (const char* c : {"Tools", "games", "Utilities"})
        add(c);
    SRT.Soort = "being edited"; // the class list's own record is left alone
    report.run(new PrintClassWindow);
    EXPECT_EQ(report.previews, 1);
    ASSERT_EQ(report.shown.size(), 1u);
    const QStringList& page = report.shown[0];
    EXPECT_EQ(page[0], "Software Classes");
    EXPECT_EQ(page[1], "Date : 08/12/2026 Time : 10:30:00");
    EXPECT_EQ(page[2], "Software Class");
    EXPECT_EQ(report.details(3), QStringList({"Everything", "games", "Tools", "Utilities"}));
    EXPECT_EQ(page.last(), "Page 1");
    EXPECT_EQ(SRT.Soort.str(), "being edited");
    EXPECT_EQ(process->settings().Fetch("PrintClass", "Maximize"), "No"); // its place
}

TEST_F(PrintClassTest, EveryPageHasTheHeadingsAndItsNumber) {
    for (int n = 0; n < 150; ++n)
        add(QStringLiteral("Class %1").arg(n, 3, 10, QLatin1Char('0')));
    report.run(new PrintClassWindow);
    ASSERT_GE(report.shown.size(), 2u);
    for (size_t p = 0; p < report.shown.size(); ++p) {
        EXPECT_EQ(report.shown[p][0], "Software Classes");
        EXPECT_EQ(report.shown[p][2], "Software Class");
        EXPECT_EQ(report.shown[p].last(), QStringLiteral("Page %1").arg(p + 1));
    }
    const QStringList lines = report.details(3);
    ASSERT_EQ(lines.size(), 151);
    EXPECT_EQ(lines[0], "Class 000");
    EXPECT_EQ(lines[149], "Class 149");
    EXPECT_EQ(lines[150], "Everything");
}

TEST_F(PrintClassTest, WithoutClassesThereAreNoRecordsAndNoPreview) {
    SoortTabelRecord c;
    Access::SoortTabel().UseFile();
    for (;;) { // each time the first class left
        Access::SoortTabel().File->setOrder(SrtKey::KeySoort);
        if (Access::SoortTabel().File->next(c) != store::Ok) break;
        ASSERT_EQ(Access::SoortTabel().File->erase(c), store::Ok);
    }
    report.run(new PrintClassWindow);
    EXPECT_EQ(report.previews, 0);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "No Records");
}

TEST_F(PrintClassTest, ItsProgressWindowPausesAndRestarts) {
    add("Games");
    QPointer<PrintClassWindow> w = new PrintClassWindow;
    w->TickInterval = 3600000; // no ticks: the window stays as it opened
    w->Start();
    settleEvents();
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->Window().windowTitle(), "Progress...");
    EXPECT_EQ(w->C().TextOf(ReportRunner::PauseButton), "&Pause");
    w->Dispatch(controlEvent(EventKind::Accepted, ReportRunner::PauseButton));
    EXPECT_EQ(w->C().TextOf(ReportRunner::PauseButton), "Restart");
    EXPECT_EQ(w->TimerInterval(), 0);
    w->Dispatch(controlEvent(EventKind::Accepted, ReportRunner::PauseButton));
    EXPECT_EQ(w->C().TextOf(ReportRunner::PauseButton), "Pause");
    w->C().widget(ReportRunner::CancelButton)->setFocus();
    w->Dispatch(controlEvent(EventKind::Accepted, ReportRunner::CancelButton));
    settleEvents();
    EXPECT_TRUE(w.isNull());
}

TEST_F(PrintClassTest, TheFramesClassPrintIsSwitchedOn) {
    EXPECT_TRUE(Procedures::exists(Procedure::PrintClasses));
}

} // namespace
