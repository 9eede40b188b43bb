#include "StoreFixture.h"
#include "framework/filter/Evaluate.h"
#include "framework/filter/Parser.h"

#include <set>

using namespace store;

namespace {

constexpr int KeyCdNr = 2, KeyNaam = 5, KeySoort = 6, KeyProducer = 7, KeyDate = 8;

const char* const Classes[] = {"Games", "GAMES",           "games",        "Tools", "Everything",
                               "",      "O'Brien's tools", "x' OR '1'='1", "Tools", "Office"};

class CursorTest : public StoreTest {
protected:
    void SetUp() override {
        arc = &created(Dictionary::Archief());
        ASSERT_EQ(store->begin({arc}, 5), Ok);
        ArchiefRecord r;
        for (int i = 1; i <= 400; ++i) {
            r.clear();
            r.NR = quint32(i);
            r.Soort = i % 97 == 0 ? "Rare" : Classes[i % 10];
            r.Naam = i % 13 == 0 ? QString() : QString("%1file%2").arg(QChar('a' + i % 26)).arg(i);
            if (i % 4) r.CdNr = quint16(i % 11);
            r.DiskNr = quint16(i % 3 == 0 ? i % 5 : 0);
            r.Producer = i % 6 == 0 ? QString() : QString("Maker %1").arg(i % 7);
            r.Size = (i * 37) % 2000;
            r.Date = 70000 + i % 17;
            r.Time = 1 + i % 5;
            ASSERT_EQ(arc->add(r), Ok);
            all.push_back(r.values());
        }
        ASSERT_EQ(store->commit(), Ok);
    }

    filter::Tree parsed(const QString& text) {
        const filter::Parsed p =
            filter::parse(text, Dictionary::Archief(), [](const QString& name) {
                return name.compare("SoftwareClass", Qt::CaseInsensitive) == 0;
            });
        EXPECT_TRUE(p.ok()) << text.toStdString() << ": " << p.error.toStdString();
        return p.tree;
    }
    filter::Resolver resolver() {
        return [this](const QString&) { return std::optional<filter::Value>(softwareClass); };
    }

    // Record numbers read through a cursor from one end to the other.
    static std::vector<qint64> read(Cursor& c, int key, bool backwards = false) {
        OwnedRecord r(Dictionary::Archief());
        std::vector<qint64> out;
        c.setOrder(key);
        while ((backwards ? c.previous(r) : c.next(r)) == Ok)
            out.push_back(r.identity().record);
        EXPECT_EQ(c.status().code, NoRecord);
        return out;
    }

    // What the view should hold: the key's records in its order, passing the filter as the
    // program judges it.
    std::vector<qint64> expected(int key, const filter::Tree& tree) {
        auto plain = arc->cursor();
        std::vector<qint64> out;
        ArchiefRecord r;
        for (qint64 record : read(*plain, key)) {
            r.setValues(all[record - 1]);
            if (!tree || filter::matches(*tree, r, resolver())) out.push_back(record);
        }
        return out;
    }

    StoreFile* arc = nullptr;
    std::vector<std::vector<FieldValue>> all;
    filter::Value softwareClass = QString("Games");
};

} // namespace

TEST_F(CursorTest, FilteredReadsAndCountsAgreeWithTheFilterInEveryOrder) {
    const QStringList filters = {
        "(Arc:Soort<>'Everything')",
        "ARC:Soort=SoftwareClass",
        "UPPER(ARC:Soort) = UPPER('games')",
        "ARC:Soort = 'O''Brien''s tools'",
        "UPPER(ARC:Naam) >= UPPER('M') AND UPPER(ARC:Naam) <= UPPER('p')",
        "ARC:CdNr >= 3 AND ARC:CdNr <= 7 AND (Arc:Soort<>'Everything')",
        "NOT (ARC:Soort = 'Tools' OR ARC:Producer = '')",
        "ARC:Size > 10.5 AND ARC:Size <= 15",
        "ARC:Soort = 'Rare' AND ARC:Producer <> ''",
        "ARC:Soort <> 'Everything' AND ARC:Soort <> '' AND ARC:DiskNr",
        "ARC:Naam < 'F' OR ARC:Naam > 'x'",
        "ARC:Soort = SoftwareClass AND (Arc:Soort<>'Everything') AND NOT ARC:CdNr = 0",
        "ARC:Date >= 70010 AND ARC:Producer = 'Maker 3'",
    };
    auto c = arc->cursor();
    c->setSkipMemos(true);
    for (const QString& text : filters) {
        const filter::Tree tree = parsed(text);
        c->setFilter(tree, resolver());
        for (int key : {0, KeyCdNr, KeyNaam, KeySoort, KeyProducer, KeyDate}) {
            SCOPED_TRACE(text.toStdString() + " in key " + std::to_string(key));
            const std::vector<qint64> want = expected(key, tree);
            c->setBatch(key % 3 == 0 ? 1 : 7); // across batches
            EXPECT_EQ(read(*c, key), want);
            std::vector<qint64> back = read(*c, key, true);
            std::reverse(back.begin(), back.end());
            EXPECT_EQ(back, want);
            EXPECT_EQ(c->count(), qint64(want.size()));
        }
    }
}

TEST_F(CursorTest, VariablesAreTakenAtEachReadAndNothingOfAValueReachesTheQuery) {
    auto c = arc->cursor();
    const filter::Tree tree = parsed("ARC:Soort = SoftwareClass");
    c->setFilter(tree, resolver());
    for (const char* cls : {"Games", "Rare", "x' OR '1'='1", "", "O'Brien's tools", "None"}) {
        softwareClass = QString(cls);
        const std::vector<qint64> got = read(*c, KeyNaam);
        EXPECT_EQ(got, expected(KeyNaam, tree)) << cls;
        EXPECT_EQ(c->count(), qint64(got.size())) << cls;
        ArchiefRecord r;
        for (qint64 record : got) {
            r.setValues(all[record - 1]);
            EXPECT_EQ(r.Soort.str(), QString(cls));
        }
    }
    softwareClass = QString("x' OR '1'='1");
    EXPECT_EQ(read(*c, 0).size(), 39u);
    c->setFilter(parsed("ARC:Soort = 'x'' OR ''1''=''1'"), resolver());
    EXPECT_EQ(read(*c, 0).size(), 39u);
    EXPECT_EQ(arc->records(), 400) << "the file is as it was";
}

TEST_F(CursorTest, CursorsKeepTheirOwnPlacesAndGoOnAfterWrites) {
    auto list = arc->cursor();
    auto report = arc->cursor();
    OwnedRecord a(Dictionary::Archief()), b(Dictionary::Archief());
    list->setOrder(KeyNaam);
    report->setOrder(0);
    std::vector<qint64> byName, byRecord;
    for (int i = 0; i < 150; ++i) {
        ASSERT_EQ(list->next(a), Ok);
        byName.push_back(a.identity().record);
        ASSERT_EQ(report->next(b), Ok);
        byRecord.push_back(b.identity().record);
        arc->setOrder(KeySoort); // the file's own reads meddle in between
        ArchiefRecord own;
        arc->next(own);
    }
    std::vector<qint64> wholePass = read(*arc->cursor(), KeyNaam);
    wholePass.resize(150);
    EXPECT_EQ(byName, wholePass);
    EXPECT_EQ(byRecord.back(), 150);

    // A write between reads: the list goes on from its place and sees the change.
    ArchiefRecord r;
    ASSERT_EQ(arc->reget(positionOf(a, 0), r), Ok);
    const QByteArray at = positionOf(a, KeyNaam);
    r.Version = "9.9";
    ASSERT_EQ(arc->put(r), Ok);
    ASSERT_EQ(list->previous(a), Ok);
    ASSERT_EQ(list->next(a), Ok);
    EXPECT_EQ(a.identity().record, r.identity().record);
    EXPECT_EQ(a.text(Dictionary::Archief().fieldIndex("ARC:Version")), "9.9");
    EXPECT_EQ(a.identity().change, 1);

    // A position places a filtered cursor; a record outside the filter is passed over.
    list->setFilter(parsed("ARC:Soort = 'Rare'"), resolver());
    ASSERT_EQ(list->setOrderAtPosition(at), Ok);
    std::vector<qint64> rare;
    while (list->next(a) == Ok)
        rare.push_back(a.identity().record);
    for (qint64 record : rare)
        EXPECT_EQ(record % 97, 0);
}

TEST_F(CursorTest, APutAfterARollbackReachesTheRecordThatWasRead) {
    ArchiefRecord r;
    r.NR = 10;
    ASSERT_EQ(arc->get(1, r), Ok);
    ASSERT_EQ(store->begin({arc}, 2), Ok);
    ArchiefRecord other;
    other.NR = 11;
    ASSERT_EQ(arc->get(1, other), Ok);
    other.Version = "lost";
    ASSERT_EQ(arc->put(other), Ok);
    ASSERT_EQ(store->rollback(), Ok);

    r.Version = "kept";
    ASSERT_EQ(arc->put(r), Ok);
    ASSERT_EQ(arc->erase(other), ChangedElsewhere) << "the rollback undid that put";
    other.NR = 11;
    ASSERT_EQ(arc->get(1, other), Ok);
    EXPECT_EQ(other.Version.str(), "");
    r.NR = 10;
    ASSERT_EQ(arc->get(1, r), Ok);
    EXPECT_EQ(r.Version.str(), "kept");
    ASSERT_EQ(arc->erase(other), Ok);
    EXPECT_EQ(arc->put(other), NoRecord);
}

TEST_F(CursorTest, ACursorOutlivingItsStoreFailsQuietly) {
    auto second = RecordStore::openSqlCipher(dir.path());
    StoreFile& there = second->declare(Dictionary::Archief());
    ASSERT_EQ(there.open(ReadWrite | DenyNone), Ok);
    auto c = there.cursor();
    OwnedRecord r(Dictionary::Archief());
    c->setOrder(0);
    ASSERT_EQ(c->next(r), Ok);
    second.reset();
    EXPECT_EQ(c->next(r), FileSystemError);
    EXPECT_EQ(c->count(), -1);
}

TEST_F(StoreTest, LargeAndSmallClassesReadAlikeWhicheverIndexFindsThem) {
    StoreFile& arc = created(Dictionary::Archief());
    ASSERT_EQ(store->begin({&arc}, 5), Ok);
    ArchiefRecord r;
    for (int i = 1; i <= 6000; ++i) {
        r.clear();
        r.Soort = i % 600 == 0 ? "Small" : i <= 5000 ? "Big" : "Other";
        r.Naam = QString("n%1").arg((i * 7919) % 6007, 5, 10, QChar('0'));
        r.CdNr = quint16(i % 1700 == 0 || r.Soort == QString("Small") ? i % 9 + 1 : 0);
        ASSERT_EQ(arc.add(r), Ok);
    }
    ASSERT_EQ(store->commit(), Ok);
    QString cls;
    const filter::Parsed p = filter::parse("ARC:Soort = SoftwareClass", Dictionary::Archief(),
                                           [](const QString&) { return true; });
    const filter::Resolver resolve = [&](const QString&) {
        return std::optional<filter::Value>(cls);
    };
    auto c = arc.cursor();
    c->setFilter(p.tree, resolve);
    c->setBatch(20);
    auto records = [&](int key) {
        OwnedRecord row(Dictionary::Archief());
        std::vector<qint64> out;
        c->setOrder(key);
        while (c->next(row) == Ok)
            out.push_back(row.identity().record);
        return out;
    };
    auto wanted = [&](int key) {
        auto plain = arc.cursor();
        plain->setOrder(key);
        std::vector<qint64> out;
        while (plain->next(r) == Ok)
            if (r.Soort == cls) out.push_back(r.identity().record);
        return out;
    };
    for (const char* name : {"Big", "Small"}) {
        cls = name;
        for (int key : {KeyNaam, KeyCdNr}) {
            SCOPED_TRACE(std::string(name) + " in key " + std::to_string(key));
            const std::vector<qint64> expected = wanted(key);
            EXPECT_EQ(records(key), expected); // before the view was counted
            c->setOrder(key);
            EXPECT_EQ(c->count(), qint64(expected.size()));
            EXPECT_EQ(records(key), expected); // after: the count may change the index
        }
    }
}
