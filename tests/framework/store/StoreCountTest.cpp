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
