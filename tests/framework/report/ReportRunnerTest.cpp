#include "framework/report/ReportRunner.h"
#include "framework/report/PreviewWindow.h"
#include "framework/report/PrintService.h"
#include "support/CatalogueTest.h"

#include <QAction>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace {

// Numbered records 1 .. count; `failAt` makes that read an error.
class NumberProcess : public ProcessManager {
public:
    explicit NumberProcess(int count) : count_(count) {}
    int current = 0;
    int failAt = 0;

protected:
    int ResetView() override {
        current = 0;
        return LevelBenign;
    }
    int ReadView() override {
        if (current + 1 == failAt) return LevelFatal;
        if (current == count_) return LevelNotify;
        ++current;
        return LevelBenign;
    }
    qint64 PrimaryRecords() override { return count_; }

private:
    int count_;
};

// A report of one line per record, with a progress window like every report's.
class NumberReport : public ReportRunner {
public:
    explicit NumberReport(int records)
        : ReportRunner(QStringLiteral("NumberReport")), process(records) {
        const int font = layout.AddFont({QStringLiteral("Arial"), 10});
        layout.PageHeader = Band(600);
        layout.PageHeader.Text(0, 0, 9000, QStringLiteral("Numbers"), font);
        layout.PageFooter = Band(500);
        layout.PageFooter.PageNumber(0, 0, 4000);
        layout.Detail = Band(layout.LineHeight(font));
        layout.Detail.Value(
            0, 0, 3000, [this] { return FieldValue(qint64(process.current)); }, "@N_6");
    }
    int Init() override {
        if (const int level = WindowController::Init()) return level;
        BuildProgressWindow();
        ReportRunner::Init(process, layout, &preview);
        return Open();
    }
    int TakeRecord() override {
        printed.push_back(process.current);
        if (onRecord) {
            const int level = onRecord(process.current);
            if (level != LevelBenign) return level;
        }
        return ReportRunner::TakeRecord();
    }
    void EndReport() override {
        ReportRunner::EndReport();
        pagesAtEnd = PreviewQueue.Count();
    }

    NumberProcess process;
    ReportLayout layout;
    PrintPreview preview;
    std::vector<int> printed;
    std::function<int(int record)> onRecord;
    int pagesAtEnd = -1;
};

class ReportRunnerTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        WindowController::SetServices(&errors, &ini);
    }
    void TearDown() override {
        settleEvents();
        WindowController::SetServices(nullptr, nullptr);
        DataDirTest::TearDown();
    }
    // Leaves the preview whenever one shows, counting them and noting the texts of the
    // first page.
    void leavePreview(QStringList* firstPage = nullptr) {
        watch_ = std::make_unique<QTimer>();
        QObject::connect(watch_.get(), &QTimer::timeout, [this, firstPage] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "_PreviewWindow_" && w->isVisible() && w != left_) {
                    left_ = w;
                    ++previews;
                    if (firstPage && shownPages) *firstPage = shownPages->Read(1).lines();
                    w->findChild<QAction*>(QStringLiteral("item%1").arg(PreviewWindow::ExitItem))
                        ->trigger();
                }
        });
        watch_->start(5);
    }
    ErrorManager errors;
    int previews = 0;
    std::unique_ptr<QTimer> watch_;
    QPointer<QWidget> left_;
    PageStore* shownPages = nullptr;
};

// Every record is printed once in order, the preview shows the pages, and leaving it
// prints nothing.
TEST_F(ReportRunnerTest, AReportPrintsEveryRecordAndShowsItsPagesInThePreview) {
    NumberReport report(130);
    shownPages = &report.PreviewQueue;
    QStringList firstPage;
    leavePreview(&firstPage);
    EXPECT_EQ(report.Run(), RequestCompleted);
    ASSERT_EQ(report.printed.size(), 130u);
    for (int n = 0; n < 130; ++n)
        ASSERT_EQ(report.printed[size_t(n)], n + 1);
    EXPECT_EQ(previews, 1);
    EXPECT_GE(report.pagesAtEnd, 3);
    EXPECT_EQ(firstPage.mid(0, 3), QStringList({"Numbers", "1", "2"}));
    EXPECT_EQ(firstPage.last(), "Page 1");
    EXPECT_FALSE(report.Printed);
    EXPECT_EQ(report.PreviewQueue.Count(), 0); // the pages are discarded at the end
    EXPECT_EQ(report.process.Percent, 100);
}

TEST_F(ReportRunnerTest, AReportOverNothingSaysNoRecordsAndShowsNoPreview) {
    NumberReport report(0);
    leavePreview();
    EXPECT_EQ(report.Run(), RequestCancelled);
    settleEvents();
    EXPECT_EQ(previews, 0);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "No Records");
    EXPECT_EQ(host.lastMessage()->text, "There are no records available to process.");
    EXPECT_TRUE(report.printed.empty());
}

TEST_F(ReportRunnerTest, CancelInTheMiddlePrintsNothingShowsNoPreviewAndReturnsThePages) {
    NumberReport report(100000);
    // A millisecond a record: the first tick takes 511 records, the press comes after it.
    qint64 now = 0;
    report.Clock = [&] { return now; };
    report.onRecord = [&](int record) {
        ++now;
        if (record == 300)
            QTimer::singleShot(0, [&] {
                static_cast<QPushButton*>(report.C().widget(ReportRunner::CancelButton))->click();
            });
        return LevelBenign;
    };
    leavePreview();
    EXPECT_EQ(report.Run(), RequestCancelled);
    EXPECT_EQ(previews, 0);
    EXPECT_LT(report.printed.size(), 2000u);
    EXPECT_EQ(report.PreviewQueue.Count(), 0);
    EXPECT_EQ(report.PreviewQueue.SpoolBytes(), 0);
    EXPECT_EQ(report.Writer, nullptr);
    EXPECT_FALSE(report.Printed);
}

TEST_F(ReportRunnerTest, PauseStopsTheRecordsAndRestartGoesOnFromTheSameRecord) {
    NumberReport report(3000);
    // A millisecond a record: ticks of 511, 512 and 1024 records.
    qint64 now = 0;
    report.Clock = [&] { return now; };
    auto* pause = static_cast<QPushButton*>(nullptr);
    int atPause = 0;
    report.onRecord = [&](int record) {
        ++now;
        if (record != 700) return LevelBenign;
        pause = static_cast<QPushButton*>(report.C().widget(ReportRunner::PauseButton));
        pause->click();
        QTimer::singleShot(300, [&] {
            atPause = int(report.printed.size());
            EXPECT_EQ(pause->text(), "Restart");
            EXPECT_EQ(report.TimerInterval(), 0);
            EXPECT_TRUE(report.Paused);
            pause->click();
        });
        return LevelBenign;
    };
    leavePreview();
    EXPECT_EQ(report.Run(), RequestCompleted);
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(pause->text(), "Pause");
    // The tick that saw the press finished its batch; nothing was printed while paused.
    EXPECT_EQ(atPause, 1023);
    ASSERT_EQ(report.printed.size(), 3000u);
    for (int n = 0; n < 3000; ++n)
        ASSERT_EQ(report.printed[size_t(n)], n + 1);
}

// The slices of the timer, with a clock that runs one millisecond per record printed.
TEST_F(ReportRunnerTest, BatchesDoubleWhileQuickRepeatWhileUnderHalfASliceAndHalveWhenSlow) {
    QPointer<NumberReport> report = new NumberReport(100000);
    qint64 now = 0, cost = 1;
    report->Clock = [&now] { return now; };
    report->onRecord = [&](int) {
        now += cost;
        return LevelBenign;
    };
    report->TickInterval = 3600000; // ticks only when the test gives them
    report->Start();
    settleEvents();
    const qint64 first = report->Process->RecordsProcessed;
    EXPECT_EQ(first, 1); // the first record is read when the report opens
    auto tick = [&] {
        const qint64 before = report->printed.size();
        report->Dispatch(windowEvent(EventKind::Timer));
        return qint64(report->printed.size()) - before;
    };
    // Batches of 1, 2, 4 ... 256 in the first tick, until half a second has gone.
    EXPECT_EQ(tick(), 511);
    EXPECT_EQ(report->RecordsPerCycle, 512);
    EXPECT_EQ(tick(), 512); // 512 ms: doubled, but no second batch
    EXPECT_EQ(report->RecordsPerCycle, 1024);
    EXPECT_EQ(tick(), 1024); // over 4/5 of the slice: kept
    EXPECT_EQ(report->RecordsPerCycle, 1024);
    cost = 2;
    EXPECT_EQ(tick(), 1024); // 2048 ms is over 3/2 of the slice: halved
    EXPECT_EQ(report->RecordsPerCycle, 512);
    EXPECT_EQ(tick(), 512);
    EXPECT_EQ(report->RecordsPerCycle, 512);
    report->Post(windowEvent(EventKind::CloseWindow));
    settleEvents();
    EXPECT_TRUE(report.isNull()); // a started window ends by itself
}

TEST_F(ReportRunnerTest, ABatchOfOneIsNeverHalved) {
    QPointer<NumberReport> report = new NumberReport(10);
    qint64 now = 0;
    report->Clock = [&now] { return now; };
    report->onRecord = [&](int) {
        now += 5000;
        return LevelBenign;
    };
    report->TickInterval = 3600000;
    report->Start();
    settleEvents();
    report->Dispatch(windowEvent(EventKind::Timer));
    EXPECT_EQ(report->printed.size(), 1u);
    EXPECT_EQ(report->RecordsPerCycle, 1);
    report->Post(windowEvent(EventKind::CloseWindow));
    settleEvents();
    EXPECT_TRUE(report.isNull()); // a started window ends by itself
}

TEST_F(ReportRunnerTest, ADeferredWindowShowsOnlyAfterItsSeconds) {
    QPointer<NumberReport> report = new NumberReport(100000);
    qint64 now = 0;
    report->Clock = [&now] { return now; };
    report->onRecord = [&now](int) {
        now += 1;
        return LevelBenign;
    };
    report->DeferWindow = 2;
    report->TickInterval = 3600000;
    report->Start();
    settleEvents();
    EXPECT_FALSE(report->TopLevel().isVisible());
    now = 1000;
    report->Dispatch(windowEvent(EventKind::Timer)); // the tick itself takes 511 ms
    EXPECT_FALSE(report->TopLevel().isVisible());
    now = 2001;
    report->Dispatch(windowEvent(EventKind::Timer));
    EXPECT_TRUE(report->TopLevel().isVisible());
    EXPECT_EQ(report->DeferWindow, 0);
    report->Post(windowEvent(EventKind::CloseWindow));
    settleEvents();
    EXPECT_TRUE(report.isNull()); // a started window ends by itself
}

TEST_F(ReportRunnerTest, AReadErrorEndsTheReportAsCancelled) {
    NumberReport report(500);
    report.process.failAt = 300;
    leavePreview();
    EXPECT_EQ(report.Run(), RequestCancelled);
    EXPECT_EQ(previews, 0);
    EXPECT_EQ(report.printed.size(), 299u);
}

TEST_F(ReportRunnerTest, WithAnErrorNoteAReadErrorShowsWhatWasPrintedSoFar) {
    NumberReport report(500);
    report.process.failAt = 300;
    report.ErrorNote = "The report ends early.";
    shownPages = &report.PreviewQueue;
    QStringList first;
    leavePreview(&first);
    EXPECT_EQ(report.Run(), RequestCompleted);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(report.printed.size(), 299u);
    EXPECT_EQ(first[1], "1");
    // The first report of the test is gone; the note closes the pages of this one.
    NumberReport again(5);
    again.process.failAt = 4;
    again.ErrorNote = "The report ends early.";
    shownPages = &again.PreviewQueue;
    leavePreview(&first);
    EXPECT_EQ(again.Run(), RequestCompleted);
    EXPECT_EQ(first, QStringList({"Numbers", "1", "2", "3", "The report ends early.", "Page 1"}));
    // Without a record printed there is nothing to show.
    NumberReport none(5);
    none.process.failAt = 1;
    none.ErrorNote = "The report ends early.";
    EXPECT_EQ(none.Run(), RequestCancelled);
    EXPECT_EQ(previews, 2);
}

TEST_F(ReportRunnerTest, ARecordThatEndsTheReportLeavesNoPreview) {
    NumberReport report(500);
    report.onRecord = [](int record) { return record == 40 ? int(LevelFatal) : int(LevelBenign); };
    leavePreview();
    EXPECT_EQ(report.Run(), RequestCancelled);
    EXPECT_EQ(previews, 0);
    EXPECT_EQ(report.printed.size(), 40u);
}

TEST_F(ReportRunnerTest, WithoutAPreviewThePagesGoStraightToThePrinter) {
    QPrinter& printer = PrintService::Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dataPath("printed.pdf"));
    NumberReport report(200);
    report.SkipPreview = true;
    leavePreview();
    EXPECT_EQ(report.Run(), RequestCompleted);
    printer.setOutputFileName({});
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_EQ(previews, 0);
    EXPECT_TRUE(report.Printed);
    const QByteArray pdf = readFile("printed.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    int pages = 0;
    auto it = QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(pdf));
    for (; it.hasNext(); it.next())
        ++pages;
    EXPECT_EQ(pages, report.pagesAtEnd);
}

TEST_F(ReportRunnerTest, TheProgressWindowIsEveryReportsOwn) {
    QPointer<NumberReport> report = new NumberReport(100);
    report->TickInterval = 3600000;
    shownPages = &report->PreviewQueue;
    leavePreview();
    report->Start();
    settleEvents();
    EXPECT_EQ(report->Window().windowTitle(), "Progress...");
    EXPECT_EQ(report->C().TextOf(ReportRunner::PauseButton), "&Pause");
    EXPECT_EQ(report->C().TextOf(ReportRunner::CancelButton), "&Cancel");
    EXPECT_EQ(report->C().TextOf(ReportRunner::ProgressText), "1% Complete"); // one record read
    report->Dispatch(windowEvent(EventKind::Timer));
    EXPECT_EQ(report->C().TextOf(ReportRunner::ProgressText), "100% Complete");
    settleEvents();
}

} // namespace
