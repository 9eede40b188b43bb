#include "search/SearchCommand.h"
#include "framework/DayNumbers.h"
#include "framework/store/StoreFixture.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <cstdio>

namespace {

struct Outcome {
    int code;
    QString out, err;
};

QString readAll(std::FILE* f) {
    std::rewind(f);
    QByteArray bytes;
    char chunk[4096];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, qsizetype(n));
    std::fclose(f);
    return QString::fromUtf8(bytes);
}

} // namespace

class SearchCommandTest : public StoreTest {
protected:
    void SetUp() override {
        store::StoreFile& arc = created(Dictionary::Archief());
        ArchiefRecord r;
        auto add = [&](quint32 nr, const char* medium, const char* file, qint32 date,
                       const char* producer, const char* remarks) {
            r.clear();
            r.NR = nr;
            r.CdNr = quint16(nr);
            r.CDiskNaam = medium;
            r.Naam = QString::fromUtf8(file);
            r.Date = date;
            r.Time = date ? Pictures::timeValue(12, 0, 0) : 0;
            r.Producer = producer;
            r.Opmerkingen = remarks;
            ASSERT_EQ(arc.add(r), store::Ok);
        };
        add(10, "Tools CD", "PKZIP.EXE", Pictures::dayNumber(1998, 3, 14), "PKWare", "");
        add(11, "Games CD", "readme.zip", Pictures::dayNumber(1997, 1, 2), "Kestrel", "a, \"b\"");
        add(12, "Games CD", "CHESS.EXE", 0, "Kestrel", "");
        arc.close();
        store.reset();
    }

    Outcome run(SearchCommand c) {
        if (c.dataDirectory.isEmpty()) c.dataDirectory = dir.path();
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const int code = runSearch(c, out, err);
        return {code, readAll(out), readAll(err)};
    }

    QByteArray fingerprint() {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden);
        QStringList names;
        while (it.hasNext())
            names << it.next();
        names.sort();
        for (const QString& n : names) {
            hash.addData(n.toUtf8());
            hash.addData(contents(n));
        }
        return hash.result();
    }
};

TEST_F(SearchCommandTest, PrintsTheMatchesInTheResultsOrderAsTabSeparatedLines) {
    SearchCommand c;
    c.phrase = "ZIP ";
    const Outcome r = run(c);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    // Numbered in record order, listed by medium name first.
    EXPECT_EQ(r.out, "2\t11\t\tGames CD\treadme.zip\t1997-01-02\t12:00:00\tKestrel\ta, \"b\"\n"
                     "1\t10\t\tTools CD\tPKZIP.EXE\t1998-03-14\t12:00:00\tPKWare\t\n");
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(SearchCommandTest, CsvQuotesWhatNeedsIt) {
    SearchCommand c;
    c.phrase = "games";
    c.subject = "NAME";
    c.csv = true;
    const Outcome r = run(c);
    EXPECT_EQ(r.code, 0);
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Nr,CD Nr.,Disk Nr.,Name,File Name,Date,Time,Producer,Remarks");
    EXPECT_EQ(lines[1], "2,12,,Games CD,CHESS.EXE,,,Kestrel,");
    EXPECT_EQ(lines[2], "1,11,,Games CD,readme.zip,1997-01-02,12:00:00,Kestrel,\"a, \"\"b\"\"\"");
}

TEST_F(SearchCommandTest, DatesInBothFormsWithUndatedEntriesEarliest) {
    SearchCommand c;
    c.dates = true;
    c.till = "31/12/1997";
    Outcome r = run(c);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.count('\n'), 2) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("CHESS.EXE")) << "no date is earlier than every date";
    c.till.clear();
    c.from = "1998-03-14";
    r = run(c);
    EXPECT_EQ(r.out.count('\n'), 1);
    EXPECT_TRUE(r.out.contains("PKZIP.EXE"));
}

TEST_F(SearchCommandTest, NothingFoundAndErrorsHaveTheirExitCodes) {
    const QByteArray before = fingerprint();
    SearchCommand c;
    c.phrase = "nowhere";
    Outcome r = run(c);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.out.isEmpty());

    c.phrase = "   ";
    r = run(c);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("No phrase")) << r.err.toStdString();

    c.phrase = "x";
    c.subject = "colour";
    EXPECT_EQ(run(c).code, 2);

    SearchCommand d;
    d.dates = true;
    EXPECT_EQ(run(d).code, 2) << "a date search needs a date";
    d.from = "2024-02-30";
    r = run(d);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("not a date"));

    c.subject.clear();
    c.dataDirectory = dir.path() + "/missing";
    r = run(c);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains("holds no archive"));

    EXPECT_EQ(fingerprint(), before) << "the data directory is only read";
}

TEST_F(SearchCommandTest, AnUnreadableArchiveIsAnError) {
    write(path(Dictionary::Archief()), "not a database at all, only text");
    SearchCommand c;
    c.phrase = "zip";
    const Outcome r = run(c);
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.startsWith("wareloft: ")) << r.err.toStdString();
}
