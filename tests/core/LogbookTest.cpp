#include "core/Logbook.h"
#include "core/BrowsLog.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/PrintLog.h"
#include "core/Session.h"
#include "framework/Pictures.h"
#include "framework/browse/BrowseList.h"
#include "framework/report/PreviewWindow.h"
#include "framework/window/WindowRegistry.h"
#include "support/CatalogueTest.h"
#include "support/FaultyStoreFile.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTableView>
#include <QTimer>

namespace {

using B = BrowsLogWindow;

// "name date-offset" of every entry in record order, read past the buffers.
QStringList storedEntries(qint32 today) {
    QStringList out;
    LogRecord e;
    std::unique_ptr<store::Cursor> cursor = Access::Log().File->cursor();
    cursor->setOrder(0);
    while (cursor->next(e) == store::Ok)
        out << QStringLiteral("%1 %2").arg(e.NAME.str()).arg(e.DATUM - today);
    return out;
}

class LogbookTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        GLO.UserLevel = 3;
        Protocol::GlobalRequest = NoRequest;
        setLogging();
    }
    void TearDown() override {
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        CatalogueTest::TearDown();
    }
    void setLogging() {
        SYS.clear();
        SYS.ID = 1;
        ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
        SYS.DOLOG = 1;
        SYS.HOWLONG = 200;
        SYS.DOBACKUP = 0;
        ASSERT_EQ(Access::Sys().TryUpdate(), LevelBenign);
    }
    void addEntry(const QString& name, int dayOffset, int hour) {
        LOG.clear();
        LOG.ID = 1;
        LOG.NAME = name;
        LOG.DATUM = host.today() + dayOffset;
        LOG.LOGINTIME = Pictures::timeValue(hour, 0, 0);
        LOG.LOGOUTTIME = Pictures::timeValue(hour, 30, 0);
        ASSERT_EQ(Access::Log().TryInsert(), LevelBenign);
    }
    B& open() {
        w = new B;
        w->Start();
        settleEvents();
        return *w;
    }
    void press(int control) {
        w->Post(controlEvent(EventKind::Accepted, control));
        settleEvents();
    }
    QStringList shown() const {
        QStringList out;
        const BrowseModel& m = w->ListControl().model();
        for (int r = 0; r < m.rowCount(); ++r)
            out << m.text(r, 1) + " " + m.text(r, 2) + " " + m.text(r, 3);
        return out;
    }

    QPointer<B> w;
};

TEST_F(LogbookTest, NewestDatesLastInTheDefaultColour) {
    addEntry("Late", 0, 15);
    addEntry("Oldest", -300, 9);
    addEntry("Early", 0, 8);
    addEntry("Yesterday", -1, 20);
    B& b = open();
    EXPECT_EQ(b.TopLevel().windowTitle(), "Logbook");
    EXPECT_EQ(shown(), QStringList({
                           "Oldest 11/02/2026 09:00:00",
                           "Yesterday 07/12/2026 20:00:00",
                           "Early 08/12/2026 08:00:00",
                           "Late 08/12/2026 15:00:00",
                       }));
    EXPECT_EQ(b.ListControl().table().palette().color(QPalette::Base), QColor(0x85, 0xC2, 0xBF));
    EXPECT_TRUE(b.C().IsEnabled(B::EmptyButton));
    EXPECT_TRUE(b.C().IsHidden(B::SelectButton));
    EXPECT_EQ(b.ListControl().model().columnCount(), 5);

    // The list's format goes back under the user's name when the window closes.
    w->Post(windowEvent(EventKind::CloseWindow));
    settleEvents();
    const QString kept = ini.Fetch("System", "LoginBrowse");
    EXPECT_TRUE(kept.startsWith("31L(2)|~ID~L(8)@n6@")) << kept.toStdString();
    EXPECT_TRUE(kept.endsWith("|~Logout Time~L(0)@t4@")) << kept.toStdString();
}

TEST_F(LogbookTest, AnEmptyLogbookOffersNeitherPrintNorEmpty) {
    B& b = open();
    EXPECT_EQ(b.ListControl().model().rowCount(), 0);
    EXPECT_FALSE(b.C().IsEnabled(B::PrintButton));
    EXPECT_FALSE(b.C().IsEnabled(B::EmptyButton));
}

TEST_F(LogbookTest, EmptyLogDeletesEveryEntryWithoutAQuestion) {
    for (int i = 0; i < 30; ++i)
        addEntry(QStringLiteral("User %1").arg(i), -i, 10);
    B& b = open();
    press(B::EmptyButton);
    EXPECT_TRUE(host.messages().empty()) << "nothing is asked";
    EXPECT_TRUE(storedEntries(host.today()).isEmpty());
    EXPECT_EQ(b.ListControl().model().rowCount(), 0);
    EXPECT_FALSE(b.C().IsEnabled(B::PrintButton));
    EXPECT_FALSE(b.C().IsEnabled(B::EmptyButton));
}

TEST_F(LogbookTest, AFailedEmptyingKeepsEveryEntry) {
    for (int i = 0; i < 10; ++i)
        addEntry(QStringLiteral("User %1").arg(i), -i, 10);
    const QStringList before = storedEntries(host.today());
    FileManager& log = Access::Log();
    store::StoreFile* real = log.File;
    FaultyStoreFile faulty(*real);
    faulty.failErase = 1;
    log.File = &faulty;
    QString failure;
    const bool emptied = Logbook::empty(failure);
    log.File = real;
    EXPECT_FALSE(emptied);
    EXPECT_TRUE(failure.startsWith("The logbook could not be emptied; all its entries are kept."))
        << failure.toStdString();
    EXPECT_EQ(storedEntries(host.today()), before);
    EXPECT_EQ(Logbook::count(), 10);

    // The window says so and keeps its buttons.
    faulty.erases = 0;
    faulty.failErase = 1;
    log.File = &faulty;
    B& b = open();
    press(B::EmptyButton);
    log.File = real;
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_TRUE(host.messages()[0].text.startsWith("The logbook could not be emptied"));
    EXPECT_GT(b.ListControl().model().rowCount(), 0);
    EXPECT_EQ(Logbook::count(), 10);
    EXPECT_TRUE(b.C().IsEnabled(B::EmptyButton));
}

// The running session's entry goes with the rest; its end writes no log-out time into
// whatever now holds that entry's number.
TEST_F(LogbookTest, TheSessionEndWritesNothingIntoAnEntryEmptiedAway) {
    addEntry("Before", -3, 9);
    host.setClock(Pictures::timeValue(9, 0, 0));
    Session::start(3, 1);
    ASSERT_TRUE(Session::state().logged);
    ASSERT_EQ(Logbook::count(), 2);
    QString failure;
    ASSERT_TRUE(Logbook::empty(failure)) << failure.toStdString();

    host.setClock(Pictures::timeValue(12, 0, 0));
    Session::end();
    EXPECT_TRUE(storedEntries(host.today()).isEmpty()) << "no entry comes back";
    EXPECT_TRUE(host.messages().empty());

    // Another station's session after the emptying may get the same number again.
    Session::state() = {};
    host.setClock(Pictures::timeValue(13, 0, 0));
    Session::start(3, 1);
    const quint32 mine = Session::state().logNr;
    ASSERT_TRUE(Logbook::empty(failure));
    addEntry("Other station", 0, 14);
    ASSERT_EQ(LOG.NR, mine) << "the numbering starts again";
    Session::end();
    LOG.clear();
    LOG.NR = mine;
    ASSERT_EQ(Access::Log().TryFetch(LogKey::KeyNr), LevelBenign);
    EXPECT_EQ(LOG.NAME.str(), "Other station");
    EXPECT_EQ(LOG.LOGOUTTIME, Pictures::timeValue(14, 30, 0)) << "that entry is not ours";
}

// Runs `action` on every print preview that shows, then leaves it; waits until `done`.
int previewsWhile(const std::function<void(QWidget&)>& action, const std::function<bool()>& done) {
    int previews = 0;
    QPointer<QWidget> handled;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "_PreviewWindow_" && w->isVisible() && w != handled) {
                handled = w;
                ++previews;
                action(*w);
                w->findChild<QAction*>(QStringLiteral("item%1").arg(PreviewWindow::ExitItem))
                    ->trigger();
            }
    });
    watch.start(5);
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(done()) << "the report did not end";
    settleEvents();
    return previews;
}

TEST_F(LogbookTest, TheReportListsEverySessionByDateUnderItsHeadsWithTheStartOnEveryPage) {
    for (int i = 0; i < 80; ++i)
        addEntry(QStringLiteral("User %1").arg(i), -i, 10);
    addEntry("Running", 0, 8);
    LOG.LOGOUTTIME = 0; // the running session: no log-out time yet
    ASSERT_EQ(Access::Log().TryUpdate(), LevelBenign);
    LOG.clear();
    LOG.NAME = "highlighted"; // the logbook window's record is left alone

    QPointer<PrintLogWindow> report = new PrintLogWindow;
    std::vector<QStringList> pages;
    report->Start();
    const int previews = previewsWhile(
        [&](QWidget&) {
            for (int n = 1; n <= report->PreviewQueue.Count(); ++n)
                pages.push_back(report->PreviewQueue.Read(n).lines());
        },
        [&] { return report.isNull(); });
    EXPECT_EQ(previews, 1);
    ASSERT_EQ(pages.size(), 2u);
    QStringList details;
    for (const QStringList& page : pages) {
        ASSERT_GE(page.size(), 4);
        EXPECT_EQ(page[0], "Report the Log File");
        EXPECT_EQ(page[1], "Date : 08/12/2026 Time : 10:30:00");
        EXPECT_EQ(page[2], "Name Date IdNr Login Time Log Out Time");
        details << page.mid(3, page.size() - 4);
    }
    EXPECT_EQ(pages[0].last(), "Page 1");
    EXPECT_EQ(pages[1].last(), "Page 2");
    ASSERT_EQ(details.size(), 81);
    EXPECT_EQ(details[0], "User 79 20/09/2026 1 10:00:00 10:30:00");
    EXPECT_EQ(details[78], "User 1 07/12/2026 1 10:00:00 10:30:00");
    EXPECT_EQ(details[79], "Running 08/12/2026 1 08:00:00") << "no log-out time shows";
    EXPECT_EQ(details[80], "User 0 08/12/2026 1 10:00:00 10:30:00");
    EXPECT_EQ(LOG.NAME.str(), "highlighted");
}

// One press, one report; the preview saves it as a PDF file.
TEST_F(LogbookTest, PrintFromTheWindowShowsOneReportThatSavesAsPdf) {
    addEntry("Only", 0, 9);
    B& b = open();
    ASSERT_TRUE(b.C().IsEnabled(B::PrintButton));
    const int windows = WindowRegistry::Count();
    bool shown = false;
    press(B::PrintButton);
    const int previews = previewsWhile(
        [&](QWidget& preview) {
            shown = true;
            host.answerFile(dataPath("logbook"));
            preview.findChild<QAction*>(QStringLiteral("item%1").arg(PreviewWindow::SavePdfItem))
                ->trigger();
        },
        [&] { return shown && WindowRegistry::Count() == windows; });
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(host.dialogs().back().start.endsWith("/PrintLog.pdf"));
    EXPECT_TRUE(readFile("logbook.pdf").startsWith("%PDF"));
    EXPECT_TRUE(host.messages().empty());
}

} // namespace
