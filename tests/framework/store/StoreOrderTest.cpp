#include "StoreFixture.h"

using namespace store;

namespace {

constexpr int IdKey = 1, KeyCdNr = 2, KeyNaam = 5, KeySoort = 6, KeyProducer = 7, KeyDate = 8;
constexpr int Naam = 5, NR = 0;

QStringList names(StoreFile& f, int key, bool backwards = false) {
    ArchiefRecord r;
    QStringList out;
    f.setOrder(key);
    while ((backwards ? f.previous(r) : f.next(r)) == Ok)
        out << r.Naam.str();
    return out;
}

} // namespace

TEST_F(StoreTest, TextKeysFoldCaseOverAllOfUnicode) {
    StoreFile& srt = created(Dictionary::SoortTabel());
    SoortTabelRecord s;
    auto add = [&](const char* name) {
        s.Soort = QString::fromUtf8(name);
        return srt.add(s);
    };
    ASSERT_EQ(add("Ärger"), Ok);
    EXPECT_EQ(add("ärger"), DuplicateKey);
    EXPECT_EQ(srt.status().text, "Creates duplicate key");
    EXPECT_TRUE(srt.status().driverText.contains("UNIQUE"))
        << srt.status().driverText.toStdString();
    ASSERT_EQ(add("straße"), Ok);
    EXPECT_EQ(add("STRAẞE"), DuplicateKey); // capital sharp s folds to ß
    EXPECT_EQ(add("STRASSE"), Ok);          // one character never folds to two
    ASSERT_EQ(add("ΟΔΟΣ"), Ok);
    EXPECT_EQ(add("οδος"), DuplicateKey); // final sigma folds to sigma
    ASSERT_EQ(add("Zebra"), Ok);
    EXPECT_EQ(add("ZEBRA   "), DuplicateKey); // trailing blanks never count
    ASSERT_EQ(add("apple"), Ok);
    ASSERT_EQ(add("Banana"), Ok);

    EXPECT_EQ(pass<SoortTabelRecord>(srt, 1, 0),
              QStringList({"apple", "Banana", "STRASSE", "straße", "Zebra", "Ärger", "ΟΔΟΣ"}));
    s.Soort = "BANANA";
    ASSERT_EQ(srt.get(1, s), Ok);
    EXPECT_EQ(s.Soort.str(), "Banana");
    s.Soort = "ÄRGER";
    ASSERT_EQ(srt.get(1, s), Ok);
    EXPECT_EQ(s.Soort.str(), "Ärger");
    s.Soort = "Ärge";
    EXPECT_EQ(srt.get(1, s), NoRecord);
}

TEST_F(StoreTest, OptionalKeysLeaveOutBlankRecords) {
    StoreFile& arc = created(Dictionary::Archief());
    ArchiefRecord r;
    archief(r, 1, "a.exe", "");
    ASSERT_EQ(arc.add(r), Ok); // no class: not in KeySoort
    archief(r, 2, "", "");
    ASSERT_EQ(arc.add(r), Ok); // no producer and no name: not in KeyProducer
    archief(r, 3, "c.exe", "Games");
    r.Producer = "Acme";
    r.CdNr = 4;
    ASSERT_EQ(arc.add(r), Ok);
    archief(r, 0, "d.exe", "Games"); // no number: not in the unique IDkey
    ASSERT_EQ(arc.add(r), Ok);
    archief(r, 0, "e.exe", "Games"); // a second blank number is no duplicate
    ASSERT_EQ(arc.add(r), Ok);

    EXPECT_EQ(names(arc, 0), QStringList({"a.exe", "", "c.exe", "d.exe", "e.exe"}));
    EXPECT_EQ(names(arc, KeySoort), QStringList({"c.exe", "d.exe", "e.exe"}));
    EXPECT_EQ(names(arc, KeyProducer), QStringList({"a.exe", "d.exe", "e.exe", "c.exe"}));
    EXPECT_EQ(names(arc, KeyCdNr), QStringList({"c.exe"}));
    EXPECT_EQ(names(arc, IdKey), QStringList({"a.exe", "", "c.exe"}));
    EXPECT_EQ(names(arc, KeySoort, true), QStringList({"e.exe", "d.exe", "c.exe"}));
    r.clear();
    EXPECT_EQ(arc.get(KeySoort, r), NoRecord); // a blank key value finds nothing
    EXPECT_FALSE(arc.duplicates(IdKey, r));
}

TEST_F(StoreTest, DescendingComponentsListNewestFirst) {
    StoreFile& arc = created(Dictionary::Archief());
    ArchiefRecord r;
    auto add = [&](const char* name, qint32 date, qint32 time) {
        archief(r, 0, name);
        r.Date = date;
        r.Time = time;
        ASSERT_EQ(arc.add(r), Ok);
    };
    add("old", 70000, 500);
    add("new-late", 80000, 900);
    add("new-early", 80000, 100);
    add("undated", 0, 0);
    add("mid", 75000, 0);
    add("new-late-too", 80000, 900);
    const QStringList newestFirst = {"new-late", "new-late-too", "new-early", "mid", "old"};
    EXPECT_EQ(names(arc, KeyDate), newestFirst);
    QStringList reversed = newestFirst;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(names(arc, KeyDate, true), reversed);

    // At or after 80000/500 in this order: the first record not later than it.
    r.clear();
    r.Date = 80000;
    r.Time = 500;
    ASSERT_EQ(arc.setOrderAt(KeyDate, r), Ok);
    ASSERT_EQ(arc.next(r), Ok);
    EXPECT_EQ(r.Naam.str(), "new-early");
    r.Date = 80000;
    r.Time = 500;
    arc.setOrderAt(KeyDate, r);
    ASSERT_EQ(arc.previous(r), Ok);
    EXPECT_EQ(r.Naam.str(), "new-late-too");
}

TEST_F(StoreTest, SetOrderAtFindsTheNearestRecordsCaseInsensitively) {
    StoreFile& arc = created(Dictionary::Archief());
    ArchiefRecord r;
    for (const char* name : {"b", "D", "d", "f"}) {
        archief(r, 0, name);
        ASSERT_EQ(arc.add(r), Ok);
    }
    auto at = [&](const char* from, bool backwards) {
        archief(r, 0, from);
        arc.setOrderAt(KeyNaam, r);
        const int rc = backwards ? arc.previous(r) : arc.next(r);
        return rc == Ok ? r.Naam.str() : QStringLiteral("<%1>").arg(rc);
    };
    EXPECT_EQ(at("d", false), "D"); // equal values: the first of them
    EXPECT_EQ(at("d", true), "d");  // and the last of them going back
    EXPECT_EQ(at("c", false), "D");
    EXPECT_EQ(at("c", true), "b");
    EXPECT_EQ(at("a", true), "<33>");
    EXPECT_EQ(at("g", false), "<33>");
    EXPECT_EQ(at("g", true), "f");
    // Going on from there.
    at("c", false);
    ASSERT_EQ(arc.next(r), Ok);
    EXPECT_EQ(r.Naam.str(), "d");
    ASSERT_EQ(arc.previous(r), Ok);
    EXPECT_EQ(r.Naam.str(), "D");
}

TEST_F(StoreTest, KeysetReadsCrossBatchesBothWays) {
    StoreFile& arc = created(Dictionary::Archief());
    ASSERT_EQ(store->begin({&arc}, 5), Ok);
    // Many records share one value, so that reads run across batches inside one value.
    ArchiefRecord r;
    for (int i = 1; i <= 3000; ++i) {
        archief(r, quint32(i), QStringLiteral("n%1").arg(i % 7), i % 3 ? "Games" : "Tools");
        ASSERT_EQ(arc.add(r), Ok);
    }
    ASSERT_EQ(store->commit(), Ok);

    for (int key : {0, IdKey, KeySoort, KeyProducer}) {
        const QStringList forward = pass<ArchiefRecord>(arc, key, NR);
        QStringList backward = pass<ArchiefRecord>(arc, key, NR, true);
        ASSERT_EQ(forward.size(), 3000) << key;
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(forward, backward) << key;
        EXPECT_EQ(QSet<QString>(forward.begin(), forward.end()).size(), 3000) << key;
    }
    // Within one class the records follow in record order.
    arc.setOrder(KeySoort);
    qint64 last = 0;
    int games = 0;
    while (arc.next(r) == Ok && r.Soort == QStringLiteral("Games")) {
        EXPECT_GT(r.identity().record, last);
        last = r.identity().record;
        ++games;
    }
    EXPECT_EQ(games, 2000);

    // Turning round in the middle of a batch.
    arc.setOrder(IdKey);
    for (int i = 1; i <= 700; ++i)
        ASSERT_EQ(arc.next(r), Ok);
    EXPECT_EQ(r.NR, 700u);
    ASSERT_EQ(arc.previous(r), Ok);
    EXPECT_EQ(r.NR, 699u);
    ASSERT_EQ(arc.next(r), Ok);
    EXPECT_EQ(r.NR, 700u);
}

TEST_F(StoreTest, PositionsNameTheirOrderAndSurviveAReget) {
    StoreFile& arc = created(Dictionary::Archief());
    ArchiefRecord r;
    for (const char* name : {"c", "a", "b", "b"}) {
        archief(r, 0, name);
        ASSERT_EQ(arc.add(r), Ok);
    }
    arc.setOrder(KeyNaam);
    arc.next(r);
    arc.next(r);
    ASSERT_EQ(r.Naam.str(), "b");
    const qint64 record = r.identity().record;
    const QByteArray inName = positionOf(r, KeyNaam);
    const QByteArray inRecords = positionOf(r, 0);
    EXPECT_NE(inName, inRecords);

    arc.setOrder(0);
    ASSERT_EQ(arc.reget(inName, r), Ok);
    EXPECT_EQ(r.identity().record, record);
    EXPECT_EQ(positionOf(r, KeyNaam), inName);
    ASSERT_EQ(arc.next(r), Ok); // the reget went on in the name order
    EXPECT_EQ(r.Naam.str(), "b");
    EXPECT_NE(r.identity().record, record);

    ASSERT_EQ(arc.setOrderAtPosition(inRecords), Ok);
    ASSERT_EQ(arc.next(r), Ok); // next reads the record at the position
    EXPECT_EQ(r.identity().record, record);
    ASSERT_EQ(arc.next(r), Ok); // then goes on in record order
    EXPECT_EQ(r.Naam.str(), "b");
    ASSERT_EQ(arc.setOrderAtPosition(inName), Ok);
    ASSERT_EQ(arc.previous(r), Ok);
    EXPECT_EQ(r.identity().record, record);
    ASSERT_EQ(arc.previous(r), Ok);
    EXPECT_EQ(r.Naam.str(), "a");

    // Once the record is gone, a position still places the reads.
    ASSERT_EQ(arc.reget(inName, r), Ok);
    ASSERT_EQ(arc.erase(r), Ok);
    EXPECT_EQ(arc.reget(inName, r), NoRecord);
    ASSERT_EQ(arc.setOrderAtPosition(inName), Ok);
    ASSERT_EQ(arc.next(r), Ok);
    EXPECT_EQ(r.Naam.str(), "b");
    EXPECT_GT(r.identity().record, record);

    EXPECT_EQ(arc.setOrderAtPosition("rubbish"), FileSystemError);
    StoreFile& prd = created(Dictionary::Prd());
    EXPECT_EQ(prd.setOrderAtPosition(inName), FileSystemError); // another file's position
}

TEST_F(StoreTest, SkippedMemosAreLeftAlone) {
    StoreFile& arc = created(Dictionary::Archief());
    ArchiefRecord r;
    archief(r, 1, "doc.txt");
    r.Omschrijving = QString(9000, QLatin1Char('x'));
    ASSERT_EQ(arc.add(r), Ok);
    arc.setSkipMemos(true);
    r.clear();
    r.Omschrijving = "mine";
    arc.setOrder(0);
    ASSERT_EQ(arc.next(r), Ok);
    EXPECT_EQ(r.Naam.str(), "doc.txt");
    EXPECT_EQ(r.Omschrijving.str(), "mine");
    r.Version = "2.0";
    ASSERT_EQ(arc.put(r), Ok); // leaves the stored memo as it is
    arc.setSkipMemos(false);
    r.NR = 1;
    ASSERT_EQ(arc.get(IdKey, r), Ok);
    EXPECT_EQ(r.Omschrijving.str().size(), 9000);
    EXPECT_EQ(r.Version.str(), "2.0");
}

TEST_F(StoreTest, GetReadsTheFirstRecordWithEqualKeyValues) {
    StoreFile& arc = created(Dictionary::Archief());
    ArchiefRecord r;
    archief(r, 10, "Setup.exe");
    r.Producer = "Acme";
    ASSERT_EQ(arc.add(r), Ok);
    archief(r, 11, "setup.EXE");
    r.Producer = "ACME";
    ASSERT_EQ(arc.add(r), Ok);
    r.clear();
    r.Producer = "acme";
    r.Naam = "SETUP.exe";
    ASSERT_EQ(arc.get(KeyProducer, r), Ok);
    EXPECT_EQ(r.NR, 10u);
    EXPECT_EQ(r.Naam.str(), "Setup.exe");
    r.NR = 11;
    ASSERT_EQ(arc.get(IdKey, r), Ok);
    EXPECT_EQ(r.Producer.str(), "ACME");
    r.NR = 12;
    EXPECT_EQ(arc.get(IdKey, r), NoRecord);
    EXPECT_EQ(r.NR, 12u); // a miss leaves the buffer alone
    EXPECT_EQ(arc.get(99, r), FileSystemError);
}
