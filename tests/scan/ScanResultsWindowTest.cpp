#include "scan/ScanResultsWindow.h"
#include "core/Procedures.h"
#include "framework/window/FormWindow.h"
#include "scan/ScanFileModel.h"
#include "scan/ScanListing.h"
#include "scan/ScanSetup.h"
#include "support/ArchiveFixture.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTableView>

namespace {

// What the scan options dialog hands back in these tests: drive E with every file and the
// text content, as a scan of the root lists it.
ScanParameters options;
int optionsAsked = 0;

void scanOptions(ScanParameters& p) {
    ++optionsAsked;
    p = options;
    if (p.Cancelled != 0) return;
    ScanSetup::RebuildDriveQueue();
    const ScanListing::Result listed = ScanListing::List(
        GLO.ScanFileQueue, p.Drive.str(), "", p.OptionCode, p.OtherPattern.str(), "None");
    p.FileCount = listed.files;
}

class ScanResultsWindowTest : public ArchiveFixture {
protected:
    void SetUp() override {
        ArchiveFixture::SetUp();
        options = ScanParameters();
        options.Cancelled = 0;
        options.Name = "E:\\";
        options.MediumKind = 1;
        options.Drive = "E:\\";
        options.OptionCode = 5;
        options.Producer = "Acme";
        options.SoftwareClass = "Tools";
        optionsAsked = 0;
        ScanResultsWindow::AskOptions = scanOptions;
        writeFile("media/cdrom/SETUP.EXE", QByteArray(2000, 'x'));
        writeFile("media/cdrom/README.TXT", "Read me\r\n");
        writeFile("media/cdrom/TOOLS/ZIP.EXE");
        writeFile("media/cdrom/TOOLS/UNZIP.EXE");
        writeFile("media/cdrom/TOOLS/DEEP/DEEP.EXE");
        writeFile("media/cdrom/GAMES/PLAY.COM");
    }
    void TearDown() override {
        if (window) window->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        ScanResultsWindow::AskOptions = ScanOptions;
        ArchiveFixture::TearDown();
    }
    ScanResultsWindow& open() {
        window = new ScanResultsWindow;
        EXPECT_EQ(window->Start(), 0);
        settleEvents();
        return *window;
    }
    template <class T = QWidget> T* control(int number) {
        return window->Window().findChild<T*>(QStringLiteral("control%1").arg(number));
    }
    void click(int number) {
        control<QAbstractButton>(number)->click();
        settleEvents();
    }
    void waitForImport() {
        QElapsedTimer waited;
        waited.start();
        while (window->importing() && waited.elapsed() < 60000)
            settleEvents();
        ASSERT_FALSE(window->importing());
    }
    QStringList listed() {
        QStringList out;
        for (const ScanFileEntry& e : GLO.ScanFileQueue.rows)
            out << e.SCANFILENAME.str() + " " + e.ATTRIB.str();
        return out;
    }
    void select(const QString& name) {
        for (size_t i = 0; i < GLO.ScanFileQueue.rows.size(); ++i)
            if (GLO.ScanFileQueue.rows[i].SCANFILENAME.str() == name) {
                window->view().selectRow(int(i));
                settleEvents();
                return;
            }
        ADD_FAILURE() << "no row " << name.toStdString();
    }
    QString title() { return window->TopLevel().windowTitle(); }
    bool enabled(int number) { return control(number)->isEnabled(); }

    QPointer<ScanResultsWindow> window;
};

TEST_F(ScanResultsWindowTest, OpensOnTheRootAndWalksInAndOut) {
    ScanResultsWindow& w = open();
    EXPECT_EQ(optionsAsked, 1);
    EXPECT_TRUE(GLO.Threads.isOpen(Instance::ScanResults));
    EXPECT_EQ(listed(), (QStringList{"GAMES Directory", "TOOLS Directory", "README.TXT File",
                                     "SETUP.EXE File"}))
        << "attribute, then name";
    EXPECT_EQ(title(), "Scanning CD -- Dir : E:\\ -- 2 records");
    EXPECT_FALSE(enabled(ScanResultsWindow::UpButton));
    EXPECT_EQ(control<QAbstractButton>(ScanResultsWindow::ActionButton)->text(), "&Xplore");
    EXPECT_TRUE(enabled(ScanResultsWindow::ExploreButton));

    select("TOOLS");
    click(ScanResultsWindow::ExploreButton);
    EXPECT_EQ(w.path(), "TOOLS\\");
    EXPECT_EQ(listed(), (QStringList{"TOOLS\\DEEP Directory", "TOOLS\\ZIP.EXE File",
                                     "TOOLS\\UNZIP.EXE File"}))
        << "each pattern's files from the last name to the first";
    EXPECT_EQ(control<QLabel>(ScanResultsWindow::CurrentDirectory)->text(), "E:\\TOOLS");
    EXPECT_EQ(title(), "Scanning CD -- Dir : E:\\TOOLS\\ -- 2 records");
    EXPECT_TRUE(enabled(ScanResultsWindow::UpButton));

    select("TOOLS\\DEEP");
    Q_EMIT w.view().doubleClicked(w.view().currentIndex());
    settleEvents();
    EXPECT_EQ(listed(), (QStringList{"TOOLS\\DEEP\\DEEP.EXE File"}));

    click(ScanResultsWindow::UpButton);
    click(ScanResultsWindow::UpButton);
    EXPECT_EQ(w.path(), "");
    EXPECT_EQ(control<QLabel>(ScanResultsWindow::CurrentDirectory)->text(), "E:\\");
    EXPECT_FALSE(enabled(ScanResultsWindow::UpButton));
    EXPECT_EQ(listed().size(), 4);
}

TEST_F(ScanResultsWindowTest, HeaderClicksToggleAndTheLastSortStaysForEveryListing) {
    ScanResultsWindow& w = open();
    w.clickHeader(int(ScanRows::Column::FileName));
    EXPECT_EQ(listed().first(), "TOOLS Directory") << "the first click sorts descending";
    w.clickHeader(int(ScanRows::Column::FileName));
    EXPECT_EQ(listed().first(), "GAMES Directory");
    w.clickHeader(int(ScanRows::Column::FileName));
    select("TOOLS");
    click(ScanResultsWindow::ExploreButton);
    EXPECT_EQ(listed(), (QStringList{"TOOLS\\ZIP.EXE File", "TOOLS\\UNZIP.EXE File",
                                     "TOOLS\\DEEP Directory"}))
        << "applied again after a listing";
}

TEST_F(ScanResultsWindowTest, AddSelectedSettlesTheNumberAndCountsTheTotal) {
    addEntry(1, 0, "G:\\", "OTHER.EXE");
    ScanResultsWindow& w = open();
    select("README.TXT");
    EXPECT_EQ(control<QAbstractButton>(ScanResultsWindow::ActionButton)->text(), "&Read");
    EXPECT_FALSE(enabled(ScanResultsWindow::ExploreButton));
    click(ScanResultsWindow::AddSelectedButton);
    EXPECT_TRUE(w.numbers().settled);
    EXPECT_EQ(w.numbers().cdNr, 2);
    EXPECT_EQ(title(), "Scanning CDNr 2 -- Dir : E:\\ -- 1 records");
    EXPECT_EQ(w.totalImported(), 1);
    EXPECT_FALSE(control(ScanResultsWindow::CounterGroup)->isHidden());
    EXPECT_TRUE(control(ScanResultsWindow::SoFarCount)->isHidden());
    EXPECT_FALSE(listed().contains("README.TXT None"));
    EXPECT_EQ(entries().last(), "2 0 E:\\ README.TXT");
    EXPECT_EQ(GLO.ArchiveCount, 1u);
}

TEST_F(ScanResultsWindowTest, AddAllWithADuplicateAndNoToAll) {
    addEntry(3, 0, "E:\\", "SETUP.EXE");
    ScanResultsWindow& w = open();
    host.answer(3); // "&No to All"
    click(ScanResultsWindow::AddAllButton);
    EXPECT_TRUE(w.importing() || !control(ScanResultsWindow::ProgressBar)->isHidden() ||
                w.totalImported() > 0);
    waitForImport();
    ASSERT_FALSE(host.messages().empty());
    const auto& question = host.messages().front();
    EXPECT_EQ(question.caption, "Wareloft");
    EXPECT_EQ(question.buttonNames, "&Yes|Yes to &All|&No to All");
    EXPECT_EQ(question.defaultButton, 3);
    EXPECT_EQ(question.icon, Icon::Exclamation);
    EXPECT_EQ(listed(), (QStringList{"GAMES Directory", "TOOLS Directory"}))
        << "every file row leaves the list";
    EXPECT_EQ(entries(), (QStringList{"3 0 E:\\ SETUP.EXE", "1 0 E:\\ README.TXT"}));
    EXPECT_EQ(w.totalImported(), 2);
    EXPECT_EQ(title(), "Scanning CDNr 1 -- Dir : E:\\ -- 0 records");
    EXPECT_TRUE(control(ScanResultsWindow::ProgressBar)->isHidden());
    EXPECT_FALSE(enabled(ScanResultsWindow::AddAllButton));
}

TEST_F(ScanResultsWindowTest, AddTreeImportsEverythingBelowTheDirectory) {
    ScanResultsWindow& w = open();
    select("TOOLS");
    click(ScanResultsWindow::ExploreButton);
    click(ScanResultsWindow::AddTreeButton);
    waitForImport();
    EXPECT_EQ(entries(), (QStringList{"1 0 E:\\ TOOLS\\UNZIP.EXE", "1 0 E:\\ TOOLS\\ZIP.EXE",
                                      "1 0 E:\\ TOOLS\\DEEP\\DEEP.EXE"}))
        << "the directory first, then those below";
    EXPECT_EQ(listed(), (QStringList{"TOOLS\\DEEP Directory"}));
    EXPECT_EQ(w.totalImported(), 3);
    EXPECT_EQ(w.remaining(), 0);
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(ScanResultsWindowTest, NewScanCancelledClosesTheWindowAndClosingTidiesUp) {
    open();
    options.Cancelled = 1;
    click(ScanResultsWindow::NewScanButton);
    settleEvents();
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::ScanResults));
    EXPECT_EQ(GLO.ScanFileQueue.records(), 0u);
}

TEST_F(ScanResultsWindowTest, CancelledOptionsNeverOpenTheWindow) {
    options.Cancelled = 1;
    auto* w = new ScanResultsWindow;
    EXPECT_NE(w->Start(), 0);
    settleEvents();
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::ScanResults));
}

TEST_F(ScanResultsWindowTest, ALevelOneUserImportsNothingAndGetsNoMenu) {
    GLO.UserLevel = 1;
    ScanResultsWindow& w = open();
    select("SETUP.EXE");
    EXPECT_FALSE(enabled(ScanResultsWindow::AddAllButton));
    EXPECT_FALSE(enabled(ScanResultsWindow::AddSelectedButton));
    EXPECT_FALSE(enabled(ScanResultsWindow::AddTreeButton));
    w.popup();
    EXPECT_TRUE(host.dialogs().empty());
}

TEST_F(ScanResultsWindowTest, PopupItemsFollowTheRowAndRunTheirCommand) {
    ScanResultsWindow& w = open();
    select("SETUP.EXE");
    host.answerPopup(2); // "&Add All"
    w.popup();
    ASSERT_EQ(host.dialogs().size(), 1u);
    EXPECT_EQ(host.dialogs()[0].detail,
              "Add &Selected|&Add All|-|&Start|-|&Print|-|&Help|-|&Close");
    waitForImport();
    EXPECT_EQ(entries().size(), 2);
}

TEST_F(ScanResultsWindowTest, TheMainFramesScanImportStartsTheWindow) {
    ASSERT_TRUE(Procedures::exists(Procedure::ScanResults));
    Procedures::run(Procedure::ScanResults, Way::AsListed);
    settleEvents();
    EXPECT_EQ(optionsAsked, 1);
    EXPECT_TRUE(GLO.Threads.isOpen(Instance::ScanResults));
    Procedures::run(Procedure::ScanResults, Way::AsListed);
    settleEvents();
    EXPECT_EQ(optionsAsked, 1) << "a second start brings the open window forward";
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "ScanResults") top->close();
    settleEvents();
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::ScanResults));
}

} // namespace
