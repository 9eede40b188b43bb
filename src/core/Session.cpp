#include "core/Session.h"

#include "core/Backup.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/host/Host.h"

namespace {

std::function<void()> startedHook;

// The system record, by Sys:KeyID; false when it is missing.
bool fetchSystemRecord() {
    SYS.clear();
    SYS.ID = 1;
    return Access::Sys().TryFetch(SysKey::KeyID) == LevelBenign;
}

void writeLogbookEntry() {
    Host& host = Host::instance();
    Session::State& s = Session::state();
    s.logged = true;
    LOG.clear();
    LOG.ID = GLO.UserID;
    LOG.NAME = GLO.UserName.str();
    LOG.DATUM = host.today();
    LOG.LOGINTIME = host.clock();
    LOG.LOGOUTTIME = 0;
    if (Access::Log().TryInsert() == LevelBenign) {
        s.logNr = LOG.NR;
        s.logId = LOG.ID;
        s.logDate = LOG.DATUM;
        s.logTime = LOG.LOGINTIME;
    } else
        Notices::notice(QStringLiteral("Log update failure"));
}

void provideDefaultProducer() {
    const QString name = Session::defaultProducer();
    PRD.clear();
    PRD.Name = name;
    if (Access::Prd().TryFetch(PrdKey::KeyName) == LevelBenign) return;
    PRD.clear();
    PRD.Name = name;
    Access::Prd().TryInsert();
}

// Only into the session's own entry: one emptied away is not written again, nor is another
// session's entry that took its number since.
void writeLogoutTime() {
    if (Access::Log().UseFile() != LevelBenign || Access::Log().File->records() == 0) return;
    const Session::State& s = Session::state();
    LOG.clear();
    LOG.NR = s.logNr;
    if (Access::Log().TryFetch(LogKey::KeyNr) != LevelBenign) return;
    if (LOG.ID != s.logId || LOG.DATUM != s.logDate || LOG.LOGINTIME != s.logTime) return;
    LOG.LOGOUTTIME = Host::instance().clock();
    if (Access::Log().TryUpdate() != LevelBenign)
        Notices::notice(QStringLiteral("Log update failure"));
}

void finalStore() {
    const bool backupRan = Session::state().backupRan;
    if (!fetchSystemRecord()) {
        Notices::notice(QStringLiteral("Unable to Retrieve System Configuration"));
        return;
    }
    // The interval counts from the last backup that ran.
    if (backupRan) SYS.LASTBACKUPDATE = Host::instance().today();
    if (Access::Sys().TryUpdate() != LevelBenign)
        Notices::notice(QStringLiteral("Unable to Update System Configuration"));
}

} // namespace

Session::State& Session::state() {
    static State s;
    return s;
}

void Session::setStartedHook(std::function<void()> hook) {
    startedHook = std::move(hook);
}

QString Session::defaultProducer() {
    const QString organisation = INIMgr().Fetch(Settings::Organization).trimmed();
    QString name = organisation + QStringLiteral(" -- ") + GLO.UserName.str().trimmed();
    return Text::fit(name, PRD.Name.capacity());
}

void Session::start(int level, int idnr) {
    GLO.UserLevel = quint8(level);
    GLO.UserID = quint16(idnr);
    state().backupRan = false;
    const bool haveSystem = fetchSystemRecord();
    if (!haveSystem) Notices::notice(QStringLiteral("No records available"));
    if (haveSystem && SYS.DOLOG == 1) writeLogbookEntry();
    if (GLO.UserLevel > 1) provideDefaultProducer();
    retentionPass(haveSystem ? SYS.HOWLONG : 0);
    if (startedHook) startedHook();
}

void Session::startFailed() {
    state().logged = false;
    retentionPass(fetchSystemRecord() ? SYS.HOWLONG : 0);
}

void Session::end() {
    State& s = state();
    if (!s.logged) return;
    if (!fetchSystemRecord()) {
        Notices::notice(QStringLiteral("System : no record available"));
    } else {
        if (SYS.DOLOG == 1) writeLogoutTime();
        s.backupRan = Backup::runIfDue(SYS);
        retentionPass(SYS.HOWLONG);
    }
    finalStore();
    s.logged = false;
}

void Session::retentionPass(int howLong) {
    FileManager& log = Access::Log();
    if (log.UseFile() != LevelBenign) return;
    const qint32 cutOff = Host::instance().today() - howLong;
    store::RecordStore& store = Process::instance().store();
    const bool framed = store.begin({log.File}, 2) == store::Ok;
    log.File->setOrder(0);
    while (log.File->next(LOG) == store::Ok)
        if (LOG.DATUM < cutOff) log.File->erase(LOG);
    if (framed) store.commit();
}

LogonCheck::Outcome LogonCheck::attempt(const QString& name, const QString& password) {
    IDE.clear();
    IDE.Name = name;
    if (Access::IDE().TryFetch(IdeKey::KeyName) != LevelBenign) return Outcome::UnknownUser;
    const QString typed = Text::fit(password, IDE.PASSWORD.capacity()).toUpper();
    return typed == IDE.PASSWORD.str().toUpper() ? Outcome::Accepted : Outcome::WrongPassword;
}
