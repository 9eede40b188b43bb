#include "archive/ArchiveReportWindows.h"
#include "core/Procedures.h"
#include "framework/report/PreviewWindow.h"
#include "support/ArchiveFixture.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace {

class ArchiveReportWindowsTest : public ArchiveFixture {
protected:
    // An entry of a class (none when blank) with a producer and remarks.
    quint32 add(const QString& soort, const QString& naam, quint16 cd = 1, quint16 disk = 0) {
        ARC.clear();
        ARC.CdNr = cd;
        ARC.DiskNr = disk;
        ARC.CDiskNaam = QStringLiteral("E:\\");
        ARC.Naam = naam;
        ARC.Soort = soort;
        ARC.Producer = QStringLiteral("Maker of ") + naam;
        ARC.Size = 1000;
        EXPECT_EQ(Access::Archief().TryInsert(), LevelBenign);
        return ARC.NR;
    }
    // Starts a report and waits for its end; the pages it shows in the preview are kept,
    // one list of lines a page, and the preview is left.
    void run(ReportRunner* report) {
        QPointer<ReportRunner> alive(report);
        shown.clear();
        previews = 0;
        // The preview runs a loop of its own inside the report's: watched by a timer.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "_PreviewWindow_" && w->isVisible() && alive &&
                    shown.empty()) {
                    ++previews;
                    for (int n = 1; n <= alive->PreviewQueue.Count(); ++n)
                        shown.push_back(alive->PreviewQueue.Read(n).lines());
                    w->findChild<QAction*>(QStringLiteral("item%1").arg(PreviewWindow::ExitItem))
                        ->trigger();
                }
        });
        watch.start(5);
        report->Start();
        QElapsedTimer waited;
        waited.start();
        while (alive && waited.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(alive.isNull()) << "the report did not end";
        settleEvents();
    }
    // The detail lines of every page: what stands between the column heads and the page
    // number.
    QStringList details(int headLines) const {
        QStringList out;
        for (const QStringList& page : shown)
            out << page.mid(headLines, page.size() - headLines - 1);
        return out;
    }

    std::vector<QStringList> shown;
    int previews = 0;
};

TEST_F(ArchiveReportWindowsTest, TheDatabaseListHasEveryEntryWithAClassInClassOrder) {
    add("Utilities", "PKZIP.EXE");
    add("Games", "DOOM.EXE", 3);
    add("", "LOOSE.EXE"); // no class: not in the class order
    add("Games", "TETRIS.EXE", 0, 7);
    ARC.clear();
    ARC.Naam = "being edited"; // the archive's own record is left alone
    auto* report = new PrintDatabaseWindow;
    run(report);
    EXPECT_EQ(previews, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0][0], "Software Database");
    const QStringList lines = details(4);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "3 0 E:\\ Games DOOM.EXE");
    EXPECT_EQ(lines[2], "0 7 E:\\ Games TETRIS.EXE");
    EXPECT_EQ(lines[4], "1 0 E:\\ Utilities PKZIP.EXE");
    EXPECT_EQ(ARC.Naam.str(), "being edited");
    EXPECT_EQ(process->settings().Fetch("PrintDatabase", "Maximize"), "No"); // its place
}

TEST_F(ArchiveReportWindowsTest, TheDatabaseListsProgressWindowSaysWhatItPrintsAndCannotPause) {
    add("Games", "DOOM.EXE");
    QPointer<PrintDatabaseWindow> report = new PrintDatabaseWindow;
    report->TickInterval = 3600000; // no ticks: the window stays as it opened
    report->Start();
    settleEvents();
    ASSERT_FALSE(report.isNull());
    EXPECT_EQ(report->Window().windowTitle(), "Progress...");
    EXPECT_EQ(report->C().TextOf(ReportRunner::StatusText), "Printing Software Database");
    EXPECT_EQ(report->C().find(ReportRunner::PauseButton), nullptr);
    EXPECT_EQ(report->C().TextOf(ReportRunner::CancelButton), "&Cancel");
    report->C().widget(ReportRunner::CancelButton)->setFocus();
    report->Dispatch(controlEvent(EventKind::Accepted, ReportRunner::CancelButton));
    settleEvents();
    EXPECT_TRUE(report.isNull());
}

TEST_F(ArchiveReportWindowsTest, EverythingListsEachEntryWithItsOwnClass) {
    add("Utilities", "PKZIP.EXE");
    add("Games", "DOOM.EXE");
    add("", "LOOSE.EXE");
    run(new PrintSelectionWindow("Everything"));
    EXPECT_TRUE(host.messages().empty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0][0], "Available Software");
    EXPECT_EQ(details(3),
              QStringList({"1 E:\\ DOOM.EXE Games 10.00", "1 E:\\ PKZIP.EXE Utilities 10.00"}));
}

TEST_F(ArchiveReportWindowsTest, AClassIsNamedFirstThenOnlyItsEntriesAreListedWithTheirProducers) {
    add("Utilities", "PKZIP.EXE");
    add("Games", "DOOM.EXE");
    add("Games", "TETRIS.EXE");
    run(new PrintSelectionWindow("Games"));
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Games");
    EXPECT_EQ(host.messages()[0].caption, "");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0][0], "Selection Report of : Games");
    EXPECT_EQ(details(3), QStringList({"1 E:\\ DOOM.EXE Maker of DOOM.EXE 10.00",
                                       "1 E:\\ TETRIS.EXE Maker of TETRIS.EXE 10.00"}));
}

TEST_F(ArchiveReportWindowsTest, AClassWithoutEntriesOrAnEmptyArchiveHasNoRecords) {
    add("Games", "DOOM.EXE");
    run(new PrintSelectionWindow("Office"));
    EXPECT_EQ(previews, 0);
    EXPECT_EQ(host.lastMessage()->caption, "No Records");
    run(new PrintSingleRecordWindow("999"));
    EXPECT_EQ(previews, 0);
    EXPECT_EQ(host.lastMessage()->caption, "No Records");
}

TEST_F(ArchiveReportWindowsTest, OneEntryOnADiskPrintsNoneForItsCdAndItsRemarks) {
    add("Games", "DOOM.EXE");
    const quint32 nr = add("Tools", "UNZIP.EXE", 0, 4);
    ARC.Omschrijving = "Unpacks archives.";
    ASSERT_EQ(Access::Archief().TryUpdate(), LevelBenign);
    run(new PrintSingleRecordWindow(QString::number(nr)));
    ASSERT_EQ(shown.size(), 1u);
    const QStringList& page = shown[0];
    EXPECT_EQ(page[0], "Report of UNZIP.EXE");
    EXPECT_EQ(page[2], QStringLiteral("Record number : %1").arg(nr, 6, 10, QLatin1Char('0')));
    EXPECT_EQ(page[3], "Cd Nr. : None");
    EXPECT_EQ(page[4], "Disk Nr. : 4");
    EXPECT_EQ(page[13], "Remarks : None");
    EXPECT_EQ(page[14], "Description : Unpacks archives.");
}

// The percentage of a class's report counts that class, so that it reaches 100 at its end.
TEST_F(ArchiveReportWindowsTest, AProcessOverARangeCountsWhatItWillRead) {
    add("Games", "DOOM.EXE");
    add("Tools", "UNZIP.EXE");
    add("Games", "TETRIS.EXE");
    add("", "LOOSE.EXE");
    add("Games", "PONG.EXE");
    ProcessManager games;
    ArchiefRecord entry;
    games.Init(Relate::Archief());
    games.Buffer = &entry;
    games.AddSortOrder(ArcKey::KeySoort);
    games.AddRange(4, FieldValue(QStringLiteral("Games")));
    QStringList shown;
    games.PText = [&](const QString& t) { shown << t; };
    ASSERT_EQ(games.Reset(), LevelBenign);
    EXPECT_EQ(games.RecordsToProcess, 3);
    QStringList names;
    while (games.Next() == LevelBenign)
        names << entry.Naam.str();
    names.sort();
    EXPECT_EQ(names, QStringList({"DOOM.EXE", "PONG.EXE", "TETRIS.EXE"}));
    EXPECT_EQ(shown, QStringList({"33% Complete", "66% Complete", "100% Complete"}));
    EXPECT_EQ(ARC.Naam.str(), "PONG.EXE"); // the archive's own record was not read into
    games.Kill();
}

TEST_F(ArchiveReportWindowsTest, TheMainFramesArchivePrintIsSwitchedOn) {
    EXPECT_TRUE(Procedures::exists(Procedure::PrintArchive));
}

} // namespace
