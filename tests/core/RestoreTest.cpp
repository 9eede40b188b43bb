#include "core/Restore.h"
#include "core/Backup.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Procedures.h"
#include "support/CatalogueTest.h"

#include <QDir>
#include <QFile>
#include <sqlcipher/sqlite3.h>

namespace {

class RestoreTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        Access::SoortTabel().Open();
        backup = dataPath("backup");
        QDir().mkpath(backup);
        setSystem(30, backup);
        addEntry("SETUP.EXE", 1);
        addEntry("README.TXT", 1);
        addProducer("Delphi");
        addClass("Tools");
        // The backup of the session end.
        fetchSystem();
        SYS.DOBACKUP = 1;
        ASSERT_TRUE(Backup::runIfDue(SYS));
        before = snapshot();

        // What happened since.
        addEntry("LATER.EXE", 2);
        addProducer("Borland");
        addClass("Games");
        addUser("Anna", "pw", 1);
        setSystem(9, backup);
        LOG.clear();
        LOG.NAME = "Anna";
        LOG.DATUM = host.today();
        ASSERT_EQ(Access::Log().TryInsert(), LevelBenign);
        after = snapshot();
        host.clearRecords();
    }

    void TearDown() override {
        Access::SoortTabel().Close();
        CatalogueTest::TearDown();
    }

    void fetchSystem() {
        SYS.clear();
        SYS.ID = 1;
        ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
    }
    void setSystem(int howLong, const QString& path) {
        fetchSystem();
        SYS.HOWLONG = quint8(howLong);
        SYS.PATHBACKUPFILES = path;
        SYS.LASTBACKUPDATE = 0;
        ASSERT_EQ(Access::Sys().TryUpdate(), LevelBenign);
    }
    void addEntry(const QString& name, int cd) {
        ARC.clear();
        ARC.Naam = name;
        ARC.CdNr = quint16(cd);
        ASSERT_EQ(Access::Archief().TryInsert(), LevelBenign);
    }
    void addProducer(const QString& name) {
        PRD.clear();
        PRD.Name = name;
        ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    }
    void addClass(const QString& name) {
        SRT.clear();
        SRT.Soort = name;
        ASSERT_EQ(Access::SoortTabel().TryInsert(), LevelBenign);
    }

    template <class Record> static QStringList names(FileManager& file, int field) {
        QStringList out;
        if (file.UseFile() != LevelBenign) return {"unusable"};
        Record r;
        file.File->setOrder(0);
        while (file.File->next(r) == store::Ok)
            out << r.text(field);
        return out;
    }
    // Every file's contents in short.
    QString snapshot() {
        QStringList parts;
        parts << names<ArchiefRecord>(Access::Archief(), 5).join(",");
        parts << names<PrdRecord>(Access::Prd(), 0).join(",");
        parts << names<IdeRecord>(Access::IDE(), 1).join(",");
        parts << names<SoortTabelRecord>(Access::SoortTabel(), 0).join(",");
        parts << names<LogRecord>(Access::Log(), 2).join(",");
        SysRecord sys;
        sys.ID = 1;
        Access::Sys().File->get(SysKey::KeyID, sys);
        parts << QString::number(sys.HOWLONG);
        return parts.join(" | ");
    }
    // The snapshot with its first four parts from `restored` and the rest from `kept`.
    static QString mixed(const QString& restored, const QString& kept, int files = 4) {
        QStringList r = restored.split(" | "), k = kept.split(" | ");
        for (int i = 0; i < files; ++i)
            k[i] = r[i];
        return k.join(" | ");
    }

    QString copyOf(const char* name) const { return backup + "/" + name; }
    void setVersion(const QString& path, int version) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        const QByteArray sql = "UPDATE store_meta SET version = " + QByteArray::number(version);
        EXPECT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    void expectRefused(const char* file, const char* why) {
        host.clearRecords();
        host.answer(1);
        Restore::run();
        ASSERT_EQ(host.messages().size(), 2u) << why;
        const QString text = host.messages()[1].text;
        EXPECT_TRUE(text.startsWith("Nothing was restored")) << why << ": " << text.toStdString();
        EXPECT_TRUE(text.contains(file)) << why << ": " << text.toStdString();
        EXPECT_EQ(snapshot(), after) << why;
        fetchSystem();
        EXPECT_EQ(SYS.LASTBACKUPDATE, 0) << "nothing restored, nothing noted";
    }

    QString backup;
    QString before, after;
};

TEST_F(RestoreTest, BringsBackTheFourFilesAndKeepsOptionsAndLogbook) {
    ASSERT_TRUE(Procedures::exists(Procedure::Restore));
    host.answer(1);
    Procedures::run(Procedure::Restore);
    ASSERT_EQ(host.messages().size(), 1u);
    const auto& question = host.messages()[0];
    EXPECT_EQ(question.text, "This will replace the current files, you sure?");
    EXPECT_EQ(question.caption, "Wareloft");
    EXPECT_EQ(question.buttonNames, "&Yes|&No");
    EXPECT_EQ(question.defaultButton, 2);
    EXPECT_EQ(snapshot(), mixed(before, after));
    EXPECT_TRUE(snapshot().startsWith("SETUP.EXE,README.TXT | Delphi | System | Everything,Tools"))
        << snapshot().toStdString();
    EXPECT_EQ(GLO.ArchiveCount, 2u);
    fetchSystem();
    EXPECT_EQ(SYS.LASTBACKUPDATE, host.today());
    EXPECT_EQ(SYS.HOWLONG, 9) << "the system options are not restored";

    // The restored files take new records as before.
    addEntry("NEXT.EXE", 3);
    EXPECT_EQ(ARC.NR, 3u);
}

TEST_F(RestoreTest, AnythingButYesChangesNothing) {
    host.answer(2);
    Restore::run();
    EXPECT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(snapshot(), after);
}

TEST_F(RestoreTest, WithoutABackupDirectoryNothingHappens) {
    setSystem(9, dataPath("gone"));
    host.answer(1);
    Restore::run();
    ASSERT_EQ(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[1].text, "BackUp Path/Directory not found");
    EXPECT_EQ(snapshot(), after);
}

TEST_F(RestoreTest, ABadCopyIsRefusedBeforeAnythingIsReplaced) {
    const QByteArray sound = readFile("backup/Soorttab.tps");
    QFile::remove(copyOf("Soorttab.tps"));
    expectRefused("Soorttab.tps", "missing");
    EXPECT_TRUE(host.messages()[1].text.contains("it is missing"));

    writeFile("backup/Soorttab.tps", sound.left(sound.size() / 2));
    expectRefused("Soorttab.tps", "truncated");

    QByteArray garbage(8192, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 131 + 7) % 253);
    writeFile("backup/Soorttab.tps", garbage);
    expectRefused("Soorttab.tps", "garbage");

    QByteArray damaged = sound;
    for (int i = 4096; i < damaged.size(); ++i)
        damaged[i] = char(i % 7);
    writeFile("backup/Soorttab.tps", damaged);
    expectRefused("Soorttab.tps", "damaged pages");

    writeFile("backup/Soorttab.tps", sound);
    setVersion(copyOf("Prd.tps"), 2);
    expectRefused("Prd.tps", "another schema version");
    EXPECT_TRUE(host.messages()[1].text.contains("version 2"))
        << host.messages()[1].text.toStdString();
    setVersion(copyOf("Prd.tps"), 1);

    // A users file of another key.
    QTemporaryDir elsewhere;
    {
        FileDef otherKey = Dictionary::IDE();
        otherKey.ownerPassword = "Another";
        auto other = store::RecordStore::openSqlCipher(elsewhere.path());
        store::StoreFile& users = other->declare(otherKey);
        ASSERT_EQ(users.create(), store::Ok);
        ASSERT_EQ(users.open(store::ReadWrite | store::DenyNone), store::Ok);
        IdeRecord u;
        u.IDNR = 1;
        u.Name = "Intruder";
        u.LEVEL = 3;
        ASSERT_EQ(users.add(u), store::Ok);
        users.close();
    }
    QFile::remove(copyOf("IDE.tps"));
    ASSERT_TRUE(QFile::copy(elsewhere.path() + "/IDE.tps", copyOf("IDE.tps")));
    expectRefused("IDE.tps", "another key");

    // A copy of another file under the name.
    QFile::remove(copyOf("IDE.tps"));
    ASSERT_TRUE(QFile::copy(copyOf("Prd.tps"), copyOf("IDE.tps")));
    expectRefused("IDE.tps", "another file");
}

TEST_F(RestoreTest, AFileInUseElsewhereIsLeftWholeAndTheOnesBeforeStayRestored) {
    // Another station is writing the users file and does not let go.
    auto other = store::RecordStore::openSqlCipher(dataDir());
    store::StoreFile& users = other->declare(Dictionary::IDE());
    ASSERT_EQ(users.open(store::ReadWrite | store::DenyNone), store::Ok);
    ASSERT_EQ(other->begin({&users}, 1), store::Ok);

    host.answer(1);
    Restore::run();
    ASSERT_EQ(host.messages().size(), 2u);
    const QString text = host.messages()[1].text;
    EXPECT_TRUE(text.startsWith("IDE.tps could not be restored and is left as it was"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("another station")) << text.toStdString();
    EXPECT_TRUE(text.contains("Restored before it: Archief.tps, Prd.tps")) << text.toStdString();
    other->rollback();
    other.reset();

    QStringList now = snapshot().split(" | "), was = before.split(" | "),
                later = after.split(" | ");
    EXPECT_EQ(now[0], was[0]);
    EXPECT_EQ(now[1], was[1]);
    EXPECT_EQ(now[2], later[2]) << "the users file is whole, as it was";
    EXPECT_EQ(now[3], later[3]) << "the restore stopped there";
    fetchSystem();
    EXPECT_EQ(SYS.LASTBACKUPDATE, host.today());
}

} // namespace
