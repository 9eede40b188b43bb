#include "core/Session.h"
#include "core/Backup.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Installation.h"
#include "core/Process.h"
#include "framework/Pictures.h"
#include "support/DataDirTest.h"

#include <QDir>
#include <QFile>

namespace {

class SessionTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        process = std::make_unique<Process>(dataDir());
        Installation::Options options;
        options.password = "Secret";
        options.organization = "Acme";
        QString report;
        ASSERT_EQ(Installation::install(options, report), Installation::Installed)
            << report.toStdString();
        for (FileManager* f :
             {&Access::Archief(), &Access::IDE(), &Access::Log(), &Access::Sys(), &Access::Prd()})
            f->Open();
        Session::state() = {};
    }
    void TearDown() override {
        for (FileManager* f :
             {&Access::Archief(), &Access::IDE(), &Access::Log(), &Access::Sys(), &Access::Prd()})
            f->Close();
        process.reset();
        DataDirTest::TearDown();
    }

    void setSystem(int doLog, int howLong, int doBackup = 0, int days = 0,
                   const QString& path = {}) {
        SYS.clear();
        SYS.ID = 1;
        ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
        SYS.DOLOG = quint8(doLog);
        SYS.HOWLONG = quint8(howLong);
        SYS.DOBACKUP = quint8(doBackup);
        SYS.BACKUPDAYS = quint8(days);
        SYS.PATHBACKUPFILES = path;
        ASSERT_EQ(Access::Sys().TryUpdate(), LevelBenign);
    }

    std::vector<std::pair<qint32, qint32>> logbook() {
        std::vector<std::pair<qint32, qint32>> entries;
        Access::Log().File->setOrder(0);
        while (Access::Log().File->next(LOG) == store::Ok)
            entries.emplace_back(LOG.DATUM, LOG.LOGOUTTIME);
        return entries;
    }

    void addLogEntry(qint32 day) {
        LOG.clear();
        LOG.ID = 1;
        LOG.NAME = "Old";
        LOG.DATUM = day;
        LOG.LOGINTIME = 100;
        ASSERT_EQ(Access::Log().TryInsert(), LevelBenign);
    }

    void logOn(int level = 3) {
        GLO.UserName = "System";
        Session::start(level, 1);
    }

    std::unique_ptr<Process> process;
};

TEST_F(SessionTest, LogbookEntryFromLogonToLogout) {
    setSystem(1, 30);
    host.setClock(Pictures::timeValue(9, 0, 0));
    logOn();
    ASSERT_TRUE(Session::state().logged);
    auto entries = logbook();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].first, host.today());
    EXPECT_EQ(entries[0].second, 0) << "an open session has no log-out time";
    EXPECT_EQ(LOG.NAME.str(), "System");

    host.setClock(Pictures::timeValue(17, 15, 0));
    Session::end();
    entries = logbook();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].second, Pictures::timeValue(17, 15, 0));
    EXPECT_TRUE(host.messages().empty());
}

TEST_F(SessionTest, WithoutLoggingNothingIsWrittenButOldEntriesGo) {
    addLogEntry(host.today() - 40);
    setSystem(0, 30, 1, 0, dataPath("backup"));
    QDir().mkpath(dataPath("backup"));
    logOn();
    EXPECT_FALSE(Session::state().logged);
    EXPECT_TRUE(logbook().empty());
    Session::end();
    EXPECT_FALSE(QFile::exists(dataPath("backup/Archief.tps"))) << "no backup without logging";
}

TEST_F(SessionTest, RetentionKeepsTheCutOffDayAndLater) {
    const qint32 today = host.today();
    for (int back : {5, 4, 3, 1, 0})
        addLogEntry(today - back);
    setSystem(0, 3);
    logOn();
    std::vector<qint32> days;
    for (auto [day, out] : logbook())
        days.push_back(day);
    EXPECT_EQ(days, (std::vector<qint32>{today - 3, today - 1, today}));

    Session::retentionPass(0);
    days.clear();
    for (auto [day, out] : logbook())
        days.push_back(day);
    EXPECT_EQ(days, (std::vector<qint32>{today}));
}

TEST_F(SessionTest, DefaultProducerOnlyForUsersWhoMayChange) {
    setSystem(0, 30);
    GLO.UserName = "Clerk";
    Session::start(1, 2);
    ASSERT_EQ(Access::Prd().UseFile(), LevelBenign);
    EXPECT_EQ(Access::Prd().File->records(), 0);
    GLO.UserName = "Editor";
    Session::start(2, 3);
    PRD.Name = "Acme -- Editor";
    EXPECT_EQ(Access::Prd().TryFetch(PrdKey::KeyName), LevelBenign);
    Session::start(2, 3);
    EXPECT_EQ(Access::Prd().File->records(), 1) << "an existing producer is not added again";
}

TEST_F(SessionTest, DefaultProducerIsCutToThirtyCharacters) {
    ini.Update("Registration", "Organization", "International Software Archive   ");
    GLO.UserName = "Administrator";
    EXPECT_EQ(Session::defaultProducer(),
              QString("International Software Archive -- Administrator").left(30));
}

TEST_F(SessionTest, LogonComparesWithoutRegardToCase) {
    EXPECT_EQ(LogonCheck::attempt("system", "SECRET"), LogonCheck::Outcome::Accepted);
    EXPECT_EQ(LogonCheck::attempt("SYSTEM", "secret   "), LogonCheck::Outcome::Accepted);
    EXPECT_EQ(LogonCheck::attempt("System", "secrets"), LogonCheck::Outcome::WrongPassword);
    EXPECT_EQ(LogonCheck::attempt("Nobody", "Secret"), LogonCheck::Outcome::UnknownUser);
}

TEST_F(SessionTest, LogonTakesTheFirstOfUsersWithTheSameName) {
    IDE.clear();
    IDE.Name = "System";
    IDE.PASSWORD = "other";
    IDE.LEVEL = 1;
    ASSERT_EQ(Access::IDE().TryInsert(), LevelBenign);
    EXPECT_EQ(LogonCheck::attempt("System", "Secret"), LogonCheck::Outcome::Accepted);
    EXPECT_EQ(IDE.LEVEL, 3);
    EXPECT_EQ(LogonCheck::attempt("System", "other"), LogonCheck::Outcome::WrongPassword);
}

TEST_F(SessionTest, BackupCopiesFiveFilesAndAdvancesTheDate) {
    const QString target = dataPath("backup");
    QDir().mkpath(target);
    setSystem(1, 30, 1, 0, target);
    logOn();
    Session::end();
    for (const QString& name : Backup::backedUpFiles())
        EXPECT_TRUE(QFile::exists(target + "/" + name)) << name.toStdString();
    EXPECT_FALSE(QFile::exists(target + "/Log.tps"));
    EXPECT_TRUE(host.messages().empty());
    SYS.ID = 1;
    ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
    EXPECT_EQ(SYS.LASTBACKUPDATE, host.today());
    EXPECT_EQ(SYS.PATHBACKUPFILES.str(), target) << "the path keeps no trailing separator";

    // the copy is a consistent store: the users file opens with its users
    auto copy = store::RecordStore::openSqlCipher(target);
    store::StoreFile& users = copy->declare(Dictionary::IDE());
    ASSERT_EQ(users.open(store::ReadOnly | store::DenyNone), store::Ok);
    EXPECT_EQ(users.records(), 1);
}

TEST_F(SessionTest, BackupIsDueByTheInterval) {
    SysRecord sys;
    sys.DOBACKUP = 1;
    const qint32 today = 80000;
    sys.BACKUPDAYS = 0;
    sys.LASTBACKUPDATE = today;
    EXPECT_FALSE(Backup::isDue(sys, today));
    sys.LASTBACKUPDATE = today - 1;
    EXPECT_TRUE(Backup::isDue(sys, today));
    sys.BACKUPDAYS = 1;
    EXPECT_FALSE(Backup::isDue(sys, today));
    sys.LASTBACKUPDATE = today - 2;
    EXPECT_TRUE(Backup::isDue(sys, today));
    sys.DOBACKUP = 0;
    EXPECT_FALSE(Backup::isDue(sys, today));
}

TEST_F(SessionTest, UnreachableBackupDirectoryIsReportedAndTheSessionEnds) {
    writeFile("a-file");
    QDir().mkpath(dataPath("closed"));
    QFile::setPermissions(dataPath("closed"), QFile::ReadOwner | QFile::ExeOwner);
    for (const QString& path : {dataPath("missing/dir"), QStringLiteral("/proc/self"),
                                dataPath("a-file"), dataPath("closed")}) {
        setSystem(1, 30, 1, 0, path);
        Session::state() = {};
        host.clearRecords();
        logOn();
        Session::end();
        ASSERT_NE(host.lastMessage(), nullptr) << path.toStdString();
        EXPECT_EQ(host.lastMessage()->text, "BackUp Path/Directory not found");
        EXPECT_EQ(host.lastMessage()->caption, "Wareloft");
        SYS.ID = 1;
        ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
        EXPECT_EQ(SYS.LASTBACKUPDATE, 0) << "no backup ran, so the date stays";
        EXPECT_EQ(logbook().back().second, host.clock()) << "the session still ended";
    }
    EXPECT_TRUE(QDir(dataPath("closed")).isEmpty());
    QFile::setPermissions(dataPath("closed"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(SessionTest, BackupFailingHalfwayLeavesTheDataFilesAsTheyWere) {
    const QString target = dataPath("backup");
    QDir().mkpath(target + "/IDE.tps"); // a directory where a copy must go
    setSystem(1, 30, 1, 0, target);
    logOn();
    const qint64 users = Access::IDE().File->records();
    Session::end();
    EXPECT_EQ(host.lastMessage()->text, "BackUp Path/Directory not found");
    EXPECT_EQ(Access::IDE().File->records(), users);
    SYS.ID = 1;
    ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
    EXPECT_EQ(SYS.LASTBACKUPDATE, 0);
}

TEST_F(SessionTest, MissingSystemRecordIsReported) {
    SYS.ID = 1;
    ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
    ASSERT_EQ(Relate::Sys().Delete(false), LevelBenign);
    addLogEntry(host.today() - 1);
    logOn();
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->text, "No records available");
    EXPECT_TRUE(logbook().empty()) << "without a system record only today's entries stay";
}

TEST_F(SessionTest, InstallationRefusesADirectoryWithUsers) {
    QString report;
    Installation::Options options;
    options.password = "x";
    EXPECT_EQ(Installation::install(options, report), Installation::Refused);
    EXPECT_TRUE(report.contains("nothing was changed"));
    ASSERT_EQ(Access::IDE().UseFile(), LevelBenign);
    EXPECT_EQ(Access::IDE().File->records(), 1);
}

} // namespace
