#include "core/Installation.h"

#include "core/DataFiles.h"
#include "core/DemoCatalogue.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"

#include <QFile>

#include <cerrno>
#include <cstring>

namespace {

constexpr int FirstUserLevel = 3;
constexpr int DefaultRetentionDays = 30;
constexpr int LockWaitSeconds = 10;
constexpr int DiskFullEngineCode = 13;

void closeAll() {
    for (int f = 0; f < DataFiles::Count; ++f) {
        FileManager& file = DataFiles::instance().manager(DataFiles::File(f));
        file.Close();
        file.File->close();
    }
}

// A write that failed for want of room, in any file or in the step around them.
bool diskFull() {
    const QString noSpace = QString::fromLocal8Bit(std::strerror(ENOSPC));
    std::vector<const store::Status*> statuses = {&Process::instance().store().status()};
    for (int f = 0; f < DataFiles::Count; ++f)
        statuses.push_back(&DataFiles::instance().manager(DataFiles::File(f)).File->status());
    for (const store::Status* s : statuses)
        if ((s->driverCode.toInt() & 0xFF) == DiskFullEngineCode || s->driverText.contains(noSpace))
            return true;
    return false;
}

// `full`: the disk was found full before a rollback cleared what the files reported.
Installation::Result finishFailed(QString& report, bool full = diskFull()) {
    if (full)
        report += QStringLiteral("The disk of %1 is full; nothing was installed.\n")
                      .arg(Process::instance().directory());
    else
        report += QStringLiteral("Nothing was installed.\n");
    return Installation::Failed;
}

// Opens every file, making the missing ones, without the file managers' fatal messages: a
// file that cannot be made is reported in the installation's own words.
bool openAll(QString& report) {
    constexpr int Mode = store::ReadWrite | store::DenyNone;
    for (int f = 0; f < DataFiles::Count; ++f) {
        FileManager& file = DataFiles::instance().manager(DataFiles::File(f));
        store::StoreFile& disk = *file.File;
        int code = disk.open(Mode);
        if (code == store::FileNotFound && disk.create() == store::Ok) code = disk.open(Mode);
        if (code == store::InvalidKey && disk.buildKeys() == store::Ok) code = disk.open(Mode);
        if (code != store::Ok || file.Open() != LevelBenign) {
            const store::Status& status = disk.status();
            const QString why = status.driverText.isEmpty() ? status.text : status.driverText;
            const QString name = disk.def().diskName;
            report =
                why.startsWith(name)
                    ? why + QStringLiteral(".\n")
                    : QStringLiteral("%1 could not be opened or created: %2.\n").arg(name, why);
            finishFailed(report);
            closeAll();
            return false;
        }
    }
    return true;
}

Installation::Result refusedWithUsers(qint64 users, QString& report) {
    if (users == 0) return Installation::Installed;
    report = QStringLiteral("This directory already holds a Wareloft installation with %1 "
                            "user(s) in IDE.tps; nothing was changed.")
                 .arg(users);
    return Installation::Refused;
}

bool provideSystemRecord(QString& report) {
    SYS.clear();
    SYS.ID = 1;
    if (Access::Sys().TryFetch(SysKey::KeyID) == LevelBenign) {
        report += "The system record was already there and is kept.\n";
        return true;
    }
    SYS.clear();
    SYS.ID = 1;
    SYS.DOLOG = 1;
    SYS.HOWLONG = DefaultRetentionDays;
    SYS.DOBACKUP = 0;
    if (Access::Sys().Insert() != LevelBenign) {
        report += "The system record could not be written.\n";
        return false;
    }
    report += QStringLiteral("System options: logbook on, kept %1 days; backups off.\n")
                  .arg(DefaultRetentionDays);
    return true;
}

bool addFirstUser(const QString& password, QString& report) {
    if (Access::IDE().PrimeRecord() != LevelBenign) return false;
    IDE.Name = QStringLiteral("System");
    IDE.PASSWORD = password;
    IDE.LEVEL = FirstUserLevel;
    if (Access::IDE().Insert() != LevelBenign) {
        report += "The first user could not be written.\n";
        return false;
    }
    report += QStringLiteral("User \"System\" (level 3) added.\n");
    if (password.size() > IDE.PASSWORD.capacity())
        report += QStringLiteral("The password was cut to its first %1 characters.\n")
                      .arg(IDE.PASSWORD.capacity());
    return true;
}

// The class that stands for all classes wherever a class is chosen.
bool addEverythingClass(QString& report) {
    SRT.Soort = QStringLiteral("Everything");
    if (Access::SoortTabel().TryFetch(SrtKey::KeySoort) == LevelBenign) return true;
    SRT.Soort = QStringLiteral("Everything");
    if (Access::SoortTabel().Insert() != LevelBenign) {
        report += "The class \"Everything\" could not be written.\n";
        return false;
    }
    return true;
}

// A change that an interrupted installation (or start) left in a journal is settled first:
// the engine undoes or finishes it when the file is opened for writing.
void settleJournals() {
    for (int f = 0; f < DataFiles::Count; ++f) {
        store::StoreFile& file = *DataFiles::instance().manager(DataFiles::File(f)).File;
        if (!QFile::exists(file.path() + QStringLiteral("-journal"))) continue;
        if (file.open(store::ReadWrite | store::DenyNone) == store::Ok) file.close();
    }
}

} // namespace

QString Installation::passwordProblem(const QString& password) {
    if (password.trimmed().isEmpty())
        return QStringLiteral("The password of the user \"System\" may not be empty or only "
                              "blanks; nothing was installed.");
    return {};
}

// Without creating anything: the users file is only read when it is there.
Installation::Result Installation::check(QString& report) {
    report.clear();
    settleJournals();
    store::StoreFile& users = *Access::IDE().File;
    int code = users.open(store::ReadWrite | store::DenyNone);
    if (code == store::AccessDenied) code = users.open(store::ReadOnly | store::DenyNone);
    if (code == store::FileNotFound) return Installed;
    const bool openBefore = code == store::AlreadyOpen;
    if (code != store::Ok && !openBefore) {
        report = QStringLiteral("The users file could not be read: %1.")
                     .arg(users.status().driverText.isEmpty() ? users.status().text
                                                              : users.status().driverText);
        return Failed;
    }
    const qint64 existingUsers = users.records();
    if (!openBefore) users.close();
    return refusedWithUsers(existingUsers, report);
}

Installation::Result Installation::install(const Options& options, QString& report) {
    if (const QString problem = passwordProblem(options.password); !problem.isEmpty()) {
        report = problem;
        return Failed;
    }
    const Result allowed = check(report);
    if (allowed != Installed) return allowed;
    if (!openAll(report)) return Failed;
    // One step: every record of the installation is written, or none.
    std::vector<store::StoreFile*> files;
    for (int f = 0; f < DataFiles::Count; ++f)
        files.push_back(DataFiles::instance().manager(DataFiles::File(f)).File);
    store::RecordStore& store = Process::instance().store();
    if (store.begin(files, LockWaitSeconds) != store::Ok) {
        report = QStringLiteral("The data files are in use by another station: %1.")
                     .arg(store.status().driverText);
        closeAll();
        return Failed;
    }
    // Checked again inside the step: another installation may have finished meanwhile.
    Result result = refusedWithUsers(Access::IDE().File->records(), report);
    bool ok = result == Installed && provideSystemRecord(report) && addEverythingClass(report) &&
              addFirstUser(options.password, report);
    if (ok && options.demo) ok = DemoCatalogue::add(report);
    if (ok && !options.organization.isEmpty()) {
        INIMgr().Update(Settings::Organization, options.organization);
        report += QStringLiteral("Organization \"%1\" registered.\n").arg(options.organization);
    }
    if (ok && store.commit() != store::Ok) {
        report +=
            QStringLiteral("The data could not be written: %1.\n").arg(store.status().driverText);
        ok = false;
    }
    if (!ok) {
        const bool full = diskFull();
        store.rollback();
        if (result == Installed) {
            // What was done is undone: only what went wrong is told.
            QStringList failures =
                report.split(QLatin1Char('\n')).filter(QStringLiteral("could not"));
            report = failures.join(QLatin1Char('\n'));
            if (!report.isEmpty()) report += QLatin1Char('\n');
            result = finishFailed(report, full);
        }
    }
    closeAll();
    return result;
}
