#include "framework/browse/ColumnExplorer.h"

#include "ArchiveListWindow.h"
#include "support/CatalogueTest.h"

#include <QFile>
#include <QHeaderView>
#include <QPointer>

namespace {

class ColumnExplorerTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Access::Archief().Open();
        for (const auto& [naam, cd, cls] :
             {std::tuple{"delta.exe", 3, "Games"}, std::tuple{"alpha.exe", 7, "Games"},
              std::tuple{"charlie, \"the\" tool", 1, "Tools"},
              std::tuple{"bravo.exe", 5, "Tools"}}) {
            ARC.clear();
            ARC.Naam = QString::fromUtf8(naam);
            ARC.CdNr = quint16(cd);
            ARC.Soort = cls;
            ASSERT_EQ(Access::Archief().TryInsert(), LevelBenign);
        }
    }
    void TearDown() override {
        explorer.reset();
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        Access::Archief().Close();
        CatalogueTest::TearDown();
    }
    void open() {
        w = new ArchiveListWindow;
        w->Start();
        settleEvents();
        explorer = std::make_unique<ColumnExplorer>(*w->list, w->browse, ini, "ArchiveList");
        settleEvents();
    }
    // The rows as shown once the list has taken what was asked of it.
    QStringList names() const {
        settleEvents();
        QStringList out;
        for (int r = 0; r < w->list->model().rowCount(); ++r)
            out << w->list->model().text(r, 0);
        return out;
    }
    QHeaderView& header() { return w->list->header(); }

    QPointer<ArchiveListWindow> w;
    std::unique_ptr<ColumnExplorer> explorer;
};

TEST_F(ColumnExplorerTest, HeaderClicksSortRiseFallAndClearingGivesTheOrderBack) {
    open();
    const QStringList byName = {"alpha.exe", "bravo.exe", "charlie, \"the\" tool", "delta.exe"};
    EXPECT_EQ(names(), byName);
    explorer->HeaderClicked(1); // CD number
    EXPECT_EQ(names(),
              QStringList({"charlie, \"the\" tool", "delta.exe", "bravo.exe", "alpha.exe"}));
    EXPECT_TRUE(header().isSortIndicatorShown());
    EXPECT_EQ(header().sortIndicatorOrder(), Qt::AscendingOrder);
    explorer->HeaderClicked(1);
    EXPECT_TRUE(explorer->Descending());
    EXPECT_EQ(names(),
              QStringList({"alpha.exe", "bravo.exe", "delta.exe", "charlie, \"the\" tool"}));
    // The column's sort stays over a change of the list's order, until it is cleared.
    w->browse.SetSort(ArchiveListWindow::ByRecord);
    w->Reset(true);
    settleEvents();
    EXPECT_EQ(names().first(), "alpha.exe");
    w->browse.SetSort(ArchiveListWindow::ByName);
    host.answerPopup(3); // Clear sort
    explorer->ShowMenu(0);
    EXPECT_EQ(explorer->SortColumn(), -1);
    EXPECT_FALSE(header().isSortIndicatorShown());
    EXPECT_EQ(names(), byName);
}

TEST_F(ColumnExplorerTest, MenuHidesAndShowsColumnsButNeverTheLast) {
    open();
    EXPECT_EQ(explorer->MenuText(0), "Sort &ascending|Sort &descending|~&Clear sort|-|"
                                     "C&olumns{+File Name|+Cd Nr.|+Software Class}|-|"
                                     "&Export list...");
    host.answerPopup(5); // Cd Nr.
    explorer->ShowMenu(0);
    EXPECT_TRUE(explorer->IsHidden(1));
    explorer->SetHidden(2, true);
    explorer->SetHidden(0, true); // the last one shown stays
    EXPECT_FALSE(explorer->IsHidden(0));
    EXPECT_TRUE(explorer->MenuText(-1).contains("C&olumns{~+File Name|Cd Nr.|Software Class}"));
    EXPECT_TRUE(explorer->MenuText(-1).startsWith("~Sort &ascending|~Sort &descending"));
    host.answerPopup(5);
    explorer->ShowMenu(-1);
    EXPECT_FALSE(explorer->IsHidden(1));
    ASSERT_EQ(explorer->ShownColumns().size(), 2u);
    EXPECT_EQ(explorer->ShownColumns()[1].Header, "Cd Nr.");
}

TEST_F(ColumnExplorerTest, ExportWritesTheShownColumnsInTheirPlaces) {
    open();
    header().moveSection(header().visualIndex(1), 0);
    explorer->SetHidden(2, true);
    explorer->SortBy(1, true);
    const QString path = dataDir() + "/list.csv";
    host.answerPopup(7); // Export list...
    host.answerFile(path);
    explorer->ShowMenu(0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Cd Nr.,File Name\r\n"
                                         "7,alpha.exe\r\n"
                                         "5,bravo.exe\r\n"
                                         "3,delta.exe\r\n"
                                         "1,\"charlie, \"\"the\"\" tool\"\r\n"));
    // A cancelled file dialog writes nothing.
    host.answerFile(QString());
    EXPECT_FALSE(explorer->ExportList());
}

TEST_F(ColumnExplorerTest, LayoutIsKeptAndAStrangeOneIsLeftAlone) {
    open();
    header().moveSection(header().visualIndex(2), 0);
    explorer->SetHidden(1, true);
    explorer->SortBy(0, true);
    w->list->table().setColumnWidth(0, 250);
    explorer->Save();
    EXPECT_EQ(ini.Fetch("ArchiveList", "ColumnOrder"), "2,0,1");
    EXPECT_EQ(ini.Fetch("ArchiveList", "HiddenColumns"), "1");
    EXPECT_EQ(ini.Fetch("ArchiveList", "SortColumn"), "1");
    explorer.reset();
    w->Post(windowEvent(EventKind::CloseWindow));
    settleEvents();

    open();
    EXPECT_EQ(header().logicalIndex(0), 2);
    EXPECT_TRUE(explorer->IsHidden(1));
    EXPECT_NEAR(w->list->table().columnWidth(0), 250, 4);
    EXPECT_EQ(names().first(), "delta.exe");
    explorer.reset();
    w->Post(windowEvent(EventKind::CloseWindow));
    settleEvents();

    // Settings from another list layout, or edited by hand: the list comes as built.
    ini.Update("ArchiveList", "ColumnOrder", "2,2,0");
    ini.Update("ArchiveList", "ColumnWidths", "x,40");
    ini.Update("ArchiveList", "HiddenColumns", "0,1,2,9");
    ini.Update("ArchiveList", "SortColumn", "12");
    open();
    EXPECT_EQ(header().logicalIndex(0), 0);
    EXPECT_EQ(header().count() - header().hiddenSectionCount(), 1) << "one column stays";
    EXPECT_EQ(explorer->SortColumn(), -1);
    EXPECT_EQ(names().first(), "alpha.exe");
}

} // namespace
