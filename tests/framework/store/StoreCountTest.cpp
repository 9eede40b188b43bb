#include "StoreFixture.h"

#include "framework/store/Collation.h"

#include <sqlcipher/sqlite3.h>

using namespace store;

namespace {

constexpr int Write = ReadWrite | DenyNone;

// Runs SQL on a closed data file directly, as another program would.
void onDisk(const QString& file, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
    collation::install(db);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

} // namespace

TEST_F(StoreTest, CountFollowsEveryWriterAndComesBackWhenLost) {
    StoreFile& arc = created(Dictionary::Archief());
    addArchief(arc, 30);
    EXPECT_EQ(arc.records(), 30);
    ArchiefRecord r;
    arc.setOrder(0);
    ASSERT_EQ(arc.next(r), Ok);
    ASSERT_EQ(arc.erase(r), Ok);
    ASSERT_EQ(store->begin({&arc}, 5), Ok);
    ASSERT_EQ(arc.next(r), Ok);
    ASSERT_EQ(arc.erase(r), Ok);
    ASSERT_EQ(store->rollback(), Ok); // an undone delete is not counted
    archief(r, 900, "appended");
    ASSERT_EQ(arc.append(r), Ok);
    EXPECT_EQ(arc.records(), 30);

    // Another station's changes are counted too.
    auto other = RecordStore::openSqlCipher(dir.path());
    StoreFile& there = other->declare(Dictionary::Archief());
    ASSERT_EQ(there.open(Write), Ok);
    archief(r, 901, "from there");
    ASSERT_EQ(there.add(r), Ok);
    EXPECT_EQ(arc.records(), 31);
    EXPECT_EQ(there.records(), 31);
    there.close();
    arc.close();

    // A file whose count was lost, or that was changed without it, is counted anew.
    onDisk(path(Dictionary::Archief()), "DROP TRIGGER store_count_delete");
    onDisk(path(Dictionary::Archief()), "DELETE FROM \"Archief\" WHERE \"NR\" > 20");
    ASSERT_EQ(arc.open(Write), Ok);
    EXPECT_EQ(arc.records(), 19);
    arc.setOrder(0);
    ASSERT_EQ(arc.next(r), Ok);
    ASSERT_EQ(arc.erase(r), Ok);
    EXPECT_EQ(arc.records(), 18);
}

TEST_F(StoreTest, EachOrderCountsTheRecordsItsKeyHolds) {
    StoreFile& arc = created(Dictionary::Archief());
    constexpr int KeyCdNr = 2, KeyProducer = 7;
    auto counted = [&](int key) {
        auto c = arc.cursor();
        c->setOrder(key);
        return c->count();
    };
    auto read = [&](int key) {
        auto c = arc.cursor();
        ArchiefRecord r;
        qint64 n = 0;
        c->setOrder(key);
        while (c->next(r) == Ok)
            ++n;
        return n;
    };
    ArchiefRecord r;
    for (int i = 1; i <= 20; ++i) {
        archief(r, quint32(i), i % 4 ? QStringLiteral("f%1").arg(i) : QString());
        r.CdNr = quint16(i % 3);
        r.Producer = i % 5 ? QString() : QStringLiteral("Acme");
        ASSERT_EQ(arc.add(r), Ok);
    }
    auto agree = [&](const char* when) {
        for (int key = 0; key <= 8; ++key)
            EXPECT_EQ(counted(key), read(key)) << when << ", key " << key;
    };
    agree("added");
    r.NR = 2;
    ASSERT_EQ(arc.get(1, r), Ok);
    r.CdNr = 0;     // leaves the CD number key
    r.Naam.clear(); // and, without a producer, the producer key
    ASSERT_EQ(arc.put(r), Ok);
    agree("changed");
    EXPECT_EQ(counted(KeyCdNr), 13);
    ASSERT_EQ(store->begin({&arc}, 2), Ok);
    r.NR = 5;
    ASSERT_EQ(arc.get(1, r), Ok);
    ASSERT_EQ(arc.erase(r), Ok);
    ASSERT_EQ(store->rollback(), Ok);
    agree("rolled back");
    r.NR = 6;
    ASSERT_EQ(arc.get(1, r), Ok);
    ASSERT_EQ(arc.erase(r), Ok);
    agree("erased");

    // Counts lost or never kept are made anew when the file is opened for writing.
    arc.close();
    onDisk(path(Dictionary::Archief()), "DROP TRIGGER store_key_count_update");
    onDisk(path(Dictionary::Archief()), "UPDATE \"Archief\" SET \"Producer\" = 'Borland'");
    ASSERT_EQ(arc.open(Write), Ok);
    EXPECT_EQ(counted(KeyProducer), 19);
    agree("reopened");
}
