#include "StoreFixture.h"

#include <QElapsedTimer>
#include <sqlcipher/sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;

namespace {
constexpr int Write = ReadWrite | DenyNone;
constexpr int IdKey = 1;
} // namespace

// Two store objects on one directory are two stations.
class TwoStations : public StoreTest {
protected:
    std::unique_ptr<RecordStore> other = RecordStore::openSqlCipher(dir.path());

    void SetUp() override {
        StoreFile& prd = created(Dictionary::Prd());
        PrdRecord p;
        for (const char* name : {"Acme", "Borland", "Corel"}) {
            p.Name = name;
            ASSERT_EQ(prd.add(p), Ok);
        }
        ASSERT_EQ(other->declare(Dictionary::Prd()).open(Write), Ok);
    }
    StoreFile& mine() { return store->declare(Dictionary::Prd()); }
    StoreFile& theirs() { return other->declare(Dictionary::Prd()); }
    static int read(StoreFile& f, const char* name, PrdRecord& p) {
        p.Name = name;
        return f.get(1, p);
    }
};

TEST_F(TwoStations, APutOfARecordChangedElsewhereIsRefused) {
    PrdRecord a, b;
    ASSERT_EQ(read(mine(), "Borland", a), Ok);
    ASSERT_EQ(read(theirs(), "Borland", b), Ok);
    b.Phone = "555";
    ASSERT_EQ(theirs().put(b), Ok);
    a.Phone = "777";
    EXPECT_EQ(mine().put(a), ChangedElsewhere);
    EXPECT_EQ(mine().status().text, "Record changed by another station");
    ASSERT_EQ(mine().watch(a), Ok);
    ASSERT_EQ(mine().reget(positionOf(a, 1), a), Ok); // the other station's values
    EXPECT_EQ(a.Phone.str(), "555");
    a.Phone = "777";
    EXPECT_EQ(mine().put(a), Ok);
    // A second put of the same reading goes through: it is this station's own change.
    a.Phone = "778";
    EXPECT_EQ(mine().put(a), Ok);
}

TEST_F(TwoStations, APutOfARecordErasedElsewhereFindsNothing) {
    PrdRecord a, b;
    ASSERT_EQ(read(mine(), "Corel", a), Ok);
    ASSERT_EQ(read(theirs(), "Corel", b), Ok);
    ASSERT_EQ(theirs().erase(b), Ok);
    EXPECT_EQ(mine().put(a), NoRecord);
    EXPECT_EQ(mine().erase(a), NoRecord);
}

TEST_F(TwoStations, AHeldRecordReadsAs43ForTheOtherStation) {
    PrdRecord a, b;
    ASSERT_EQ(read(mine(), "Borland", a), Ok);
    ASSERT_EQ(mine().hold(a), Ok);
    EXPECT_EQ(read(mine(), "Borland", a), Ok); // the holder reads on
    EXPECT_EQ(read(theirs(), "Borland", b), RecordHeld);
    EXPECT_EQ(theirs().status().text, "Record held by another station");

    // A sequential read passes the held record with 43 and goes on after it.
    theirs().setOrder(1);
    QStringList seen;
    int rc;
    while ((rc = theirs().next(b)) != NoRecord)
        seen << (rc == Ok ? b.Name.str() : "<held>");
    EXPECT_EQ(seen, QStringList({"Acme", "<held>", "Corel"}));
    ASSERT_EQ(read(theirs(), "Acme", b), Ok);
    ASSERT_EQ(mine().hold(a), Ok); // holding again in the same file is fine
    EXPECT_EQ(theirs().hold(b), Ok);

    ASSERT_EQ(read(mine(), "Acme", a), RecordHeld);
    ASSERT_EQ(read(mine(), "Corel", a), Ok);
    ASSERT_EQ(mine().hold(a), Ok); // gives up the hold on Borland
    ASSERT_EQ(read(theirs(), "Borland", b), Ok);
    ASSERT_EQ(read(theirs(), "Corel", b), RecordHeld);
    ASSERT_EQ(mine().release(), Ok);
    ASSERT_EQ(read(theirs(), "Corel", b), Ok);
    b.Phone = "1";
    EXPECT_EQ(theirs().put(b), Ok);
}

TEST_F(TwoStations, EraseAllWaitsForTheOtherStationsHoldThenEmptiesTheFileAndItsCount) {
    PrdRecord a, b;
    ASSERT_EQ(read(mine(), "Borland", a), Ok);
    ASSERT_EQ(mine().hold(a), Ok);
    EXPECT_EQ(theirs().eraseAll(), RecordHeld);
    EXPECT_EQ(theirs().records(), 3);
    ASSERT_EQ(mine().release(), Ok);

    ASSERT_EQ(read(mine(), "Corel", a), Ok);
    ASSERT_EQ(mine().hold(a), Ok); // this station's own hold goes with the records
    ASSERT_EQ(mine().eraseAll(), Ok);
    EXPECT_EQ(mine().records(), 0);
    EXPECT_EQ(theirs().records(), 0);
    EXPECT_EQ(read(theirs(), "Acme", b), NoRecord);
    b.Name = "Delphi";
    ASSERT_EQ(theirs().add(b), Ok);
    EXPECT_EQ(theirs().hold(b), Ok); // no hold of the erased records is left behind
    EXPECT_EQ(mine().records(), 1);
}

TEST_F(TwoStations, PutAndEraseRespectHolds) {
    PrdRecord a, b;
    ASSERT_EQ(read(mine(), "Acme", a), Ok);
    ASSERT_EQ(read(theirs(), "Acme", b), Ok);
    ASSERT_EQ(mine().hold(a), Ok);
    b.Phone = "1";
    EXPECT_EQ(theirs().put(b), RecordHeld);
    EXPECT_EQ(theirs().erase(b), RecordHeld);
    a.Phone = "2";
    EXPECT_EQ(mine().put(a), Ok); // a put gives the hold up
    ASSERT_EQ(read(theirs(), "Acme", b), Ok);
    EXPECT_EQ(b.Phone.str(), "2");
    EXPECT_EQ(theirs().erase(b), Ok);
}

TEST_F(TwoStations, AHoldOfAStationThatHasGoneIsTakenOverAfterRecover) {
    PrdRecord a, b;
    ASSERT_EQ(read(theirs(), "Acme", b), Ok);
    ASSERT_EQ(theirs().hold(b), Ok);
    EXPECT_EQ(read(mine(), "Acme", a), RecordHeld);
    other.reset(); // a station that ends gives its holds up
    EXPECT_EQ(read(mine(), "Acme", a), Ok);

    // A process that dies holding a record leaves its hold behind.
    const pid_t child = ::fork();
    if (child == 0) {
        auto dying = RecordStore::openSqlCipher(dir.path());
        StoreFile& f = dying->declare(Dictionary::Prd());
        PrdRecord p;
        const bool held = f.open(Write) == Ok && read(f, "Borland", p) == Ok && f.hold(p) == Ok;
        ::_exit(held ? 0 : 1);
    }
    int exit = -1;
    ASSERT_EQ(::waitpid(child, &exit, 0), child);
    ASSERT_TRUE(WIFEXITED(exit) && WEXITSTATUS(exit) == 0);
    ASSERT_EQ(mine().sendOption("Recover=3600"), Ok);
    EXPECT_EQ(read(mine(), "Borland", a), RecordHeld); // not yet stale enough
    ASSERT_EQ(mine().sendOption("Recover=0"), Ok);
    ASSERT_EQ(read(mine(), "Borland", a), Ok);
    ASSERT_EQ(mine().hold(a), Ok); // taken over
    auto third = RecordStore::openSqlCipher(dir.path());
    StoreFile& t = third->declare(Dictionary::Prd());
    ASSERT_EQ(t.open(Write), Ok);
    EXPECT_EQ(read(t, "Borland", b), RecordHeld);
}

TEST_F(TwoStations, TheSecondWriterWaitsThenGetsACode) {
    ASSERT_EQ(store->begin({&mine()}, 1), Ok);
    PrdRecord p;
    p.Name = "Delphi";
    ASSERT_EQ(mine().add(p), Ok);
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(other->begin({&theirs()}, 1), FileSystemError);
    EXPECT_GE(waited.elapsed(), 900);
    EXPECT_EQ(other->status().driverCode, QString::number(SQLITE_BUSY));
    p.Name = "Eiffel";
    EXPECT_EQ(theirs().add(p), FileSystemError); // after the store's own wait
    ASSERT_EQ(store->commit(), Ok);
    EXPECT_EQ(theirs().add(p), Ok);
    EXPECT_EQ(theirs().records(), 5);
}

TEST_F(StoreTest, ARolledBackTransactionLeavesEveryFileUnchanged) {
    StoreFile& srt = created(Dictionary::SoortTabel());
    StoreFile& arc = created(Dictionary::Archief());
    SoortTabelRecord s;
    s.Soort = "Games";
    ASSERT_EQ(srt.add(s), Ok);
    ArchiefRecord r;
    archief(r, 1, "doom.exe", "Games");
    ASSERT_EQ(arc.add(r), Ok);
    const QByteArray srtBefore = contents(path(Dictionary::SoortTabel()));
    const QByteArray arcBefore = contents(path(Dictionary::Archief()));

    // A cascade rename over both files, abandoned half way.
    ASSERT_EQ(store->begin({&srt, &arc}, 2), Ok);
    EXPECT_EQ(store->begin({&srt}, 2), FileSystemError); // no nesting
    ASSERT_EQ(srt.get(1, s), Ok);
    s.Soort = "Spellen";
    ASSERT_EQ(srt.put(s), Ok);
    r.Soort = "Games";
    ASSERT_EQ(arc.get(6, r), Ok);
    r.Soort = "Spellen";
    ASSERT_EQ(arc.put(r), Ok);
    archief(r, 2, "quake.exe", "Spellen");
    ASSERT_EQ(arc.add(r), Ok);
    EXPECT_EQ(srt.close(), FileSystemError); // not in the middle of it
    ASSERT_EQ(store->rollback(), Ok);

    EXPECT_EQ(pass<SoortTabelRecord>(srt, 1, 0), QStringList({"Games"}));
    EXPECT_EQ(pass<ArchiefRecord>(arc, 6, 4), QStringList({"Games"}));
    srt.close();
    arc.close();
    EXPECT_EQ(contents(path(Dictionary::SoortTabel())), srtBefore);
    EXPECT_EQ(contents(path(Dictionary::Archief())), arcBefore);
    EXPECT_EQ(store->commit(), FileSystemError);
}

TEST_F(StoreTest, ACommittedTransactionKeepsBothFiles) {
    StoreFile& log = created(Dictionary::Log());
    StoreFile& ide = created(Dictionary::IDE());
    ASSERT_EQ(store->begin({&log, &ide}, 2), Ok);
    IdeRecord u;
    u.IDNR = 1;
    u.Name = "Anna";
    ASSERT_EQ(ide.add(u), Ok);
    LogRecord l;
    l.NR = 1;
    l.ID = 1;
    ASSERT_EQ(log.add(l), Ok);
    ASSERT_EQ(store->commit(), Ok);
    auto second = RecordStore::openSqlCipher(dir.path());
    StoreFile& seen = second->declare(Dictionary::Log());
    ASSERT_EQ(seen.open(Write), Ok);
    EXPECT_EQ(seen.records(), 1);
}

TEST_F(StoreTest, DuplicatesAreRefusedAndFoundKeyByKey) {
    StoreFile& arc = created(Dictionary::Archief());
    ArchiefRecord r;
    archief(r, 1, "one");
    ASSERT_EQ(arc.add(r), Ok);
    archief(r, 2, "two");
    ASSERT_EQ(arc.add(r), Ok);
    EXPECT_FALSE(arc.duplicates(IdKey, r)); // the current record is itself
    r.NR = 1;
    EXPECT_EQ(arc.put(r), DuplicateKey);
    EXPECT_TRUE(arc.duplicates(IdKey, r));
    EXPECT_FALSE(arc.duplicates(5, r)); // a key that allows duplicates
    archief(r, 2, "again");
    EXPECT_EQ(arc.add(r), DuplicateKey);
    EXPECT_TRUE(arc.duplicates(IdKey, r));
    EXPECT_EQ(arc.records(), 2);
}

TEST_F(StoreTest, BackupIsAWholeCopyWhileTheFileIsOpen) {
    StoreFile& arc = created(Dictionary::Archief());
    StoreFile& ide = created(Dictionary::IDE());
    addArchief(arc, 500);
    IdeRecord u;
    u.IDNR = 3;
    u.Name = "Bert";
    ASSERT_EQ(ide.add(u), Ok);
    QDir(dir.path()).mkdir("backup");
    const QString arcCopy = dir.filePath("backup/Archief.tps");
    const QString ideCopy = dir.filePath("backup/IDE.tps");
    write(arcCopy, "an old copy to be replaced");
    ASSERT_EQ(store->backup(Dictionary::Archief(), arcCopy), Ok)
        << store->status().driverText.toStdString();
    ASSERT_EQ(store->backup(Dictionary::IDE(), ideCopy), Ok)
        << store->status().driverText.toStdString();
    EXPECT_FALSE(contents(ideCopy).contains("Bert")); // still encrypted

    // The copies open as the files they are.
    QTemporaryDir elsewhere;
    QFile::copy(arcCopy, QDir(elsewhere.path()).filePath("Archief.tps"));
    QFile::copy(ideCopy, QDir(elsewhere.path()).filePath("IDE.tps"));
    auto copies = RecordStore::openSqlCipher(elsewhere.path());
    StoreFile& arcBack = copies->declare(Dictionary::Archief());
    StoreFile& ideBack = copies->declare(Dictionary::IDE());
    ASSERT_EQ(arcBack.open(Write), Ok);
    ASSERT_EQ(ideBack.open(Write), Ok);
    EXPECT_EQ(pass<ArchiefRecord>(arcBack, 5, 5), pass<ArchiefRecord>(arc, 5, 5));
    EXPECT_EQ(pass<IdeRecord>(ideBack, 2, 1), QStringList({"Bert"}));

    // Restore puts the copy's content in place of the open file's.
    ArchiefRecord r;
    archief(r, 1000, "after the backup");
    ASSERT_EQ(arc.add(r), Ok);
    ASSERT_EQ(store->restore(Dictionary::Archief(), arcCopy), Ok)
        << store->status().driverText.toStdString();
    EXPECT_EQ(arc.records(), 500);
    r.NR = 1000;
    EXPECT_EQ(arc.get(IdKey, r), NoRecord);

    // A closed file is restored too; a copy of another file is refused.
    ide.close();
    ASSERT_EQ(store->restore(Dictionary::IDE(), ideCopy), Ok);
    EXPECT_EQ(store->restore(Dictionary::IDE(), arcCopy), FileSystemError);
    EXPECT_EQ(store->restore(Dictionary::IDE(), dir.filePath("none.tps")), FileNotFound);
    ASSERT_EQ(ide.open(Write), Ok);
    EXPECT_EQ(ide.records(), 1);
}

TEST_F(TwoStations, ARestoreIsSeenByAStationThatHasTheFileOpen) {
    const QString copy = dir.filePath("Prd.copy");
    ASSERT_EQ(store->backup(Dictionary::Prd(), copy), Ok);
    PrdRecord p;
    p.Name = "Delphi";
    ASSERT_EQ(mine().add(p), Ok);
    ASSERT_EQ(mine().close(), Ok);
    ASSERT_EQ(store->restore(Dictionary::Prd(), copy), Ok);
    EXPECT_EQ(theirs().records(), 3);
    EXPECT_EQ(read(theirs(), "Delphi", p), NoRecord);

    // A damaged file is replaced as a whole.
    other.reset();
    write(path(Dictionary::Prd()), "damaged");
    ASSERT_EQ(store->restore(Dictionary::Prd(), copy), Ok);
    ASSERT_EQ(mine().open(Write), Ok);
    EXPECT_EQ(mine().records(), 3);
}
