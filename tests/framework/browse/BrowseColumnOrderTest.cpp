#include "ArchiveListWindow.h"

#include "framework/Pictures.h"
#include "framework/browse/LocatorValue.h"
#include "framework/window/Keys.h"
#include "support/CatalogueTest.h"

#include <QPointer>
#include <algorithm>

// A list sorted by a column instead of its key: pages, ends, the thumb, the locator, the
// record kept across a change of sort, and the key's order back when the sort is cleared.
namespace {

constexpr int Entries = 90;

class BrowseColumnOrderTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Protocol::VCRRequest = 0;
        FileManager& arc = Access::Archief();
        ASSERT_EQ(arc.UseFile(), LevelBenign);
        ASSERT_EQ(process->store().begin({arc.File}, 5), store::Ok);
        for (int i = 0; i < Entries; ++i) {
            ARC.clear();
            ARC.Naam =
                QStringLiteral("%1file%2").arg(QChar('A' + i % 26)).arg(i, 3, 10, QChar('0'));
            ARC.CdNr = quint16(i % 9 == 0 ? 0 : i % 30 + 1);
            ARC.Soort = "Tools";
            ARC.Size = (i * 7919) % 1000 * 10; // tenths of a kilobyte in hundredths
            ARC.Date = Pictures::dayNumber(1990 + i % 12, 1 + i % 12, 1 + i % 28);
            ASSERT_EQ(arc.Insert(), LevelBenign);
        }
        ASSERT_EQ(process->store().commit(), store::Ok);
    }
    void TearDown() override {
        if (w) w->Post(windowEvent(EventKind::CloseWindow));
        settleEvents();
        CatalogueTest::TearDown();
    }
    void open() {
        w = new ArchiveListWindow;
        ASSERT_EQ(w->Start(), LevelBenign);
        w->TopLevel().resize(520, 300);
        settleEvents();
        rows = w->list->visibleRows();
    }
    void post(EventKind kind, int key = 0) {
        w->Post(controlEvent(kind, ArchiveListWindow::List, key));
        settleEvents();
    }
    void type(const QString& text) {
        for (QChar c : text)
            post(EventKind::AlertKey, BrowseKeys::character(c.unicode()));
    }
    int field(const char* label) const { return Dictionary::Archief().fieldIndex(label); }
    qint64 number(const BrowseRow& r, const char* label) const {
        return std::get<qint64>(r.Values[size_t(field(label))]);
    }
    qint64 currentNumber(const char* label) const {
        return number(w->browse.ListQueue.at(size_t(w->browse.CurrentChoice - 1)), label);
    }
    std::vector<qint64> shownNumbers(const char* label) const {
        std::vector<qint64> out;
        for (const BrowseRow& r : w->browse.ListQueue)
            out.push_back(number(r, label));
        return out;
    }
    // Every entry's record number, sorted by a field and then by record number.
    std::vector<qint64> sortedBy(const char* label, bool descending, bool withCd = false) {
        auto c = Access::Archief().File->cursor();
        ArchiefRecord r;
        std::vector<std::pair<qint64, qint64>> all;
        c->setOrder(0);
        while (c->next(r) == store::Ok)
            if (!withCd || r.CdNr != 0)
                all.push_back({std::get<qint64>(r.value(field(label))), r.identity().record});
        std::stable_sort(all.begin(), all.end(), [&](const auto& a, const auto& b) {
            if (a.first != b.first) return descending ? a.first > b.first : a.first < b.first;
            return a.second < b.second;
        });
        std::vector<qint64> out;
        for (const auto& p : all)
            out.push_back(p.second);
        return out;
    }
    std::vector<qint64> shownRecords() const {
        std::vector<qint64> out;
        for (const BrowseRow& r : w->browse.ListQueue)
            out.push_back(r.Identity.record);
        return out;
    }

    QPointer<ArchiveListWindow> w;
    int rows = 0;
};

} // namespace

TEST_F(BrowseColumnOrderTest, AColumnWithoutAKeySortsTheWholeListPageByPage) {
    open();
    ASSERT_GE(rows, 5);
    // The current record stays current when the sort changes.
    post(EventKind::ScrollDown);
    post(EventKind::ScrollDown);
    const qint64 kept = w->browse.ListQueue[size_t(w->browse.CurrentChoice - 1)].Identity.record;
    w->browse.SetColumnOrder(w->browse.ColumnOrderText(field("ARC:Size"), true));
    w->browse.UpdateWindow();
    EXPECT_TRUE(w->browse.ColumnOrdered());
    EXPECT_EQ(w->browse.ListQueue[size_t(w->browse.CurrentChoice - 1)].Identity.record, kept);

    const std::vector<qint64> want = sortedBy("ARC:Size", true);
    post(EventKind::ScrollTop);
    std::vector<qint64> seen = shownRecords();
    for (int page = 0; page < Entries / rows + 2; ++page) {
        post(EventKind::PageDown);
        for (qint64 r : shownRecords())
            if (std::find(seen.begin(), seen.end(), r) == seen.end()) seen.push_back(r);
    }
    EXPECT_EQ(seen, want) << "paging down meets every entry once, in the column's order";
    post(EventKind::ScrollBottom);
    EXPECT_EQ(shownRecords(), std::vector<qint64>(want.end() - rows, want.end()));
    post(EventKind::PageUp);
    EXPECT_EQ(shownRecords(), std::vector<qint64>(want.end() - 2 * rows, want.end() - rows));

    // The thumb halfway: sizes near the middle of the first and the last.
    post(EventKind::ScrollDrag, 50);
    const qint64 middle = currentNumber("ARC:Size");
    EXPECT_GT(middle, 3000);
    EXPECT_LT(middle, 7000);
    // Typed digits: the first entry at or below the value, the list falling.
    type("42");
    EXPECT_LE(currentNumber("ARC:Size"), 4200);
    const auto pos =
        std::find(want.begin(), want.end(),
                  w->browse.ListQueue[size_t(w->browse.CurrentChoice - 1)].Identity.record);
    ASSERT_NE(pos, want.end());
    if (pos != want.begin()) {
        ArchiefRecord before;
        auto c = Access::Archief().File->cursor();
        before.setIdentity({*(pos - 1), 0});
        ASSERT_EQ(Access::Archief().File->reget(store::positionOf(before, 0), before), store::Ok);
        EXPECT_GT(qint64(before.Size), 4200);
    }

    // Cleared: the key gives the order again.
    w->browse.SetColumnOrder({});
    EXPECT_FALSE(w->browse.ColumnOrdered());
    post(EventKind::ScrollTop);
    const int naam = field("ARC:Naam");
    EXPECT_EQ(std::get<QString>(w->browse.ListQueue.front().Values[size_t(naam)]), "Afile000");
}

TEST_F(BrowseColumnOrderTest, AColumnSortKeepsTheRecordsOfTheOrdersKeyAndFollowsTabs) {
    open();
    w->browse.SetSort(ArchiveListWindow::ByCd); // entries without a CD number are left out
    w->Reset(true);
    settleEvents();
    w->browse.SetColumnOrder(w->browse.ColumnOrderText(field("ARC:Date"), false));
    w->browse.UpdateWindow();
    const std::vector<qint64> want = sortedBy("ARC:Date", false, true);
    EXPECT_EQ(w->browse.Count(), qint64(want.size()));
    post(EventKind::ScrollTop);
    EXPECT_EQ(shownRecords(), std::vector<qint64>(want.begin(), want.begin() + rows));
    // A year typed: the first entry of that year.
    type("1995");
    EXPECT_EQ(Pictures::calendarDate(currentNumber("ARC:Date"))->year, 1995);
    EXPECT_LT(Pictures::calendarDate(number(w->browse.ListQueue.front(), "ARC:Date"))->year, 1996);

    // Another tab keeps the column's order over that tab's records.
    w->browse.SetSort(ArchiveListWindow::ByName);
    w->Reset(true);
    settleEvents();
    post(EventKind::ScrollTop);
    const std::vector<qint64> all = sortedBy("ARC:Date", false);
    EXPECT_EQ(shownRecords(), std::vector<qint64>(all.begin(), all.begin() + rows));
}

TEST_F(BrowseColumnOrderTest, ColumnOrderTextUsesAKeyThatBeginsWithTheField) {
    open();
    ViewManager& v = w->browse;
    EXPECT_EQ(v.ColumnOrderText(field("ARC:Size"), false), "+ARC:Size");
    EXPECT_EQ(v.ColumnOrderText(field("ARC:Size"), true), "-ARC:Size");
    EXPECT_EQ(v.ColumnOrderText(field("ARC:Producer"), false), "+ARC:Producer, +ARC:Naam");
    EXPECT_EQ(v.ColumnOrderText(field("ARC:Date"), false), "+ARC:Date, +ARC:Time");
    EXPECT_EQ(v.ColumnOrderText(field("ARC:Date"), true), "-ARC:Date, -ARC:Time");
}

TEST(LocatorValue, TypedTextBecomesTheFieldsKindOfValue) {
    const FileDef& def = Dictionary::Archief();
    const FieldDef& date = def.fields[size_t(def.fieldIndex("ARC:Date"))];
    const FieldDef& time = def.fields[size_t(def.fieldIndex("ARC:Time"))];
    const FieldDef& size = def.fields[size_t(def.fieldIndex("ARC:Size"))];
    const FieldDef& cd = def.fields[size_t(def.fieldIndex("ARC:CdNr"))];
    const FieldDef& naam = def.fields[size_t(def.fieldIndex("ARC:Naam"))];
    auto day = [](int y, int m, int d) { return FieldValue(qint64(Pictures::dayNumber(y, m, d))); };

    EXPECT_EQ(LocatorValue::of(date, "7/3/1998", false), day(1998, 3, 7));
    EXPECT_EQ(LocatorValue::of(date, "07-03-98", true), day(1998, 3, 7));
    EXPECT_EQ(LocatorValue::of(date, "1998", false), day(1998, 1, 1));
    EXPECT_EQ(LocatorValue::of(date, "1998", true), day(1998, 12, 31));
    EXPECT_EQ(LocatorValue::of(date, "2/2000", true), day(2000, 2, 29));
    EXPECT_EQ(LocatorValue::of(date, "", true), FieldValue(qint64(0)));
    for (const char* half : {"1", "19", "199", "7/", "7/3", "7/3/", "7/3/199", "31/2/1998", "AB"})
        EXPECT_FALSE(LocatorValue::of(date, half, true).has_value()) << half;

    EXPECT_EQ(LocatorValue::of(time, "9:05", false),
              FieldValue(qint64(Pictures::timeValue(9, 5, 0))));
    EXPECT_EQ(LocatorValue::of(size, "12.5", false), FieldValue(qint64(1250)));
    EXPECT_EQ(LocatorValue::of(cd, "12", false), FieldValue(qint64(12)));
    EXPECT_FALSE(LocatorValue::of(cd, "1A", false).has_value());
    EXPECT_EQ(LocatorValue::of(naam, "O'BR", false), FieldValue(QString("O'BR")));
}
