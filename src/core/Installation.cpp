#include "core/Installation.h"

#include "core/DataFiles.h"
#include "core/DemoCatalogue.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"

namespace {

constexpr int FirstUserLevel = 3;
constexpr int DefaultRetentionDays = 30;

bool openAll(QString& report) {
    for (int f = 0; f < DataFiles::Count; ++f) {
        FileManager& file = DataFiles::instance().manager(DataFiles::File(f));
        if (file.Open() != LevelBenign || file.UseFile() != LevelBenign) {
            report = QStringLiteral("%1 could not be opened or created.").arg(file.Name());
            return false;
        }
    }
    return true;
}

void closeAll() {
    for (int f = 0; f < DataFiles::Count; ++f)
        DataFiles::instance().manager(DataFiles::File(f)).Close();
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

} // namespace

QString Installation::passwordProblem(const QString& password) {
    if (password.trimmed().isEmpty())
        return QStringLiteral("The password of the user \"System\" may not be empty or only "
                              "blanks; nothing was installed.");
    return {};
}

Installation::Result Installation::check(QString& report) {
    report.clear();
    FileManager& users = Access::IDE();
    if (users.Open() != LevelBenign || users.UseFile() != LevelBenign) {
        report = "The users file IDE.tps could not be opened.";
        return Failed;
    }
    const qint64 existingUsers = users.File->records();
    users.Close();
    if (existingUsers == 0) return Installed;
    report = QStringLiteral("This directory already holds a Wareloft installation with %1 "
                            "user(s) in IDE.tps; nothing was changed.")
                 .arg(existingUsers);
    return Refused;
}

Installation::Result Installation::install(const Options& options, QString& report) {
    const Result allowed = check(report);
    if (allowed != Installed) return allowed;
    if (!openAll(report)) return Failed;
    bool ok = provideSystemRecord(report) && addEverythingClass(report) &&
              addFirstUser(options.password, report);
    if (ok && !options.organization.isEmpty()) {
        INIMgr().Update(Settings::Organization, options.organization);
        report += QStringLiteral("Organization \"%1\" registered.\n").arg(options.organization);
    }
    if (ok && options.demo) ok = DemoCatalogue::add(report);
    closeAll();
    return ok ? Installed : Failed;
}
