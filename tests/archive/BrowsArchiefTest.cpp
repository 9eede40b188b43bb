#include "archive/BrowsArchief.h"

#include "archive/BrowsArchiefWindow.h"
#include "archive/UpdateArchiefWindow.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Procedures.h"
#include "framework/DayNumbers.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QPointer>
#include <QTabWidget>

namespace {

using W = BrowsArchiefWindow;

class BrowsArchiefTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        GLO.UserLevel = 3;
        GLO.KeepSelection = 0;
        GLO.BrowseAction = 0;
        Protocol::GlobalRequest = NoRequest;
        Access::Archief().Open();
        for (const char* cls : {"Games", "O'Brien's tools", "Utilities"})
            addClass(cls);
        add(1, 0, "Arcade CD", "ARCADE.EXE", "Games", 20260105, "Kestrel Games");
        add(2, 0, "Tools CD", "ZIPPER.EXE", "Utilities", 20250310, "");
        add(0, 4, "Backup disk", "BACKUP.EXE", "Utilities", 20240101, "Harbour Tools");
        add(3, 0, "Irish tools", "PADDY.EXE", "O'Brien's tools", 20230101, "");
        add(0, 5, "Loose disk", "LOOSE.TXT", "Everything", 0, "");
    }
    void TearDown() override {
        closeList();
        Access::Archief().Close();
        CatalogueTest::TearDown();
    }
    void addClass(const QString& name) {
        Access::SoortTabel().Open();
        SRT.clear();
        SRT.Soort = name;
        EXPECT_EQ(Access::SoortTabel().TryInsert(), LevelBenign);
        Access::SoortTabel().Close();
    }
    void add(int cd, int disk, const QString& medium, const QString& naam, const QString& cls,
             int yyyymmdd, const QString& producer) {
        ARC.clear();
        ARC.CdNr = quint16(cd);
        ARC.DiskNr = quint16(disk);
        ARC.CDiskNaam = medium;
        ARC.Naam = naam;
        ARC.Soort = cls;
        ARC.Producer = producer;
        if (yyyymmdd)
            ARC.Date = Pictures::dayNumber(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100);
        ASSERT_EQ(Access::Archief().TryInsert(), LevelBenign);
    }
    W& open() {
        BrowsArchief();
        settleEvents();
        w = static_cast<W*>(WindowRegistry::Top(int(GLO.Threads.thread(Instance::ArchiveBrowse))));
        EXPECT_TRUE(w);
        return *w;
    }
    void closeList() {
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
    }
    void post(EventKind kind, int control, int key = 0) {
        w->Post(controlEvent(kind, control, key));
        settleEvents();
    }
    void press(int control) { post(EventKind::Accepted, control); }
    void tab(int n) {
        w->ChooseTab(n);
        settleEvents();
    }
    void chooseClass(const QString& name) {
        w->ChooseClass(name);
        settleEvents();
    }
    // One column of the rows shown.
    QStringList shown(int column = 1) const {
        QStringList out;
        for (int r = 0; r < w->ListControl().model().rowCount(); ++r)
            out << w->ListControl().model().text(r, column);
        return out;
    }
    QString caption() const { return w->TopLevel().windowTitle(); }

    QPointer<W> w;
};

TEST_F(BrowsArchiefTest, TabsOrderTheListAndLeaveOutEntriesWithoutTheKeysValue) {
    open();
    EXPECT_EQ(w->WhichTab(), 1);
    EXPECT_EQ(shown(), QStringList({"ARCADE.EXE", "ZIPPER.EXE", "PADDY.EXE"}))
        << "the CD tab lists only entries with a CD number";
    tab(2);
    EXPECT_EQ(shown(), QStringList({"BACKUP.EXE", "LOOSE.TXT"}));
    tab(3);
    EXPECT_EQ(shown(0),
              QStringList({"Arcade CD", "Backup disk", "Irish tools", "Loose disk", "Tools CD"}));
    tab(5);
    EXPECT_EQ(shown(),
              QStringList({"ARCADE.EXE", "BACKUP.EXE", "LOOSE.TXT", "PADDY.EXE", "ZIPPER.EXE"}));
    tab(6);
    EXPECT_EQ(shown(), QStringList({"ARCADE.EXE", "ZIPPER.EXE", "BACKUP.EXE", "PADDY.EXE"}))
        << "newest first, undated entries left out";
    // The producer key holds the file name too: only an entry without both is left out.
    tab(7);
    EXPECT_EQ(shown(),
              QStringList({"LOOSE.TXT", "PADDY.EXE", "ZIPPER.EXE", "BACKUP.EXE", "ARCADE.EXE"}));
    EXPECT_EQ(w->ListControl().model().text(3, 2), "") << "CD number 0 shows blank";
    EXPECT_EQ(w->ListControl().model().text(3, 3), "4");
}

TEST_F(BrowsArchiefTest, ClassChoiceFiltersCountsAndRetitles) {
    open();
    tab(5);
    EXPECT_EQ(caption(), "Everything - Number of records : 4")
        << "entries of class Everything are listed but not counted";
    EXPECT_EQ(shown().size(), 5);
    chooseClass("Utilities");
    EXPECT_EQ(shown(), QStringList({"BACKUP.EXE", "ZIPPER.EXE"}));
    EXPECT_EQ(caption(), "Utilities - Number of records : 2");
    EXPECT_EQ(GLO.ClassFilter.str(), "Utilities");
    EXPECT_EQ(GLO.ArchiveCount, 2u);

    // A quote in a class name is matched as written, not read as the end of a text.
    chooseClass("O'Brien's tools");
    EXPECT_EQ(shown(), QStringList({"PADDY.EXE"}));
    EXPECT_EQ(caption(), "O'Brien's tools - Number of records : 1");
    EXPECT_TRUE(host.messages().empty());

    press(W::NoSelectionButton);
    settleEvents();
    EXPECT_EQ(caption(), "Everything - Number of records : 4");
    EXPECT_EQ(SRT.Soort.str(), "Everything");

    // Another window reading the class file does not change what the list shows.
    chooseClass("Games");
    SRT.Soort = "Utilities";
    post(EventKind::PageDown, W::List);
    w->Reset(true);
    EXPECT_EQ(shown(), QStringList({"ARCADE.EXE"}));
}

TEST_F(BrowsArchiefTest, ButtonsFollowLevelAndCount) {
    open();
    chooseClass("Games");
    for (int b : {W::IncludeButton, W::DeleteButton, W::DeleteMediumButton, W::NewCdButton,
                  W::NewDiskButton, W::PropertiesButton, W::WebsiteButton, W::EmailButton})
        EXPECT_TRUE(w->C().IsEnabled(b)) << b;
    EXPECT_EQ(w->C().IsEnabled(W::PrintButton), Procedures::exists(Procedure::PrintSelection));
    EXPECT_EQ(w->C().IsEnabled(W::ScanButton), Procedures::exists(Procedure::ScanResults));
    EXPECT_TRUE(w->C().IsEnabled(W::SearchButton));
    EXPECT_TRUE(w->C().IsHidden(W::SelectButton));

    addClass("Empty");
    chooseClass("Empty");
    EXPECT_EQ(caption(), "Empty - Number of records : 0");
    for (int b : {W::IncludeButton, W::DeleteButton, W::DeleteMediumButton, W::PropertiesButton,
                  W::WebsiteButton, W::EmailButton, W::PrintButton, W::PrintRecordButton})
        EXPECT_FALSE(w->C().IsEnabled(b)) << b;
    EXPECT_TRUE(w->C().IsEnabled(W::NewCdButton));
    EXPECT_TRUE(w->C().IsEnabled(W::NewDiskButton));

    // A locator typed on the empty list, a thumb dragged: nothing to go to, nothing breaks.
    post(EventKind::AlertKey, W::List, BrowseKeys::character(U'Q'));
    post(EventKind::ScrollDrag, W::List, 50);
    EXPECT_EQ(shown().size(), 0);

    closeList();
    GLO.UserLevel = 1;
    open();
    for (int b : {W::IncludeButton, W::DeleteButton, W::DeleteMediumButton, W::NewCdButton,
                  W::NewDiskButton})
        EXPECT_FALSE(w->C().IsEnabled(b)) << b;
    EXPECT_TRUE(w->C().IsEnabled(W::PropertiesButton));
    host.answerPopup(0);
    post(EventKind::AlertKey, W::List, Keys::MouseRight);
    ASSERT_FALSE(host.dialogs().empty());
    const QString scan = Procedures::exists(Procedure::ScanResults) ? "" : "~";
    EXPECT_EQ(host.dialogs().back().detail,
              "Properties|-|" + scan +
                  "Scan/Import|-|Search|-|Website|Email|-|Print|Print Record|-|Help|-|Close");
    post(EventKind::AlertKey, W::List, Keys::Delete);
    EXPECT_EQ(shown().size(), 3) << "no deletion below level 2";
}

TEST_F(BrowsArchiefTest, HighlightGivesTheCurrentMedium) {
    open();
    tab(2);
    post(EventKind::ScrollDown, W::List);
    EXPECT_EQ(GLO.CurrentMediumName.str(), "Loose disk");
    EXPECT_EQ(GLO.CurrentDiskNr, 5);
    EXPECT_EQ(GLO.CurrentCdNr, 0);
    EXPECT_EQ(w->C().Value(W::FileNameEntry), "LOOSE.TXT");
    post(EventKind::ScrollUp, W::List);
    EXPECT_EQ(GLO.CurrentMediumName.str(), "Backup disk");
}

TEST_F(BrowsArchiefTest, EmailChecksTheProducerAndItsAddress) {
    Access::Prd().Open();
    PRD.clear();
    PRD.Name = "Kestrel Games";
    PRD.Support = "support-at-kestrel";
    ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    PRD.clear();
    PRD.Name = "Harbour Tools";
    ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    Access::Prd().Close();

    open();
    tab(7); // three without producer, Backup disk (Harbour Tools), Arcade CD (Kestrel Games)
    post(EventKind::ScrollBottom, W::List);
    post(EventKind::ScrollUp, W::List);
    press(W::EmailButton);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Error : email address empty");
    post(EventKind::ScrollDown, W::List);
    press(W::EmailButton);
    ASSERT_EQ(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[1].text, "Error : email address not valid");

    tab(5); // BACKUP.EXE's producer exists; LOOSE.TXT has none
    post(EventKind::ScrollTop, W::List);
    post(EventKind::ScrollDown, W::List);
    post(EventKind::ScrollDown, W::List);
    press(W::EmailButton);
    ASSERT_GE(host.messages().size(), 3u);
    EXPECT_EQ(host.messages()[2].text, "Error opening producer file");
    EXPECT_EQ(host.messages()[2].caption, "Wareloft");
}

TEST_F(BrowsArchiefTest, ToolbarActionsPressTheButtonOfTheAction) {
    open();
    tab(5);
    post(EventKind::ScrollTop, W::List);
    GLO.BrowseAction = BrowseActionDeleteRecord;
    host.answer(ButtonYes);
    whenShown(QStringLiteral("UpdateArchief"), [](QWidget& form) {
        const QString ok = QStringLiteral("control%1").arg(int(UpdateArchiefWindow::OkButton));
        form.findChild<QAbstractButton*>(ok)->click();
        settleEvents();
    });
    WindowRegistry::PostGainFocus(int(GLO.Threads.thread(Instance::ArchiveBrowse)));
    settleEvents();
    EXPECT_EQ(GLO.BrowseAction, 0);
    ASSERT_FALSE(host.messages().empty()) << "the deletion asks first";
    settleEvents();
    EXPECT_EQ(shown(), QStringList({"BACKUP.EXE", "LOOSE.TXT", "PADDY.EXE", "ZIPPER.EXE"}));
    EXPECT_EQ(caption(), "Everything - Number of records : 3");
}

TEST_F(BrowsArchiefTest, SecondStartBringsTheFirstForward) {
    open();
    const int before = WindowRegistry::Count();
    BrowsArchief();
    settleEvents();
    EXPECT_EQ(WindowRegistry::Count(), before);
    EXPECT_TRUE(w);
}

TEST_F(BrowsArchiefTest, ClosingKeepsTabClassColumnsAndColour) {
    ini.Update("System", "Color", "0");
    open();
    EXPECT_EQ(GLO.BrowseColor, 12567173) << "a stored colour 0 gives the default";
    tab(4);
    chooseClass("Utilities");
    QHeaderView& header = w->ListControl().header();
    header.moveSection(header.visualIndex(4), 0); // the class column first
    w->Columns().SetHidden(11, true);             // no remarks
    w->Columns().SortBy(1, true);                 // file names falling
    EXPECT_EQ(shown(), QStringList({"ZIPPER.EXE", "BACKUP.EXE"}));
    w->ListControl().table().setColumnWidth(1, 333);

    GLO.KeepSelection = 1;
    closeList();
    EXPECT_EQ(ini.Fetch("System", "ClassSel"), "Utilities");
    EXPECT_EQ(ini.Fetch("System", "WhichTab"), "4");
    EXPECT_EQ(ini.Fetch("System", "KeepSel"), "1");
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::ArchiveBrowse));

    open();
    EXPECT_EQ(w->WhichTab(), 4);
    EXPECT_EQ(caption(), "Utilities - Number of records : 2");
    QHeaderView& again = w->ListControl().header();
    EXPECT_EQ(again.logicalIndex(0), 4);
    EXPECT_TRUE(again.isSectionHidden(11));
    EXPECT_NEAR(w->ListControl().table().columnWidth(1), 333, 4);
    EXPECT_EQ(w->Columns().SortColumn(), 1);
    EXPECT_EQ(shown(), QStringList({"ZIPPER.EXE", "BACKUP.EXE"}));

    // Without Keep Selection every class is shown the next time.
    GLO.KeepSelection = 0;
    closeList();
    EXPECT_EQ(ini.Fetch("System", "ClassSel"), "Everything");
    open();
    EXPECT_EQ(caption(), "Everything - Number of records : 4");
}

TEST_F(BrowsArchiefTest, StoredTabOutsideTheSheetListsByClass) {
    ini.Update("System", "WhichTab", "9");
    open();
    EXPECT_EQ(shown(4),
              QStringList({"Everything", "Games", "O'Brien's tools", "Utilities", "Utilities"}));
}

} // namespace
