#include "ArchiveListWindow.h"

#include "core/Process.h"
#include "framework/store/Positions.h"
#include "framework/window/Keys.h"
#include "support/CatalogueTest.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTableView>

namespace {

constexpr int Entries = 130;

QString nameOf(int i) {
    return QStringLiteral("%1file%2").arg(QChar('A' + i % 26)).arg(i, 3, 10, QChar('0'));
}

class BrowseManagerTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Protocol::VCRRequest = 0;
        store::RecordStore& store = process->store();
        FileManager& arc = Access::Archief();
        ASSERT_EQ(arc.UseFile(), LevelBenign);
        ASSERT_EQ(store.begin({arc.File}, 5), store::Ok);
        for (int i = 0; i < Entries; ++i) {
            ARC.clear();
            ARC.Naam = nameOf(i);
            ARC.CdNr = quint16(i % 10 == 0 ? 0 : i % 40 + 1);
            ARC.Soort = i % 3 == 0 ? "Games" : "Tools";
            ASSERT_EQ(arc.Insert(), LevelBenign);
        }
        ASSERT_EQ(store.commit(), store::Ok);
    }
    void TearDown() override {
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        CatalogueTest::TearDown();
    }

    ArchiveListWindow& open(int height = 330) {
        w = new ArchiveListWindow;
        EXPECT_EQ(w->Start(), LevelBenign);
        w->TopLevel().resize(520, height);
        settleEvents();
        rows = w->list->visibleRows();
        return *w;
    }
    void post(EventKind kind, int key = 0) {
        w->Post(controlEvent(kind, ArchiveListWindow::List, key));
        settleEvents();
    }
    void type(const QString& text) {
        for (QChar c : text)
            post(EventKind::AlertKey, BrowseKeys::character(c.unicode()));
    }
    QStringList shown() const {
        QStringList out;
        const int naam = Dictionary::Archief().fieldIndex("ARC:Naam");
        for (const BrowseRow& r : w->browse.ListQueue)
            out << std::get<QString>(r.Values[size_t(naam)]);
        return out;
    }
    QString current() const {
        const int c = w->browse.CurrentChoice;
        return c >= 1 && c <= int(w->browse.ListQueue.size()) ? shown()[c - 1] : QString();
    }
    // Every entry of an order, as the store reads it.
    static QStringList inOrder(int key, const QString& onlyClass = {}) {
        auto c = Access::Archief().File->cursor();
        ArchiefRecord r;
        QStringList out;
        c->setOrder(key);
        while (c->next(r) == store::Ok)
            if (onlyClass.isEmpty() || r.Soort == onlyClass) out << r.Naam.str();
        return out;
    }

    QPointer<ArchiveListWindow> w;
    int rows = 0;
};

} // namespace

TEST_F(BrowseManagerTest, OnlyTheVisibleRowsAreReadAndThePagesFollowEachOther) {
    open();
    ASSERT_GE(rows, 5);
    const QStringList all = inOrder(ArcKey::KeyNaam);
    ASSERT_EQ(all.size(), Entries);
    EXPECT_EQ(shown(), all.mid(0, rows));
    EXPECT_EQ(w->browse.CurrentChoice, 1);
    EXPECT_EQ(w->list->model().text(0, 0), all[0]);
    EXPECT_EQ(w->list->currentRow(), 1);
    EXPECT_EQ(w->list->thumbPosition(), 0);

    post(EventKind::ScrollDown);
    post(EventKind::ScrollDown);
    post(EventKind::PageDown);
    EXPECT_EQ(shown(), all.mid(rows, rows));
    EXPECT_EQ(current(), all[rows + 2]);
    post(EventKind::PageUp);
    EXPECT_EQ(shown(), all.mid(0, rows));
    EXPECT_EQ(current(), all[2]);
    for (int i = 0; i < 4; ++i)
        post(EventKind::ScrollUp);
    EXPECT_EQ(current(), all[0]) << "the first record stops the list";

    for (int i = 0; i < rows; ++i)
        post(EventKind::ScrollDown);
    EXPECT_EQ(shown(), all.mid(1, rows)) << "a row down past the page reads one more";
    EXPECT_EQ(w->browse.CurrentChoice, rows);

    post(EventKind::ScrollBottom);
    EXPECT_EQ(shown(), all.mid(Entries - rows));
    EXPECT_EQ(current(), all.last());
    EXPECT_EQ(w->list->thumbPosition(), 100);
    post(EventKind::ScrollDown);
    post(EventKind::PageDown);
    EXPECT_EQ(current(), all.last());
    post(EventKind::PageUp);
    EXPECT_EQ(shown(), all.mid(Entries - 2 * rows, rows));
    EXPECT_EQ(current(), all[Entries - rows - 1]);
    post(EventKind::ScrollTop);
    EXPECT_EQ(shown(), all.mid(0, rows));
    EXPECT_LE(int(w->browse.ListQueue.size()), rows);
}

TEST_F(BrowseManagerTest, AnEmptyRangeDisablesChangeAndDeleteAndInsertsCarryTheRange) {
    open();
    w->cls = QStringLiteral("Emulators");
    w->browse.SetSort(ArchiveListWindow::ByClass);
    w->Reset(true);
    settleEvents();
    EXPECT_TRUE(w->browse.ListQueue.empty());
    EXPECT_FALSE(w->C().IsEnabled(ArchiveListWindow::Change));
    EXPECT_FALSE(w->C().IsEnabled(ArchiveListWindow::Delete));
    EXPECT_TRUE(w->C().IsEnabled(ArchiveListWindow::Insert));

    post(EventKind::AlertKey, Keys::Delete); // nothing to delete: no form
    post(EventKind::AlertKey, Keys::CtrlEnter);
    type("zq"); // a locator on an empty list
    post(EventKind::ScrollDrag, 40);
    post(EventKind::PageDown);
    EXPECT_TRUE(w->calls.empty());
    EXPECT_TRUE(w->browse.ListQueue.empty());
    w->form = [](int request) {
        EXPECT_EQ(request, InsertRecord);
        EXPECT_EQ(ARC.Soort.str(), "Emulators") << "primed with the range value";
        EXPECT_NE(ARC.NR, 0u) << "the number is reserved before the form opens";
        ARC.Naam = "MAME.EXE";
        return Access::Archief().Insert() == LevelBenign ? RequestCompleted : RequestCancelled;
    };
    post(EventKind::AlertKey, Keys::Insert);
    ASSERT_EQ(w->calls.size(), 1u);
    EXPECT_EQ(shown(), QStringList({"MAME.EXE"}));
    EXPECT_EQ(w->browse.CurrentChoice, 1);
    EXPECT_TRUE(w->C().IsEnabled(ArchiveListWindow::Change));
    EXPECT_EQ(inOrder(ArcKey::KeySoort, "Emulators"), QStringList({"MAME.EXE"}));
}

TEST_F(BrowseManagerTest, LocatorsFindTheTypedValue) {
    open();
    const QStringList all = inOrder(ArcKey::KeyNaam);
    type("m");
    EXPECT_EQ(current(), "Mfile012");
    type("m");
    EXPECT_EQ(current(), "Mfile038") << "the same letter walks the rows that begin with it";
    type("M");
    EXPECT_EQ(current(), "Mfile064");
    type("z");
    EXPECT_EQ(current(), "Zfile025");
    EXPECT_EQ(shown().last(), all.last()) << "near the end the page is filled from above";
    EXPECT_EQ(int(shown().size()), rows);

    w->browse.SetSort(ArchiveListWindow::ByCd);
    w->Reset(true);
    settleEvents();
    type("1");
    type("2");
    EXPECT_EQ(w->incrementalLocator.Typed(), "12");
    const int cd = Dictionary::Archief().fieldIndex("ARC:CdNr");
    auto currentCd = [&] {
        return std::get<qint64>(
            w->browse.ListQueue[size_t(w->browse.CurrentChoice - 1)].Values[size_t(cd)]);
    };
    EXPECT_EQ(currentCd(), 12);
    post(EventKind::AlertKey, Keys::Backspace);
    EXPECT_EQ(currentCd(), 2) << "the first number at or after 1";
    type("99");
    EXPECT_EQ(w->incrementalLocator.Typed(), "199");
    EXPECT_EQ(currentCd(), 40) << "past the last value: the last record";
    post(EventKind::ScrollUp);
    EXPECT_EQ(w->incrementalLocator.Typed(), "") << "scrolling forgets what was typed";
}

TEST_F(BrowseManagerTest, TheThumbPositionsByTheKeysValues) {
    open();
    const QStringList all = inOrder(ArcKey::KeyNaam);
    post(EventKind::ScrollDrag, 50);
    EXPECT_TRUE(current().startsWith('M') || current().startsWith('N')) << current().toStdString();
    EXPECT_GE(w->list->thumbPosition(), 40);
    EXPECT_LE(w->list->thumbPosition(), 60);
    post(EventKind::ScrollDrag, 100);
    EXPECT_EQ(current(), all.last());
    post(EventKind::ScrollDrag, 1);
    EXPECT_EQ(current(), all.first());

    // A list of one row without a thumb of its own.
    ARC.clear();
    ARC.Naam = "ONLY.EXE";
    ARC.Soort = "Single";
    ASSERT_EQ(Access::Archief().Insert(), LevelBenign);
    w->cls = QStringLiteral("Single");
    w->browse.SetSort(ArchiveListWindow::ByClass);
    w->Reset(true);
    settleEvents();
    for (int position : {30, 50, 70, 0, 100}) {
        post(EventKind::ScrollDrag, position);
        EXPECT_EQ(shown(), QStringList({"ONLY.EXE"})) << position;
    }
}

TEST_F(BrowseManagerTest, AResetKeepsTheCurrentRecordAtItsRowOrFallsBackToTheFirst) {
    open();
    const QStringList all = inOrder(ArcKey::KeyNaam);
    post(EventKind::PageDown);
    post(EventKind::ScrollDown);
    post(EventKind::ScrollDown);
    const QString kept = current();
    ASSERT_EQ(kept, all[rows + 2]);
    w->browse.SetSort(ArchiveListWindow::ByRecord);
    w->Reset(true);
    settleEvents();
    EXPECT_EQ(current(), kept);
    EXPECT_EQ(w->browse.CurrentChoice, 3);
    w->browse.SetSort(ArchiveListWindow::ByName);
    w->Reset(true);
    settleEvents();
    EXPECT_EQ(current(), kept);
    EXPECT_EQ(shown(), all.mid(rows, rows));

    // Another window deletes the record: the list starts again from the first row.
    ArchiefRecord r;
    r.Naam = kept;
    ASSERT_EQ(Access::Archief().File->get(ArcKey::KeyNaam, r), store::Ok);
    ASSERT_EQ(Access::Archief().File->erase(r), store::Ok);
    w->Reset(true);
    settleEvents();
    EXPECT_EQ(w->browse.CurrentChoice, 1);
    EXPECT_EQ(current(), all.first());

    // A window of one row still pages and locates.
    w->TopLevel().resize(520, 60);
    settleEvents();
    const int one = w->list->visibleRows();
    EXPECT_EQ(int(w->browse.ListQueue.size()), one);
    post(EventKind::PageDown);
    post(EventKind::ScrollDrag, 60);
    type("q");
    EXPECT_TRUE(current().startsWith('Q'));
    EXPECT_EQ(int(w->browse.ListQueue.size()), one);

    // More rows fit: the list is refilled to its new height.
    const int before = rows;
    w->TopLevel().resize(520, 520);
    settleEvents();
    ASSERT_GT(w->list->visibleRows(), before);
    EXPECT_EQ(int(w->browse.ListQueue.size()), w->list->visibleRows());
}

TEST_F(BrowseManagerTest, TheFormIsCalledAgainForEachNavigationRequest) {
    open();
    const QStringList all = inOrder(ArcKey::KeyNaam);
    int changes = 0;
    w->form = [&](int request) {
        if (request != ChangeRecord) return RequestCancelled;
        EXPECT_NE(ARC.identity().record, 0) << "the form gets the whole stored record";
        ARC.Version = QStringLiteral("v%1").arg(++changes);
        Relate::Archief().Save();
        if (Relate::Archief().Update(true) != LevelBenign) return RequestCancelled;
        Protocol::VCRRequest = changes < 3 ? ToolDown : 0; // "save and go to next record"
        return RequestCompleted;
    };
    post(EventKind::ScrollDown);
    post(EventKind::AlertKey, Keys::CtrlEnter);
    ASSERT_EQ(w->calls.size(), 3u);
    EXPECT_EQ(current(), all[3]);
    QStringList versions;
    auto c = Access::Archief().File->cursor();
    ArchiefRecord r;
    c->setOrder(ArcKey::KeyNaam);
    for (int i = 0; i < 5 && c->next(r) == store::Ok; ++i)
        versions << r.Version.str();
    EXPECT_EQ(versions, QStringList({"", "v1", "v2", "v3", ""}));

    // Deleting the current row: the rows below move up and the page stays full.
    w->calls.clear();
    w->form = [](int request) {
        EXPECT_EQ(request, DeleteRecord);
        return Relate::Archief().Delete(false) == LevelBenign ? RequestCompleted : RequestCancelled;
    };
    post(EventKind::AlertKey, Keys::Delete);
    ASSERT_EQ(w->calls.size(), 1u);
    EXPECT_EQ(current(), all[4]);
    EXPECT_EQ(shown(), QStringList(all.mid(0, 3) + all.mid(4, rows - 3)));

    // Inserting with "save and add another": a second insert on a cleared record.
    w->calls.clear();
    int inserts = 0;
    w->form = [&](int request) {
        EXPECT_EQ(request, InsertRecord);
        EXPECT_TRUE(ARC.Naam.isBlank());
        ARC.Naam = QStringLiteral("0new%1").arg(++inserts);
        Protocol::VCRRequest = inserts == 1 ? ToolInsert : 0;
        return Access::Archief().Insert() == LevelBenign ? RequestCompleted : RequestCancelled;
    };
    w->Post(controlEvent(EventKind::Accepted, ArchiveListWindow::Insert));
    settleEvents();
    EXPECT_EQ(inserts, 2);
    EXPECT_EQ(current(), "0new2");
    EXPECT_EQ(inOrder(ArcKey::KeyNaam).mid(0, 2), QStringList({"0new1", "0new2"}));
    post(EventKind::ScrollUp);
    EXPECT_EQ(current(), "0new1");
}

TEST_F(BrowseManagerTest, ThePopupMenuFollowsTheButtonsAndPressesThem) {
    open();
    host.answerPopup(3);
    w->form = [](int request) {
        return request == DeleteRecord ? RequestCancelled : RequestCancelled;
    };
    post(EventKind::AlertKey, Keys::MouseRight);
    ASSERT_FALSE(host.dialogs().empty());
    EXPECT_EQ(host.dialogs().back().detail, "&Insert|&Change|&Delete|&Print");
    ASSERT_EQ(w->calls.size(), 1u);
    EXPECT_EQ(w->calls[0].request, DeleteRecord);

    w->C().Hide(ArchiveListWindow::Print);
    w->cls = QStringLiteral("Emulators");
    w->browse.SetSort(ArchiveListWindow::ByClass);
    w->Reset(true);
    settleEvents();
    post(EventKind::AlertKey, Keys::MouseRight);
    EXPECT_EQ(host.dialogs().back().detail, "&Insert|~&Change|~&Delete");
}

TEST_F(BrowseManagerTest, AFilterThatDoesNotParseIsReportedAndTheListGoesOnWithoutIt) {
    open();
    w->browse.SetFilter(QStringLiteral("ARC:Soort = 'Games' AND (ARC:Sort <> 'x'"));
    w->browse.ApplyFilter();
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "View Open Error");
    EXPECT_TRUE(host.lastMessage()->text.startsWith("Error: (Invalid filter: "))
        << host.lastMessage()->text.toStdString();
    w->Reset(true);
    settleEvents();
    EXPECT_EQ(w->browse.Count(), Entries);

    w->browse.SetFilter(QStringLiteral("ARC:Soort = 'Games'"));
    w->browse.ApplyFilter();
    w->Reset(true);
    settleEvents();
    EXPECT_EQ(w->browse.Count(), 44);
    EXPECT_EQ(shown(), inOrder(ArcKey::KeyNaam, "Games").mid(0, rows));
}

TEST_F(BrowseManagerTest, AClickedRowBecomesTheCurrentOneAndTheFormsRecord) {
    open();
    QTableView& table = w->list->table();
    const QPoint at = table.visualRect(table.model()->index(3, 0)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, at, table.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(table.viewport(), &click);
    }
    settleEvents();
    EXPECT_EQ(w->browse.CurrentChoice, 4);
    EXPECT_EQ(table.currentIndex().row(), 3) << "the refresh keeps the clicked row";
    w->form = [](int) { return RequestCancelled; };
    post(EventKind::AlertKey, Keys::CtrlEnter);
    ASSERT_EQ(w->calls.size(), 1u);
    EXPECT_EQ(w->calls[0].request, ChangeRecord);
    EXPECT_EQ(w->calls[0].nr, quint32(std::get<qint64>(w->browse.ListQueue[3].Values[0])));
}

TEST_F(BrowseManagerTest, TheToolbarServesTheListItWasLastIn) {
    open();
    const QStringList all = inOrder(ArcKey::KeyNaam);
    post(EventKind::NewSelection); // the list becomes the toolbar's target
    EXPECT_EQ(w->C().TipOf(ToolPageDown), "Go to the Next Page");
    EXPECT_EQ(w->C().TipOf(ToolInsert), "Insert a new Record");
    EXPECT_TRUE(w->C().IsEnabled(ToolChange));
    EXPECT_FALSE(w->C().IsEnabled(ToolSelect)) << "not a selecting list";
    w->Post(controlEvent(EventKind::Accepted, ToolPageDown));
    settleEvents();
    EXPECT_EQ(current(), all[rows]);
    w->Post(controlEvent(EventKind::Accepted, ToolBottom));
    settleEvents();
    EXPECT_EQ(current(), all.last());

    w->cls = QStringLiteral("Emulators");
    w->browse.SetSort(ArchiveListWindow::ByClass);
    w->Reset(true);
    settleEvents();
    EXPECT_FALSE(w->C().IsEnabled(ToolChange));
    EXPECT_FALSE(w->C().IsEnabled(ToolDelete));
    EXPECT_TRUE(w->C().IsEnabled(ToolInsert));
    EXPECT_TRUE(w->C().IsEnabled(ToolPageDown)) << "scrolling is always offered";
}

TEST_F(BrowseManagerTest, ASelectingListHandsBackTheChosenRecord) {
    Protocol::GlobalRequest = SelectRecord;
    int response = 0;
    w = new ArchiveListWindow;
    w->onEnd = [&](int r) { response = r; };
    ASSERT_EQ(w->Start(), LevelBenign);
    w->TopLevel().resize(520, 330);
    settleEvents();
    ASSERT_TRUE(w->browse.Selecting);
    EXPECT_TRUE(w->C().IsEnabled(ArchiveListWindow::Select));
    EXPECT_EQ(w->C().DefaultButton(), int(ArchiveListWindow::Select));
    const QStringList all = inOrder(ArcKey::KeyNaam);
    post(EventKind::ScrollDown);
    post(EventKind::ScrollDown);
    w->Post(controlEvent(EventKind::Accepted, ArchiveListWindow::List)); // a double-click
    settleEvents();
    EXPECT_EQ(response, RequestCompleted);
    EXPECT_EQ(ARC.Naam.str(), all[2]);
    EXPECT_TRUE(w.isNull());
}

TEST_F(BrowseManagerTest, PrintRunsItsProcedureAndAHiddenSelectStaysHidden) {
    open();
    const QStringList all = inOrder(ArcKey::KeyNaam);
    post(EventKind::ScrollDown);
    w->Post(controlEvent(EventKind::Accepted, ArchiveListWindow::Print));
    settleEvents();
    ASSERT_EQ(w->calls.size(), 1u);
    EXPECT_EQ(w->calls[0].procedure, 2);
    EXPECT_EQ(w->calls[0].request, ProcessRecord);
    EXPECT_EQ(ARC.Naam.str(), all[1]);
    EXPECT_EQ(ARC.identity().record, 0) << "the row alone is no record to write";

    w->browse.HideSelect = true;
    w->Reset(true);
    settleEvents();
    EXPECT_TRUE(w->C().IsHidden(ArchiveListWindow::Select));
    host.answerPopup(0);
    post(EventKind::AlertKey, Keys::MouseRight);
    EXPECT_EQ(host.dialogs().back().detail, "&Insert|&Change|&Delete|&Print");
}
