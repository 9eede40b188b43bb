#include "framework/FileManager.h"
#include "core/Dictionary.h"
#include "framework/RelationGuard.h"
#include "framework/host/ConsoleHost.h"
#include "support/DataDirTest.h"
#include "support/FaultyStoreFile.h"

#include <QFile>
#include <sqlcipher/sqlite3.h>

namespace {

// One station on the data directory: its own connection, record buffers and file managers
// for the classes, the producers and the archive, related as the catalogue relates them.
struct Station {
    explicit Station(const QString& dir, ErrorManager& errors)
        : store(store::RecordStore::openSqlCipher(dir)),
          arcFile(store->declare(Dictionary::Archief())) {
        setUp(srtManager, srt, store->declare(Dictionary::SoortTabel()), errors);
        setUp(prdManager, prd, store->declare(Dictionary::Prd()), errors);
        setUp(arcManager, arc, arcFile, errors);
        srtGuard.Init(srtManager, true, *store);
        prdGuard.Init(prdManager, true, *store);
        arcGuard.Init(arcManager, true, *store);
        srtGuard.AddRelation(arcGuard, RelationMode::Cascade, RelationMode::Restrict,
                             Dictionary::Archief().keyNumber("ARC:KeySoort"));
        srtGuard.AddRelationLink("Srt:Soort", "ARC:Soort");
        prdGuard.AddRelation(arcGuard, RelationMode::Cascade, RelationMode::Restrict,
                             Dictionary::Archief().keyNumber("ARC:KeyProducer"));
        prdGuard.AddRelationLink("PRD:Name", "ARC:Producer");
        arcGuard.AddRelation(srtGuard);
        arcGuard.AddRelation(prdGuard);
        for (FileManager* m : {&srtManager, &prdManager, &arcManager})
            m->Open();
    }
    ~Station() {
        for (FileManager* m : {&srtManager, &prdManager, &arcManager}) {
            m->Close();
            m->Kill();
        }
    }
    static void setUp(FileManager& m, RecordBuffer& buffer, store::StoreFile& file,
                      ErrorManager& errors) {
        m.Init(file, buffer, errors);
        for (int k = 0; k < int(file.def().keys.size()); ++k)
            m.AddKey(file.def().keys[k].label, k + 1, file.def().keys[k].autoNumber);
    }

    void addEntry(const QString& naam, const QString& soort, const QString& producer = {}) {
        arc.clear();
        arc.Naam = naam;
        arc.Soort = soort;
        arc.Producer = producer;
        ASSERT_EQ(arcManager.TryInsert(), LevelBenign);
    }
    QStringList classesOfEntries() {
        QStringList classes;
        arcFile.setOrder(0);
        while (arcFile.next(arc) == store::Ok)
            classes << arc.Soort.str();
        return classes;
    }

    std::unique_ptr<store::RecordStore> store;
    FaultyStoreFile arcFile;
    SoortTabelRecord srt;
    PrdRecord prd;
    ArchiefRecord arc;
    FileManager srtManager, prdManager, arcManager;
    RelationGuard srtGuard, prdGuard, arcGuard;
};

class FileManagerTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        a = std::make_unique<Station>(dataDir(), errors);
    }
    void TearDown() override {
        b.reset();
        a.reset();
        errors.Kill();
        DataDirTest::TearDown();
    }
    Station& second() {
        if (!b) b = std::make_unique<Station>(dataDir(), errors);
        return *b;
    }
    QStringList shownTitlesAndTexts() const {
        QStringList shown;
        for (const auto& m : host.messages())
            shown << m.caption + ": " + m.text;
        return shown;
    }

    ErrorManager errors;
    std::unique_ptr<Station> a, b;
};

TEST_F(FileManagerTest, AutoNumbersCountOnAndAReservationCanBeCancelled) {
    a->addEntry("ONE.EXE", "Tools");
    EXPECT_EQ(a->arc.NR, 1u);
    a->addEntry("TWO.EXE", "Tools");
    EXPECT_EQ(a->arc.NR, 2u);

    ASSERT_EQ(a->arcManager.PrimeRecord(), LevelBenign);
    EXPECT_EQ(a->arc.NR, 3u);
    EXPECT_EQ(a->arcFile.records(), 3) << "the number is reserved by adding the record";
    ASSERT_EQ(a->arcManager.CancelAutoInc(), LevelBenign);
    EXPECT_EQ(a->arcFile.records(), 2);

    ASSERT_EQ(a->arcManager.PrimeRecord(), LevelBenign);
    a->arc.Naam = "THREE.EXE";
    ASSERT_EQ(a->arcManager.Insert(), LevelBenign);
    EXPECT_EQ(a->arcFile.records(), 3) << "the insert rewrites the reserved record";
    a->arc.clear();
    a->arc.NR = 3;
    ASSERT_EQ(a->arcManager.Fetch(1), LevelBenign);
    EXPECT_EQ(a->arc.Naam.str(), "THREE.EXE");
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(FileManagerTest, TwoStationsPrimingAtOnceGetDifferentNumbers) {
    Station& other = second();
    a->addEntry("FIRST.EXE", "Tools");
    // The other station takes the number between this one's look-up and its add.
    int races = 1;
    a->arcFile.beforeAdd = [&] {
        if (races-- > 0) other.addEntry("OTHER.EXE", "Tools");
    };
    ASSERT_EQ(a->arcManager.PrimeRecord(), LevelBenign);
    EXPECT_EQ(other.arc.NR, 2u);
    EXPECT_EQ(a->arc.NR, 3u);
    EXPECT_TRUE(host.messages().empty()) << "the first failures retry silently";
    ASSERT_EQ(a->arcManager.CancelAutoInc(), LevelBenign);

    // Three failures in a row ask whether to try again.
    races = 3;
    host.answer(ButtonYes);
    ASSERT_EQ(a->arcManager.PrimeRecord(), LevelBenign);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.lastMessage()->caption, "Auto Increment Error");
    EXPECT_EQ(a->arc.NR, 6u);
    ASSERT_EQ(a->arcManager.CancelAutoInc(), LevelBenign);

    races = 3;
    host.answer(ButtonNo);
    EXPECT_EQ(a->arcManager.PrimeRecord(), LevelNotify);
    EXPECT_EQ(a->arcFile.records(), 8) << "the other station added three, this one none";
}

// Without a person to answer, the question after the silent retries is answered No.
TEST_F(FileManagerTest, AFullDiskEndsTheNumberingOnTheConsole) {
    ConsoleHost console;
    Host::install(&console);
    a->arcFile.diskFull = true;
    a->arc.clear();
    a->arc.Naam = "FULL.EXE";
    EXPECT_EQ(a->arcManager.TryInsert(), LevelNotify);
    EXPECT_EQ(a->arcFile.adds, 3);
    a->arcFile.adds = 0;
    EXPECT_EQ(a->arcManager.Insert(), LevelNotify);
    EXPECT_EQ(a->arcFile.adds, 3);
    Host::install(&host);
    a->arcFile.diskFull = false;
    EXPECT_EQ(a->arcFile.records(), 0);
}

// Inside a transaction the archive is numbered on from one look-up as the form numbers it:
// a refused add leaves its number to the next record, and after the transaction every
// station numbers on from the last one added.
TEST_F(FileManagerTest, BulkInsertsNumberOnWithoutGapsAndOthersGoOnFromThem) {
    a->addEntry("FIRST.EXE", "Tools");
    auto bulk = [&](const QString& naam) {
        a->arc.clear();
        a->arc.Naam = naam;
        a->arc.Soort = "Tools";
        return a->arcManager.TryBulkInsert();
    };
    ASSERT_EQ(a->store->begin({&a->arcFile}, 1), store::Ok);
    a->arcManager.BeginBulkInsert();
    ASSERT_EQ(bulk("B1.EXE"), LevelBenign);
    EXPECT_EQ(a->arc.NR, 2u);
    a->arcFile.diskFull = true;
    a->arcFile.adds = 0;
    EXPECT_EQ(bulk("LOST.EXE"), LevelNotify);
    EXPECT_EQ(a->arcFile.adds, 1) << "no silent retries: the caller decides";
    a->arcFile.diskFull = false;
    ASSERT_EQ(bulk("B2.EXE"), LevelBenign);
    EXPECT_EQ(a->arc.NR, 3u) << "the refused add took no number";
    ASSERT_EQ(bulk("B3.EXE"), LevelBenign);
    EXPECT_EQ(a->arc.NR, 4u);
    a->arcManager.EndBulkInsert();
    ASSERT_EQ(a->store->commit(), store::Ok);
    EXPECT_TRUE(host.messages().empty()) << "messages are stored for the caller, not shown";

    second().addEntry("OTHER.EXE", "Tools");
    EXPECT_EQ(b->arc.NR, 5u);
    a->addEntry("NEXT.EXE", "Tools");
    EXPECT_EQ(a->arc.NR, 6u);
    EXPECT_EQ(a->arcFile.records(), 6);
}

TEST_F(FileManagerTest, RenamingAClassCarriesItToEveryEntryOrToNone) {
    a->srt.Soort = "Games";
    ASSERT_EQ(a->srtManager.Insert(), LevelBenign);
    for (int i = 0; i < 40; ++i)
        a->addEntry(QString("GAME%1.EXE").arg(i), i % 2 ? "Games" : "GAMES");
    a->addEntry("EDIT.EXE", "Tools");

    a->srt.Soort = "Games";
    ASSERT_EQ(a->srtManager.Fetch(1), LevelBenign);
    a->srtGuard.Save();
    a->srt.Soort = "Spellen";
    a->arcFile.failPut = 20;
    EXPECT_NE(a->srtGuard.Update(), LevelBenign);
    EXPECT_EQ(a->srt.Soort.str(), "Games") << "the linking field is put back";
    EXPECT_EQ(a->classesOfEntries().filter("Spellen").size(), 0) << "nothing was renamed";
    a->srt.Soort = "Spellen";
    EXPECT_NE(a->srtManager.TryFetch(1), LevelBenign);
    EXPECT_FALSE(host.messages().empty());

    a->arcFile.failPut = 0;
    a->srt.Soort = "Games";
    ASSERT_EQ(a->srtManager.Fetch(1), LevelBenign);
    a->srtGuard.Save();
    a->srt.Soort = "Spellen";
    ASSERT_EQ(a->srtGuard.Update(), LevelBenign);
    const QStringList classes = a->classesOfEntries();
    EXPECT_EQ(classes.filter("Spellen").size(), 40);
    EXPECT_EQ(classes.filter("Tools").size(), 1);
}

TEST_F(FileManagerTest, AClassInUseCannotBeDeleted) {
    a->srt.Soort = "Games";
    ASSERT_EQ(a->srtManager.Insert(), LevelBenign);
    a->srt.Soort = "Empty";
    ASSERT_EQ(a->srtManager.Insert(), LevelBenign);
    a->addEntry("GAME.EXE", "Games");

    a->srt.Soort = "Games";
    ASSERT_EQ(a->srtManager.Fetch(1), LevelBenign);
    host.answer(ButtonOk);
    host.answer(ButtonNo); // try again?
    EXPECT_NE(a->srtGuard.Delete(false), LevelBenign);
    QStringList shown = shownTitlesAndTexts();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith("Referential Integrity Delete Error: This record is "
                                    "referenced from the file Archief."));
    EXPECT_TRUE(shown[1].startsWith("Record Delete Error"));
    EXPECT_EQ(a->srtManager.File->records(), 2);

    a->srt.Soort = "Empty";
    ASSERT_EQ(a->srtManager.Fetch(1), LevelBenign);
    EXPECT_EQ(a->srtGuard.Delete(false), LevelBenign);
    EXPECT_EQ(a->srtManager.File->records(), 1);
}

TEST_F(FileManagerTest, DuplicateNamesDifferingInCaseAreRefused) {
    a->prd.Name = "Acme";
    ASSERT_EQ(a->prdManager.Insert(), LevelBenign);
    a->prd.Name = "ACME";
    EXPECT_EQ(a->prdManager.Insert(), LevelNotify);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "Duplicate Key Error");
    EXPECT_EQ(host.lastMessage()->text,
              "Adding this record creates a duplicate entry for the key: PRD:KeyName");
}

TEST_F(FileManagerTest, AReadOnlyFileOpensReadOnlyAndRefusesWrites) {
    a->prd.Name = "Acme";
    ASSERT_EQ(a->prdManager.Insert(), LevelBenign);
    a.reset();
    const QString path = dataPath("Prd.tps");
    const QByteArray before = readFile("Prd.tps");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    a = std::make_unique<Station>(dataDir(), errors);
    a->prd.Name = "acme";
    ASSERT_EQ(a->prdManager.Fetch(1), LevelBenign);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages()[0].caption, "Access Denied");
    EXPECT_EQ(host.messages()[0].text, "Could not get write access to Prd so trying read-only.");

    a->prd.Phone = "555";
    EXPECT_EQ(a->prdManager.Update(), LevelNotify);
    EXPECT_EQ(host.lastMessage()->caption, "Record was not updated");
    a->prd.Name = "Other";
    EXPECT_EQ(a->prdManager.Insert(), LevelNotify);
    EXPECT_EQ(host.lastMessage()->caption, "Record Insert Error");
    a.reset();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readFile("Prd.tps"), before);
}

TEST_F(FileManagerTest, AnUnreadableFileEndsTheProgramAndIsNeverOverwritten) {
    a.reset();
    const QByteArray garbage = QByteArray("not a catalogue ").repeated(300);
    writeFile("Archief.tps", garbage);
    a = std::make_unique<Station>(dataDir(), errors);
    try {
        a->arcManager.UseFile();
        FAIL() << "the program should have ended";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.exitCode, 0);
        EXPECT_EQ(ended.endText, "File Access Error");
    }
    EXPECT_TRUE(
        host.lastMessage()->text.startsWith("File (Archief) could not be opened.  Error: "));
    EXPECT_TRUE(host.lastMessage()->text.endsWith("  Press OK to end this application"));
    EXPECT_EQ(readFile("Archief.tps"), garbage);
}

TEST_F(FileManagerTest, AMissingKeyIsRebuiltAfterTheInvalidKeyMessage) {
    for (const char* name : {"Beta", "alpha", "Gamma"}) {
        a->prd.Name = name;
        ASSERT_EQ(a->prdManager.Insert(), LevelBenign);
    }
    a.reset();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(dataPath("Prd.tps").toUtf8().constData(), &db), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='index' AND sql IS NOT NULL",
                       -1, &stmt, nullptr);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    const QByteArray index = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
    sqlite3_finalize(stmt);
    ASSERT_EQ(sqlite3_exec(db, "DROP INDEX \"" + index + "\"", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);

    a = std::make_unique<Station>(dataDir(), errors);
    ASSERT_EQ(a->prdManager.UseFile(), LevelBenign);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages()[0].caption, "Invalid Key");
    EXPECT_EQ(host.messages()[0].text, "Prd key file is invalid. Key must be rebuilt.");
    a->prdManager.File->setOrder(1);
    QStringList names;
    while (a->prdManager.Next() == LevelBenign)
        names << a->prd.Name.str();
    EXPECT_EQ(names, QStringList({"alpha", "Beta", "Gamma"}));
}

TEST_F(FileManagerTest, UsingAFileThatWasNeverOpenedEndsTheProgram) {
    a->prdManager.Close();
    EXPECT_THROW(a->prdManager.Fetch(1), ProgramEnded);
    EXPECT_EQ(host.lastMessage()->caption, "File Usage Error");
    a->prdManager.Open();
}

TEST_F(FileManagerTest, ACalledProcedureLeavesTheCallersRecordAndPosition) {
    for (const char* name : {"Alpha", "Beta", "Gamma", "Delta"}) {
        a->prd.Name = name;
        ASSERT_EQ(a->prdManager.Insert(), LevelBenign);
    }
    errors.SetProcedureName("Caller");
    a->prdManager.Open();
    a->prdManager.File->setOrder(1);
    ASSERT_EQ(a->prdManager.Next(), LevelBenign);
    ASSERT_EQ(a->prd.Name.str(), "Alpha");

    errors.SetProcedureName("Callee");
    a->prdManager.Open();
    a->prd.Name = "Gamma";
    ASSERT_EQ(a->prdManager.Fetch(1), LevelBenign);
    a->prd.Phone = "555";
    ASSERT_EQ(a->prdManager.Update(), LevelBenign);
    a->prdManager.Close();
    errors.SetProcedureName("Callee", true);

    EXPECT_EQ(a->prd.Name.str(), "Alpha");
    ASSERT_EQ(a->prdManager.Next(), LevelBenign);
    EXPECT_EQ(a->prd.Name.str(), "Beta");
    a->prdManager.Close();
    errors.SetProcedureName("Caller", true);
}

TEST_F(FileManagerTest, ARecordChangedElsewhereShowsTheOtherStationsValues) {
    Station& other = second();
    a->prd.Name = "Acme";
    a->prd.Phone = "111";
    ASSERT_EQ(a->prdManager.Insert(), LevelBenign);
    a->prd.Name = "Acme";
    ASSERT_EQ(a->prdManager.Fetch(1), LevelBenign);

    other.prd.Name = "Acme";
    ASSERT_EQ(other.prdManager.Fetch(1), LevelBenign);
    other.prd.Phone = "222";
    ASSERT_EQ(other.prdManager.Update(), LevelBenign);

    a->prd.Website = "http://acme.example";
    a->prdGuard.Save();
    EXPECT_EQ(a->prdGuard.Update(true), LevelNotify);
    EXPECT_EQ(host.lastMessage()->text.left(44), "This record was changed by another station. ");
    EXPECT_TRUE(host.lastMessage()->text.contains("Ctrl+'"));
    EXPECT_EQ(a->prd.Phone.str(), "222");
    EXPECT_EQ(a->prd.Website.str(), "");

    // The user recalls the change over the other station's values and saves again.
    a->prd.Website = "http://acme.example";
    EXPECT_EQ(a->prdGuard.Update(true), LevelBenign);
    other.prd.Name = "Acme";
    ASSERT_EQ(other.prdManager.Fetch(1), LevelBenign);
    EXPECT_EQ(other.prd.Phone.str(), "222");
    EXPECT_EQ(other.prd.Website.str(), "http://acme.example");
}

TEST_F(FileManagerTest, AChangeIsSavedWhenTriedAgainAfterAFailedCascade) {
    a->srt.Soort = "Games";
    ASSERT_EQ(a->srtManager.Insert(), LevelBenign);
    for (int i = 0; i < 5; ++i)
        a->addEntry(QString("GAME%1.EXE").arg(i), "Games");
    a->srt.Soort = "Games";
    ASSERT_EQ(a->srtManager.Fetch(1), LevelBenign);
    a->srtGuard.Save();
    a->srt.Soort = "Spellen";
    a->arcFile.failPut = 3;
    EXPECT_NE(a->srtGuard.Update(), LevelBenign);
    EXPECT_EQ(a->classesOfEntries().filter("Spellen").size(), 0);

    // The form still shows the record it read; saving it again must reach that record.
    a->arcFile.failPut = 0;
    a->srt.Soort = "Spellen";
    ASSERT_EQ(a->srtGuard.Update(), LevelBenign);
    EXPECT_EQ(a->classesOfEntries().filter("Spellen").size(), 5);
    a->srt.Soort = "Spellen";
    EXPECT_EQ(a->srtManager.TryFetch(1), LevelBenign);
    EXPECT_EQ(a->srtManager.File->records(), 1);
}

TEST_F(FileManagerTest, AFormSavesTheRecordItShowedWhileOthersReadTheFile) {
    for (int i = 1; i <= 60; ++i)
        a->addEntry(QString("FILE%1.EXE").arg(i, 2, 10, QChar('0')), "Tools");
    a->arc.clear();
    a->arc.NR = 17;
    ASSERT_EQ(a->arcManager.Fetch(1), LevelBenign); // the form's record

    // A list pages through the archive with a cursor of its own, and a pass reads it
    // through the file manager, while the form is open.
    auto list = a->arcFile.cursor();
    OwnedRecord row(Dictionary::Archief());
    list->setOrder(Dictionary::Archief().keyNumber("ARC:KeyNaam"));
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(list->next(row), store::Ok);
    ArchiefRecord pass;
    a->arcFile.setOrder(0);
    for (int i = 0; i < 25; ++i)
        ASSERT_EQ(a->arcFile.next(pass), store::Ok);
    EXPECT_EQ(a->arc.Naam.str(), "FILE17.EXE") << "nothing read into the form's record";

    a->arc.Version = "2.0";
    a->arcGuard.Save();
    ASSERT_EQ(a->arcGuard.Update(true), LevelBenign);
    for (quint32 nr : {17u, 25u, 40u}) {
        pass.clear();
        pass.NR = nr;
        ASSERT_EQ(a->arcFile.get(1, pass), store::Ok);
        EXPECT_EQ(pass.Version.str(), nr == 17 ? "2.0" : "") << nr;
        EXPECT_EQ(pass.Naam.str(), QString("FILE%1.EXE").arg(nr)) << nr;
    }
    // The list goes on from where it was.
    ASSERT_EQ(list->next(row), store::Ok);
    EXPECT_EQ(row.text(Dictionary::Archief().fieldIndex("ARC:Naam")), "FILE41.EXE");
}

// After a rewrite refused for a change made elsewhere the record is watched; a procedure
// called meanwhile (its state saved and restored) does not end the watch, so a second change
// made elsewhere in that time is not written over.
TEST_F(FileManagerTest, AWatchedRecordStaysWatchedAcrossASavedState) {
    Station& other = second();
    a->prd.Name = "Acme";
    a->prd.Phone = "111";
    ASSERT_EQ(a->prdManager.Insert(), LevelBenign);
    a->prd.Name = "Acme";
    ASSERT_EQ(a->prdManager.Fetch(1), LevelBenign);
    const auto changeElsewhere = [&](const char* phone) {
        other.prd.Name = "Acme";
        ASSERT_EQ(other.prdManager.Fetch(1), LevelBenign);
        other.prd.Phone = phone;
        ASSERT_EQ(other.prdManager.Update(), LevelBenign);
    };
    changeElsewhere("222");
    a->prd.Website = "http://acme.example";
    EXPECT_EQ(a->prdManager.TryUpdate(), LevelNotify);
    EXPECT_EQ(a->prd.Phone.str(), "222");

    const int state = a->prdManager.SaveFile();
    changeElsewhere("333");
    a->prdManager.RestoreFile(state, true);
    a->prd.Website = "http://acme.example";
    EXPECT_EQ(a->prdManager.TryUpdate(), LevelNotify);
    EXPECT_EQ(a->prd.Phone.str(), "333") << "the other station's second change is shown";
    other.prd.Name = "Acme";
    ASSERT_EQ(other.prdManager.Fetch(1), LevelBenign);
    EXPECT_EQ(other.prd.Phone.str(), "333");
    EXPECT_EQ(other.prd.Website.str(), "");

    // Now seen, the change is no longer in the way; and without a change meanwhile a
    // restored state writes as usual.
    a->prd.Website = "http://acme.example";
    ASSERT_EQ(a->prdManager.TryUpdate(), LevelBenign);
    const int again = a->prdManager.SaveFile();
    a->prdManager.RestoreFile(again, true);
    a->prd.Phone = "444";
    EXPECT_EQ(a->prdManager.TryUpdate(), LevelBenign);
}

TEST_F(FileManagerTest, AValueLongerThanItsFieldIsCutAndLeavesItsNeighbourAlone) {
    a->arc.clear();
    a->arc.Naam = QString(300, QChar('N'));
    a->arc.Producer = "Acme";
    ASSERT_EQ(a->arcManager.Insert(), LevelBenign);
    a->arc.clear();
    a->arc.NR = 1;
    ASSERT_EQ(a->arcManager.Fetch(1), LevelBenign);
    EXPECT_EQ(a->arc.Naam.str(), QString(255, QChar('N')));
    EXPECT_EQ(a->arc.Producer.str(), "Acme");
}

} // namespace
