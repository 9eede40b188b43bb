#include "search/SearchIndex.h"
#include "framework/store/StoreFixture.h"
#include "search/Folding.h"

#include <QRandomGenerator>

using namespace search;

namespace {

struct Entry {
    qint64 record;
    quint32 nr;
    QString name, file, producer, remarks, description;
    qint32 date;
};

// The search as the archive is read record by record: the field, folded like the keys,
// holds the phrase without its trailing blanks.
std::vector<quint32> reference(const std::vector<Entry>& all, Subject subject, QString phrase) {
    while (phrase.endsWith(QLatin1Char(' ')))
        phrase.chop(1);
    std::vector<quint32> out;
    if (phrase.isEmpty()) return out;
    const QString p = phrase.toCaseFolded();
    for (const Entry& e : all) {
        const QString& f = subject == Subject::Name       ? e.name
                           : subject == Subject::FileName ? e.file
                           : subject == Subject::Producer ? e.producer
                           : subject == Subject::Remarks  ? e.remarks
                                                          : e.description;
        if (f.toCaseFolded().contains(p)) out.push_back(e.nr);
    }
    return out;
}

} // namespace

class SearchIndexTest : public StoreTest {
protected:
    store::StoreFile& arc = created(Dictionary::Archief());
    SearchIndex index;
    quint32 lastNr = 0;

    void add(const QString& file, const QString& name = {}, const QString& producer = {},
             const QString& remarks = {}, const QString& description = {}, qint32 date = 0,
             store::StoreFile* into = nullptr) {
        ArchiefRecord r;
        r.NR = ++lastNr;
        r.Naam = file;
        r.CDiskNaam = name;
        r.Producer = producer;
        r.Opmerkingen = remarks;
        r.Omschrijving = description;
        r.Date = date;
        ASSERT_EQ((into ? *into : arc).add(r), store::Ok);
    }

    std::vector<Entry> everything() {
        std::vector<Entry> out;
        ArchiefRecord r;
        arc.setOrder(0);
        while (arc.next(r) == store::Ok)
            out.push_back({r.identity().record, r.NR, r.CDiskNaam, r.Naam, r.Producer,
                           r.Opmerkingen, r.Omschrijving, r.Date});
        return out;
    }

    std::vector<quint32> found(Subject subject, const QString& phrase) {
        ArchiveScan scan(arc);
        EXPECT_TRUE(index.refresh(scan)) << scan.error().toStdString();
        std::vector<quint32> hits;
        index.find(subject, phraseOf(phrase), hits);
        const ResultList list = index.results(hits);
        std::vector<quint32> out;
        for (size_t i = 0; i < list.records(); ++i) {
            EXPECT_EQ(list.row(i).nr, i + 1);
            out.push_back(list.row(i).archiveNr);
        }
        return out;
    }

    std::vector<quint32> dated(qint32 from, qint32 till) {
        ArchiveScan scan(arc);
        EXPECT_TRUE(index.refresh(scan));
        std::vector<quint32> hits;
        index.findDates(from, till, hits);
        std::vector<quint32> out;
        const ResultList list = index.results(hits);
        for (size_t i = 0; i < list.records(); ++i)
            out.push_back(list.row(i).archiveNr);
        return out;
    }

    void expectLikeReading(const std::vector<QString>& phrases) {
        const std::vector<Entry> all = everything();
        for (Subject s : {Subject::Name, Subject::FileName, Subject::Producer, Subject::Remarks,
                          Subject::Description})
            for (const QString& p : phrases)
                EXPECT_EQ(found(s, p), reference(all, s, p))
                    << subjectLabel(s).toStdString() << " '" << p.toStdString() << "'";
    }
};

TEST_F(SearchIndexTest, PhrasesMatchAnywhereWithoutRegardToCase) {
    add("TOOLS\\PKZIP.EXE");
    add("readme.ZIP");
    add("Zap.txt");
    EXPECT_EQ(found(Subject::FileName, "zip"), (std::vector<quint32>{1, 2}));
    EXPECT_EQ(found(Subject::FileName, "zip   "), (std::vector<quint32>{1, 2}))
        << "trailing blanks do not count";
    EXPECT_EQ(found(Subject::FileName, " zip"), (std::vector<quint32>{})) << "a leading blank does";
    EXPECT_TRUE(found(Subject::FileName, "   ").empty()) << "a phrase of blanks finds nothing";
}

TEST_F(SearchIndexTest, CapitalsAreFoundForAllOfUnicodeLikeTheKeys) {
    add("STRAẞE.TXT");
    add("strasse.txt");
    add("ÄRGER.DOC");
    add("ΣΊΣΥΦΟΣ");
    add("\u212A.EXE"); // Kelvin sign: folds to k
    EXPECT_EQ(found(Subject::FileName, "straße"), (std::vector<quint32>{1}));
    EXPECT_EQ(found(Subject::FileName, "ärger"), (std::vector<quint32>{3}));
    EXPECT_EQ(found(Subject::FileName, "σίσυφος"), (std::vector<quint32>{4}));
    EXPECT_EQ(found(Subject::FileName, "k.exe"), (std::vector<quint32>{5}));
    // Folded ASCII letters and the other characters keep the keys' order.
    EXPECT_LT(compareFolded(fold(QStringLiteral("a_")), fold(QStringLiteral("ab"))), 0);
    EXPECT_LT(compareFolded(fold(QStringLiteral("Z")), fold(QStringLiteral("ä"))), 0);
}

TEST_F(SearchIndexTest, SpecialCharactersAreMatchedLiterally) {
    const std::vector<QString> files = {"A*B.TXT",
                                        "A?B.TXT",
                                        "[AB].TXT",
                                        "100%_DONE",
                                        "C:\\PATH\\FILE",
                                        "it's \"quoted\"",
                                        QString::fromUtf8("tab\there\x01"),
                                        QStringLiteral("漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字"),
                                        QString::fromUtf8("cafe\u0301"),
                                        QString::fromUtf8("caf\u00e9"),
                                        "AxB.TXT"};
    for (const QString& f : files)
        add(f);
    expectLikeReading({"*", "?", "A*B", "[", "%", "_", "\\", "'", "\"", "\t", "\x01",
                       QStringLiteral("漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字"),
                       QStringLiteral("字"), QString::fromUtf8("e\u0301"),
                       QString::fromUtf8("\u00e9"), ".*"});
    EXPECT_EQ(found(Subject::FileName, "A*B"), (std::vector<quint32>{1}));
}

TEST_F(SearchIndexTest, EveryFieldAnswersLikeReadingEveryRecord) {
    // Enough distinct texts for the file names and remarks to be indexed, not only scanned.
    QRandomGenerator random(7);
    const QString letters = QStringLiteral("abcAB.\\ é字ß");
    auto word = [&](int length) {
        QString w;
        for (int i = 0; i < length; ++i)
            w += letters.at(int(random.bounded(letters.size())));
        return w;
    };
    ASSERT_EQ(store->begin({&arc}, 5), store::Ok);
    for (int i = 0; i < 6000; ++i)
        add(word(4 + int(random.bounded(12))), word(3), word(int(random.bounded(40))),
            word(int(random.bounded(8))), i % 3 ? QString() : word(int(random.bounded(300))));
    add("empty fields everywhere else");
    add(QString(), QString(), QString(), QString(), QString(10000, QLatin1Char('x')) + "ZZ");
    ASSERT_EQ(store->commit(), store::Ok);
    expectLikeReading({"a", "B", "é", "ab", "字ß", "ba.", "AB\\", "cAb.", "ß字a é", "xz", "XZZ",
                       "abcabc", "\\ "});
}

TEST_F(SearchIndexTest, DatesFromTillAndBothWithUndatedEntriesEarliest) {
    add("none", {}, {}, {}, {}, 0);
    add("early", {}, {}, {}, {}, 1000);
    add("middle", {}, {}, {}, {}, 2000);
    add("late", {}, {}, {}, {}, 3000);
    EXPECT_EQ(dated(2000, 0), (std::vector<quint32>{3, 4}));
    EXPECT_EQ(dated(0, 2000), (std::vector<quint32>{1, 2, 3})) << "the undated entry is earlier";
    EXPECT_EQ(dated(1000, 2000), (std::vector<quint32>{2, 3}));
    EXPECT_EQ(dated(2000, 2000), (std::vector<quint32>{3})) << "one day";
    EXPECT_TRUE(dated(0, 0).empty());
    EXPECT_TRUE(dated(3000, 1000).empty());
}

TEST_F(SearchIndexTest, ChangesOfThisStationAndAnotherAreSeenAtTheNextSearch) {
    ASSERT_EQ(store->begin({&arc}, 5), store::Ok);
    for (int i = 0; i < 5000; ++i)
        add(QStringLiteral("PROG%1.EXE").arg(i, 5, 10, QLatin1Char('0')));
    ASSERT_EQ(store->commit(), store::Ok);
    EXPECT_EQ(found(Subject::FileName, "PROG04999").size(), 1u);
    const ResultList before = [&] {
        std::vector<quint32> hits;
        index.find(Subject::FileName, phraseOf("prog0000"), hits);
        return index.results(hits);
    }();

    // This station: a change, a deletion and an addition.
    ArchiefRecord r;
    r.NR = 1;
    ASSERT_EQ(arc.get(1, r), store::Ok);
    r.Naam = "renamed.txt";
    ASSERT_EQ(arc.put(r), store::Ok);
    r.NR = 2;
    ASSERT_EQ(arc.get(1, r), store::Ok);
    ASSERT_EQ(arc.erase(r), store::Ok);
    add("new.txt", {}, {}, {}, "a new description");
    EXPECT_EQ(found(Subject::FileName, "renamed"), (std::vector<quint32>{1}));
    EXPECT_TRUE(found(Subject::FileName, "PROG00001.").empty()) << "no phantom of the deleted";
    EXPECT_TRUE(found(Subject::FileName, "PROG00000.").empty()) << "nor of the old name";
    EXPECT_EQ(found(Subject::Description, "NEW DESC"), (std::vector<quint32>{5001}));
    EXPECT_EQ(before.text(0, ResultList::File), "PROG00000.EXE")
        << "a list made before keeps what it showed";

    // Another station on the same directory.
    auto other = store::RecordStore::openSqlCipher(dir.path());
    store::StoreFile& otherArc = other->declare(Dictionary::Archief());
    ASSERT_EQ(otherArc.open(store::ReadWrite | store::DenyNone), store::Ok);
    add("elsewhere.doc", {}, {}, {}, {}, 0, &otherArc);
    r.NR = 3;
    ASSERT_EQ(otherArc.get(1, r), store::Ok);
    ASSERT_EQ(otherArc.erase(r), store::Ok);
    r.NR = 4;
    ASSERT_EQ(otherArc.get(1, r), store::Ok);
    r.Omschrijving = "described elsewhere";
    ASSERT_EQ(otherArc.put(r), store::Ok);
    EXPECT_EQ(found(Subject::FileName, "elsewhere"), (std::vector<quint32>{5002}));
    EXPECT_TRUE(found(Subject::FileName, "PROG00002.").empty());
    EXPECT_EQ(found(Subject::Description, "elsewhere"), (std::vector<quint32>{4}));
    expectLikeReading({"PROG0", "txt", "E", "0499"});
}

TEST_F(SearchIndexTest, ManyChangesAreFoundAfterTheTextsAreIndexedAgain) {
    ASSERT_EQ(store->begin({&arc}, 5), store::Ok);
    for (int i = 0; i < 5000; ++i)
        add(QStringLiteral("OLD%1").arg(i));
    ASSERT_EQ(store->commit(), store::Ok);
    EXPECT_EQ(found(Subject::FileName, "OLD4999").size(), 1u);
    // Three rounds of changes, each seen by a search: the new texts outgrow the indexed ones.
    ArchiefRecord r;
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(store->begin({&arc}, 5), store::Ok);
        for (int i = 0; i < 1500; ++i) {
            r.NR = quint32(i + 1);
            ASSERT_EQ(arc.get(1, r), store::Ok);
            r.Naam = QStringLiteral("NEW%1-%2").arg(round).arg(i);
            ASSERT_EQ(arc.put(r), store::Ok);
        }
        ASSERT_EQ(store->commit(), store::Ok);
        EXPECT_EQ(found(Subject::FileName, QStringLiteral("NEW%1-14").arg(round)).size(), 111u);
    }
    expectLikeReading({"OLD", "NEW1", "D49", "W"});
}

TEST_F(SearchIndexTest, MoreMatchesThanSixteenBitsHoldAreNumberedOnwards) {
    add("one.txt");
    ArchiveScan scan(arc);
    ASSERT_TRUE(index.refresh(scan));
    const std::vector<quint32> hits(70000, 0);
    const ResultList list = index.results(hits);
    EXPECT_EQ(list.row(65535).nr, 65536u);
    EXPECT_EQ(list.row(69999).nr, 70000u);
}
