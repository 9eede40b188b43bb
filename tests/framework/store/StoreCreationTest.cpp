#include "StoreFixture.h"

#include "framework/store/Creation.h"

#include <QThread>
#include <sqlcipher/sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace store;

namespace {

constexpr int Write = ReadWrite | DenyNone;

mode_t modeOf(const QString& path) {
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// What an interrupted creation of an earlier version left: the meta table with the label, and
// nothing else.
void labelOnly(const QString& path, const FileDef& def) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    const QByteArray key = def.ownerPassword.toUtf8();
    if (!key.isEmpty()) sqlite3_key(db, key.constData(), int(key.size()));
    const QByteArray sql = "CREATE TABLE store_meta(label TEXT NOT NULL, version INTEGER NOT "
                           "NULL); INSERT INTO store_meta VALUES('" +
                           def.label.toUtf8() + "', 1);";
    sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

} // namespace

TEST_F(StoreTest, AFileLeftHalfMadeIsMadeAnewAndUsable) {
    struct Case {
        const FileDef& def;
        const char* what;
    };
    for (const Case& c : {Case{Dictionary::Prd(), "plain"}, Case{Dictionary::IDE(), "encrypted"}}) {
        for (int left = 0; left < 2; ++left) {
            const QString file = path(c.def);
            QFile::remove(file);
            if (left == 0)
                write(file, QByteArray());
            else
                labelOnly(file, c.def);
            StoreFile& f = store->declare(c.def);
            EXPECT_EQ(f.open(Write), FileNotFound) << c.what << left;
            EXPECT_TRUE(f.status().driverText.contains(c.def.diskName)) << c.what << left;
            EXPECT_TRUE(f.status().driverText.contains("half-made")) << c.what << left;
            ASSERT_EQ(f.create(), Ok) << c.what << left << f.status().driverText.toStdString();
            ASSERT_EQ(f.open(Write), Ok) << c.what << left << f.status().driverText.toStdString();
            EXPECT_EQ(f.records(), 0);
            f.close();
        }
    }
}

TEST_F(StoreTest, NothingButAWholeFileEverStandsUnderTheName) {
    const FileDef& def = Dictionary::Archief();
    // Leftovers of creations that were killed are cleared by the next one.
    write(dir.filePath(".Archief.tps.4242.new"), "half");
    write(dir.filePath(".Archief.tps.4242.new-journal"), "half");
    StoreFile& arc = store->declare(def);
    ASSERT_EQ(arc.create(), Ok);
    EXPECT_EQ(entries(dir.path()), QStringList{"Archief.tps"});

    // A file that is not ours stays as it is, with a message that names it.
    const FileDef& prd = Dictionary::Prd();
    write(path(prd), "notes of somebody else");
    StoreFile& p = store->declare(prd);
    EXPECT_EQ(p.create(), FileSystemError);
    EXPECT_TRUE(p.status().driverText.startsWith("Prd.tps is there already"));
    EXPECT_EQ(p.open(Write), FileSystemError);
    EXPECT_TRUE(p.status().driverText.startsWith("Prd.tps is not a data file of this program"))
        << p.status().driverText.toStdString();
    EXPECT_EQ(contents(path(prd)), "notes of somebody else");

    // A link to nothing is named as such and nothing is made at its far end.
    const QString nowhere = dir.filePath("gone/Sys.tps");
    ASSERT_TRUE(QFile::link(nowhere, path(Dictionary::Sys())));
    StoreFile& sys = store->declare(Dictionary::Sys());
    EXPECT_EQ(sys.open(Write), FileNotFound);
    EXPECT_EQ(sys.create(), FileSystemError);
    EXPECT_EQ(sys.status().driverText,
              QStringLiteral("Sys.tps is a link to %1, which does not exist").arg(nowhere));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    QDir(dir.path()).mkdir("Drv.tps");
    EXPECT_EQ(store->declare(Dictionary::Drv()).open(Write), FileSystemError);
    EXPECT_EQ(store->declare(Dictionary::Drv()).status().driverText,
              "Drv.tps is a folder, not a file");
}

TEST_F(StoreTest, StationsCreatingTogetherGetOneWholeFile) {
    for (int round = 0; round < 10; ++round) {
        QTemporaryDir shared;
        std::vector<std::unique_ptr<RecordStore>> stores;
        std::vector<int> results(4, -1);
        std::vector<QThread*> threads;
        for (int s = 0; s < 4; ++s)
            stores.push_back(RecordStore::openSqlCipher(shared.path()));
        for (int s = 0; s < 4; ++s)
            threads.push_back(QThread::create([&, s] {
                StoreFile& f = stores[s]->declare(Dictionary::IDE());
                results[s] = f.create();
                if (results[s] == Ok) results[s] = f.open(Write);
                IdeRecord u;
                u.IDNR = quint16(s + 1);
                u.Name = QStringLiteral("station %1").arg(s);
                if (results[s] == Ok) results[s] = f.add(u);
                f.close();
            }));
        for (QThread* t : threads)
            t->start();
        for (QThread* t : threads) {
            t->wait();
            delete t;
        }
        EXPECT_EQ(results, std::vector<int>(4, Ok)) << round;
        StoreFile& users = stores[0]->declare(Dictionary::IDE());
        ASSERT_EQ(users.open(Write), Ok);
        EXPECT_EQ(users.records(), 4) << "no station's file was replaced by another's";
        users.close();
    }
}

TEST_F(StoreTest, NewFilesAndCopiesAreNoMoreOpenThanTheDirectory) {
    const QByteArray name = QFile::encodeName(dir.path());
    const mode_t mask = ::umask(022);
    ASSERT_EQ(::chmod(name.constData(), 0755), 0);
    StoreFile& ide = created(Dictionary::IDE());
    EXPECT_EQ(modeOf(path(Dictionary::IDE())), 0600u);
    EXPECT_EQ(creation::modeFor(dir.path()), 0600u);

    // The backup keeps the mode, also into a directory open to everybody.
    QDir(dir.path()).mkdir("backup");
    ::chmod(QFile::encodeName(dir.filePath("backup")).constData(), 0777);
    ASSERT_EQ(store->backup(Dictionary::IDE(), dir.filePath("backup/IDE.tps")), Ok);
    EXPECT_EQ(modeOf(dir.filePath("backup/IDE.tps")), 0600u);
    ide.close();

    // A directory shared with a group: the group may read and write, whatever the mask.
    for (mode_t shared : {mode_t(02750), mode_t(0770)}) {
        QFile::remove(path(Dictionary::Log()));
        ASSERT_EQ(::chmod(name.constData(), shared), 0);
        StoreFile& log = created(Dictionary::Log());
        EXPECT_EQ(modeOf(path(Dictionary::Log())), 0660u) << std::oct << shared;
        log.close();
    }
    ::umask(mask);
    ::chmod(name.constData(), 0700);
}

TEST_F(StoreTest, ABackupIntoTheDataDirectoryUnderAnotherNameIsRefused) {
    StoreFile& arc = created(Dictionary::Archief());
    addArchief(arc, 3);
    QTemporaryDir elsewhere;
    const QString alias = QDir(elsewhere.path()).filePath("alias");
    ASSERT_TRUE(QFile::link(dir.path(), alias));
    const QByteArray before = contents(path(Dictionary::Archief()));
    EXPECT_EQ(store->backup(Dictionary::Archief(), alias + "/Archief.tps"), FileSystemError);
    EXPECT_EQ(store->restore(Dictionary::Archief(), alias + "/Archief.tps"), FileSystemError);
    // A hard link is the same file too.
    const QString second = QDir(elsewhere.path()).filePath("Archief.tps");
    ASSERT_EQ(::link(QFile::encodeName(path(Dictionary::Archief())).constData(),
                     QFile::encodeName(second).constData()),
              0);
    EXPECT_EQ(store->backup(Dictionary::Archief(), second), FileSystemError);
    EXPECT_EQ(contents(path(Dictionary::Archief())), before);
    EXPECT_EQ(arc.records(), 3);
}
