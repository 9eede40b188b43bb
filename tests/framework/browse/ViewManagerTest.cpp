#include "framework/browse/ViewManager.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "support/CatalogueTest.h"

namespace {

class ViewManagerTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Relate::Archief().Open();
        view.Init(Relate::Archief());
        for (int i = 0; i < 12; ++i) {
            ARC.clear();
            ARC.Naam = QStringLiteral("%1.EXE").arg(QChar('a' + i));
            ARC.Producer = i % 2 ? "O'Brien" : "Acme";
            ARC.CdNr = quint16(i);
            ARC.Soort = i % 3 ? "Games" : "Tools";
            ASSERT_EQ(Access::Archief().Insert(), LevelBenign);
        }
    }
    void TearDown() override {
        view.Kill();
        Relate::Archief().Close();
        CatalogueTest::TearDown();
    }
    int field(const char* label) const { return Dictionary::Archief().fieldIndex(label); }
    QStringList names() {
        QStringList out;
        view.PositionAtStart();
        while (view.Next() == LevelBenign)
            out << ARC.Naam.str();
        return out;
    }

    ViewManager view;
};

} // namespace

TEST_F(ViewManagerTest, TheFilterTextIsBuiltFromTheRangeAndTheNamedFiltersInNameOrder) {
    view.AddSortOrder(ArcKey::KeyProducer);
    view.AddRange(field("ARC:Producer"), FieldValue(QString("O'Brien")));
    view.SetFilter("ARC:CdNr > 2", "9 Last");
    view.SetFilter("ARC:Soort <> 'Tools'");
    view.SetFilter("ARC:CdNr < 11", "1 First");
    ASSERT_EQ(view.Open(), LevelBenign);
    EXPECT_EQ(view.FilterText(), "UPPER(ARC:Producer) = UPPER('O''Brien') AND (ARC:CdNr < 11) AND "
                                 "(ARC:Soort <> 'Tools') AND (ARC:CdNr > 2)");
    EXPECT_EQ(names(), QStringList({"f.EXE", "h.EXE"}));
    EXPECT_EQ(view.Count(), 2);
    view.SetFilter({}, "1 First"); // an empty expression removes the filter
    view.ApplyFilter();
    EXPECT_EQ(names(), QStringList({"f.EXE", "h.EXE", "l.EXE"}));

    // A bounded last component after an equal one; numbers written plainly.
    view.AddSortOrder(ArcKey::KeyProducer);
    view.AddRange(field("ARC:Producer"), FieldValue(QString("Acme")));
    QString low = "c", high = "g";
    view.AddRange(
        field("ARC:Naam"), [&] { return FieldValue(low); }, [&] { return FieldValue(high); });
    view.AddSortOrder(ArcKey::KeyCdNr);
    qint64 from = 3, to = 7;
    view.AddRange(
        field("ARC:CdNr"), [&] { return FieldValue(from); }, [&] { return FieldValue(to); });
    view.SetSort(2);
    EXPECT_EQ(view.FilterText(), "UPPER(ARC:Producer) = UPPER('Acme') AND UPPER(ARC:Naam) >= "
                                 "UPPER('c') AND UPPER(ARC:Naam) <= UPPER('g')");
    EXPECT_EQ(names(), QStringList({"c.EXE", "e.EXE"})) << "\"g.EXE\" comes after \"g\"";
    view.SetSort(3);
    EXPECT_EQ(view.FilterText(), "ARC:CdNr >= 3 AND ARC:CdNr <= 7");
    EXPECT_EQ(names().size(), 5);
    to = 4;
    EXPECT_TRUE(view.ApplyRange()) << "a changed limit rebuilds the filter";
    EXPECT_EQ(names(), QStringList({"d.EXE", "e.EXE"}));
    EXPECT_FALSE(view.ApplyRange());
    view.CurrentOrder().LimitType = 5; // five and above: no range
    view.ApplyFilter();
    EXPECT_EQ(view.FilterText(), "");
    EXPECT_EQ(names().size(), 11) << "the CD number key leaves out number 0";
}

TEST_F(ViewManagerTest, ARangeOnTheParentRecordFollowsIt) {
    view.AddSortOrder(ArcKey::KeySoort);
    view.AddRange(field("ARC:Soort"), Relate::SoortTabel());
    SRT.Soort = "Tools";
    ASSERT_EQ(view.Open(), LevelBenign);
    EXPECT_EQ(view.FilterText(), "UPPER(ARC:Soort) = UPPER('Tools')");
    EXPECT_EQ(names(), QStringList({"a.EXE", "d.EXE", "g.EXE", "j.EXE"}));
    SRT.Soort = "Games";
    EXPECT_TRUE(view.ApplyRange());
    EXPECT_EQ(names().size(), 8);
    EXPECT_EQ(view.CurrentOrder().FreeElement, -1) << "the one component is fixed";

    // A record inserted from this view carries the class.
    ASSERT_EQ(view.PrimeRecord(), LevelBenign);
    EXPECT_EQ(ARC.Soort.str(), "Games");
    EXPECT_EQ(ARC.NR, 13u);
    ARC.Naam = "m.EXE";
    ASSERT_EQ(Access::Archief().Insert(), LevelBenign);
    EXPECT_EQ(names().size(), 9);
}

TEST_F(ViewManagerTest, ValidateRecordTellsRangeFromFilter) {
    view.AddSortOrder(ArcKey::KeyProducer);
    view.AddRange(field("ARC:Producer"), FieldValue(QString("Acme")));
    view.AddRange(
        field("ARC:Naam"), [] { return FieldValue(QString("b")); },
        [] { return FieldValue(QString("F")); });
    view.SetFilter("ARC:CdNr <> 4");
    ASSERT_EQ(view.Open(), LevelBenign);
    ARC.clear();
    ARC.Producer = "ACME";
    ARC.Naam = "c.exe";
    EXPECT_EQ(view.ValidateRecord(), 0);
    ARC.CdNr = 4;
    EXPECT_EQ(view.ValidateRecord(), 2);
    ARC.Naam = "g.exe";
    EXPECT_EQ(view.ValidateRecord(), 1);
    ARC.Naam = "e.exe";
    ARC.Producer = "Borland";
    EXPECT_EQ(view.ValidateRecord(), 1);

    // Priming for an insert fills the equal components, not the bounds.
    ASSERT_EQ(view.PrimeRecord(), LevelBenign);
    EXPECT_EQ(ARC.Producer.str(), "Acme");
    EXPECT_TRUE(ARC.Naam.isBlank());
    ASSERT_EQ(Access::Archief().CancelAutoInc(), LevelBenign);
}

TEST_F(ViewManagerTest, AFilterTheViewCannotUseIsReportedAndDropped) {
    view.AddSortOrder(ArcKey::KeyNaam);
    view.SetFilter("ARC:Soort = 'Games' AND ARC:Colour = 'red'");
    ASSERT_EQ(view.Open(), LevelBenign);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "View Open Error");
    EXPECT_EQ(host.lastMessage()->text,
              "Error: (Invalid filter: Archief has no field ARC:Colour (801)) attempting to open "
              "the current VIEW. Filter and Range Limits ignored.");
    EXPECT_EQ(names().size(), 12);

    host.clearRecords();
    view.SetFilter("ARC:Soort = '" + QString(5000, 'x') + "'");
    view.ApplyFilter();
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_TRUE(host.lastMessage()->text.contains("longer than 5000"));
    EXPECT_EQ(names().size(), 12);

    host.clearRecords();
    view.SetFilter("ARC:Soort = 'Tools'");
    view.ApplyFilter();
    EXPECT_EQ(view.SetOrder("+UPPER(ARC:Naam)"), LevelBenign); // the key's own order
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(names(), QStringList({"a.EXE", "d.EXE", "g.EXE", "j.EXE"}));
    EXPECT_EQ(view.SetOrder("ARC:Colour"), LevelFatal);
    EXPECT_EQ(host.lastMessage()->caption, "View Open Error");
    EXPECT_EQ(names(), QStringList({"a.EXE", "d.EXE", "g.EXE", "j.EXE"}))
        << "the filter stays, the key gives the order";
}
