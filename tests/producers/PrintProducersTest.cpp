#include "producers/PrintProducers.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Procedures.h"
#include "support/ReportCapture.h"

namespace {

class PrintProducersTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Access::Prd().Open();
    }
    void TearDown() override {
        Access::Prd().Close();
        CatalogueTest::TearDown();
    }
    void add(const QString& name, const QString& website, const QString& support,
             const QString& phone) {
        PRD.clear();
        PRD.Name = name;
        PRD.Website = website;
        PRD.Support = support;
        PRD.Phone = phone;
        ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    }

    ReportCapture report;
};

TEST_F(PrintProducersTest, ListsEveryProducerByNameWithTheirAddressesAndPhone) {
    add("Kestrel Games", "www.kestrel.example", "service@kestrel.example", "+31 20 555 0101");
    add("bluebird Graphics", "http://www.bluebird.example", "help@bluebird.example", "");
    add("Harbour Tools", "", "", "0800 12 34");
    PRD.Name = "being edited"; // the producer list's own record is left alone
    report.run(new PrintProducersWindow);
    EXPECT_EQ(report.previews, 1);
    ASSERT_EQ(report.shown.size(), 1u);
    const QStringList& page = report.shown[0];
    EXPECT_EQ(page[0], "Software Producers");
    EXPECT_EQ(page[1], "Date : 08-12-2026 Time : 10 30 00");
    EXPECT_EQ(page[2], "Name Website Support Phone");
    EXPECT_EQ(report.details(3),
              QStringList({"bluebird Graphics http://www.bluebird.example help@bluebird.example",
                           "Harbour Tools 0800 12 34",
                           "Kestrel Games www.kestrel.example service@kestrel.example +31 20 555 "
                           "0101"}));
    EXPECT_EQ(page.last(), "Page 1");
    EXPECT_EQ(PRD.Name.str(), "being edited");
    EXPECT_EQ(process->settings().Fetch("PrintProducers", "Maximize"), "No"); // its place
}

TEST_F(PrintProducersTest, FieldsAtFullLengthAreCutToThirtyCharactersEachInItsOwnColumn) {
    const QString name = QStringLiteral("Ångström Ŝoftware 東京 שלום ÉÉÉÉ"); // 30 characters
    ASSERT_EQ(name.size(), 30);
    const QString website = QStringLiteral("https://www.") + QString(60, QLatin1Char('w')) +
                            QStringLiteral(".example/");
    add(name, website, QString(30, QLatin1Char('s')), QString(30, QLatin1Char('9')));
    report.run(new PrintProducersWindow);
    ASSERT_EQ(report.shown.size(), 1u);
    const QStringList lines = report.details(3);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], name + " " + website.left(30) + " " + QString(30, QLatin1Char('s')) + " " +
                            QString(30, QLatin1Char('9')));
}

TEST_F(PrintProducersTest, WithoutProducersThereAreNoRecordsAndNoPreview) {
    report.run(new PrintProducersWindow);
    EXPECT_EQ(report.previews, 0);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "No Records");
}

TEST_F(PrintProducersTest, ItsProgressWindowCanPauseAndCancelPrintsNothing) {
    add("Kestrel Games", "", "", "");
    QPointer<PrintProducersWindow> w = new PrintProducersWindow;
    w->TickInterval = 3600000; // no ticks: the window stays as it opened
    w->Start();
    settleEvents();
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->Window().windowTitle(), "Progress...");
    EXPECT_EQ(w->C().TextOf(ReportRunner::PauseButton), "&Pause");
    EXPECT_EQ(w->C().TextOf(ReportRunner::CancelButton), "&Cancel");
    w->C().widget(ReportRunner::CancelButton)->setFocus();
    w->Dispatch(controlEvent(EventKind::Accepted, ReportRunner::CancelButton));
    settleEvents();
    EXPECT_TRUE(w.isNull());
    EXPECT_TRUE(Access::Prd().IsOpen()) << "the test's own use of Prd stays open";
    EXPECT_TRUE(Procedures::exists(Procedure::PrintProducers));
}

} // namespace
