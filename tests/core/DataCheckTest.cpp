#include "core/DataCheck.h"
#include "core/DataFiles.h"
#include "core/Dictionary.h"
#include "core/Installation.h"
#include "core/Process.h"
#include "framework/store/Collation.h"
#include "support/DataDirTest.h"

#include <QCryptographicHash>
#include <QDir>
#include <sqlcipher/sqlite3.h>

namespace {

// A demo installation, checked as it is and after damage done to a copy of it.
class DataCheckTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        process = std::make_unique<Process>(dataDir());
        QString report;
        ASSERT_EQ(Installation::install({QStringLiteral("Secret"), {}, true}, report),
                  Installation::Installed)
            << report.toStdString();
    }
    void TearDown() override {
        process.reset();
        DataDirTest::TearDown();
    }

    // The records a file holds, read through the store.
    static qint64 records(FileManager& file) {
        EXPECT_EQ(file.Open(), LevelBenign);
        EXPECT_EQ(file.UseFile(), LevelBenign);
        const qint64 n = file.File->records();
        file.Close();
        return n;
    }
    static QString sound(const char* name, qint64 records) {
        return QStringLiteral("%1\tsound\t%2 %3")
            .arg(QLatin1String(name))
            .arg(records)
            .arg(records == 1 ? "record" : "records");
    }
    std::map<QString, QString> lines(const QString& dir) {
        std::map<QString, QString> out;
        for (const DataCheck::FileResult& r : DataCheck::run(dir))
            out[r.diskName] = DataCheck::line(r);
        return out;
    }
    QByteArray fingerprint() {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const QString& name : QDir(dataDir()).entryList(QDir::Files | QDir::Hidden))
            hash.addData(readFile(name));
        return hash.result();
    }
    // A copy of the data directory to damage.
    QString copy() {
        const QString to = dataPath("copy");
        QDir().mkpath(to);
        for (const FileDef* def : Dictionary::files())
            QFile::copy(dataPath(def->diskName), QDir(to).filePath(def->diskName));
        return to;
    }
    static void exec(const QString& file, const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
        store::collation::install(db);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    std::unique_ptr<Process> process;
};

TEST_F(DataCheckTest, ADemoDirectoryIsSoundAlsoWhileInUseAndIsNotChanged) {
    FileManager& archive = Access::Archief();
    ASSERT_EQ(archive.Open(), LevelBenign);
    ASSERT_EQ(archive.UseFile(), LevelBenign);
    const QByteArray before = fingerprint();
    const auto results = DataCheck::run(dataDir());
    EXPECT_TRUE(DataCheck::allSound(results));
    auto found = lines(dataDir());
    EXPECT_EQ(found["Archief.tps"], sound("Archief.tps", archive.File->records()));
    EXPECT_EQ(found["IDE.tps"], sound("IDE.tps", 3));
    EXPECT_EQ(found["Sys.tps"], "Sys.tps\tsound\t1 record");
    EXPECT_EQ(found.size(), 7u);
    EXPECT_EQ(fingerprint(), before);
    archive.Close();
}

TEST_F(DataCheckTest, DamageIsFoundAndNamed) {
    const qint64 producers = records(Access::Prd());
    const QString dir = copy();
    const QDir d(dir);
    // A kept count that lost touch with the records.
    exec(d.filePath("Prd.tps"), "DROP TRIGGER store_count_insert; INSERT INTO Prd(\"Name\") "
                                "VALUES('Unseen')");
    // A key gone.
    exec(d.filePath("Soorttab.tps"), "DROP INDEX KeySoort");
    // A file cut short, one scribbled over, and one gone.
    QFile archive(d.filePath("Archief.tps"));
    ASSERT_TRUE(archive.resize(archive.size() - 1000));
    QFile log(d.filePath("Log.tps"));
    ASSERT_TRUE(log.open(QIODevice::ReadWrite));
    log.seek(1500);
    log.write(QByteArray(300, 'x'));
    log.close();
    QFile::remove(d.filePath("Drv.tps"));

    const auto results = DataCheck::run(dir);
    EXPECT_FALSE(DataCheck::allSound(results));
    auto found = lines(dir);
    EXPECT_EQ(found["Prd.tps"],
              QStringLiteral("Prd.tps\tnot sound\tit counts %1 records but holds %2")
                  .arg(producers)
                  .arg(producers + 1));
    EXPECT_EQ(found["Soorttab.tps"], "Soorttab.tps\tnot sound\tits keys must be rebuilt");
    EXPECT_TRUE(found["Log.tps"].startsWith("Log.tps\tnot sound\t"))
        << found["Log.tps"].toStdString();
    EXPECT_TRUE(found["Archief.tps"].startsWith("Archief.tps\tnot sound\t"))
        << found["Archief.tps"].toStdString();
    EXPECT_EQ(found["Drv.tps"], "Drv.tps\tmissing\tmade empty at the next start");
    EXPECT_EQ(found["IDE.tps"], sound("IDE.tps", 3));
}

// A change cut off in the middle leaves a journal that only a writer can settle: the check
// says so without touching it, and the next installation attempt settles it.
TEST_F(DataCheckTest, AnInterruptedChangeIsToldAndSettledByTheNextInstallation) {
    const qint64 producers = records(Access::Prd());
    const QString prd = dataPath("Prd.tps");
    const QByteArray before = readFile("Prd.tps");
    QByteArray file, journal;
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(prd).constData(), &db), SQLITE_OK);
        store::collation::install(db);
        // A cache of one page: the change reaches the file before it is committed.
        ASSERT_EQ(sqlite3_exec(db,
                               "PRAGMA cache_size = 10; BEGIN; UPDATE Prd SET Phone = "
                               "hex(randomblob(10)); WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                               "SELECT i + 1 FROM n WHERE i < 3000) INSERT INTO Prd(Name, "
                               "Website) SELECT 'P' || i, hex(randomblob(40)) FROM n;",
                               nullptr, nullptr, nullptr),
                  SQLITE_OK)
            << sqlite3_errmsg(db);
        file = readFile("Prd.tps");
        journal = readFile("Prd.tps-journal");
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    ASSERT_FALSE(journal.isEmpty());
    writeFile("Prd.tps", file);
    writeFile("Prd.tps-journal", journal);

    auto found = lines(dataDir());
    EXPECT_TRUE(found["Prd.tps"].startsWith("Prd.tps\tnot sound\ta change was interrupted"))
        << found["Prd.tps"].toStdString();
    EXPECT_EQ(readFile("Prd.tps-journal"), journal) << "the check changes nothing";

    QString report;
    EXPECT_EQ(Installation::check(report), Installation::Refused);
    EXPECT_EQ(lines(dataDir())["Prd.tps"], sound("Prd.tps", producers));
    EXPECT_EQ(readFile("Prd.tps"), before);
}

} // namespace
