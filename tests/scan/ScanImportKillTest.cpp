#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/store/Collation.h"
#include "support/CatalogueTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <fcntl.h>
#include <sqlcipher/sqlite3.h>
#include <unistd.h>

namespace {

class ScanImportKillTest : public CatalogueTest {
protected:
    void makeFiles(const QString& folder, int count) {
        QDir().mkpath(dataPath(folder));
        const QByteArray base = QFile::encodeName(dataPath(folder)) + "/";
        for (int i = 0; i < count; ++i)
            ::close(::open((base + "FILE" + QByteArray::number(i) + ".EXE").constData(),
                           O_WRONLY | O_CREAT, 0644));
    }
    // Starts the child's import and ends it with kill -9 once it has reported a few slices;
    // the last count it reported.
    qint64 killMidway(const QString& mode, qint64 total) {
        QProcess child;
        child.start(QStringLiteral(WARELOFT_TEST_CHILD),
                    {"import", dataDir(), dataPath("cd"), mode});
        EXPECT_TRUE(child.waitForStarted());
        qint64 reported = 0;
        bool done = false;
        while (!done && reported < total / 4 && child.waitForReadyRead(20000)) {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith("done")) done = true;
                reported = std::max(reported, line.split(' ').last().toLongLong());
            }
        }
        child.kill(); // SIGKILL
        child.waitForFinished();
        EXPECT_FALSE(done) << "the import ended before it could be cut short";
        EXPECT_GT(reported, 0);
        return reported;
    }
    // Every entry whole and once: the count, after checking each one's fields.
    qint64 checkEntries(qint64 total) {
        FileManager& arc = Access::Archief();
        EXPECT_EQ(arc.UseFile(), LevelBenign);
        ArchiefRecord e;
        QSet<QString> names;
        qint64 count = 0;
        arc.File->setOrder(ArcKey::IDkey);
        while (arc.File->next(e) == store::Ok) {
            ++count;
            EXPECT_FALSE(names.contains(e.Naam.str())) << "twice: " << e.Naam.str().toStdString();
            names.insert(e.Naam.str());
            EXPECT_TRUE(e.Naam.str().contains("FILE")) << e.Naam.str().toStdString();
            EXPECT_EQ(e.CDiskNaam.str(), "D:\\");
            EXPECT_EQ(e.CdNr, 1);
            EXPECT_EQ(e.Soort.str(), "Tools");
            EXPECT_EQ(e.Producer.str(), "Child");
            EXPECT_NE(e.Date, 0);
            EXPECT_NE(e.NR, 0u);
        }
        EXPECT_LE(count, total);
        return count;
    }
    void checkIntegrity() {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(dataPath("Archief.tps")).constData(), &db),
                  SQLITE_OK);
        ASSERT_EQ(store::collation::install(db), SQLITE_OK);
        sqlite3_stmt* check = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr), SQLITE_OK);
        ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
        EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
        sqlite3_finalize(check);
        sqlite3_close(db);
    }
};

TEST_F(ScanImportKillTest, AddAllKilledKeepsEveryReportedEntryWholeAndOnce) {
    constexpr int Files = 60000;
    makeFiles("cd", Files);
    const qint64 reported = killMidway("all", Files);
    EXPECT_GE(checkEntries(Files), reported);
    checkIntegrity();
}

TEST_F(ScanImportKillTest, AddTreeKilledKeepsEveryReportedEntryWholeAndOnce) {
    constexpr int Directories = 30, PerDirectory = 2000;
    for (int d = 0; d < Directories; ++d)
        makeFiles(QStringLiteral("cd/DIR%1").arg(d), PerDirectory);
    const qint64 reported = killMidway("tree", Directories * PerDirectory);
    EXPECT_GE(checkEntries(Directories * PerDirectory), reported);
    checkIntegrity();
}

} // namespace
