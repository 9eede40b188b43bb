#include "core/Logon.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/LogonWindow.h"
#include "core/Process.h"
#include "core/Session.h"
#include "core/SettingKeys.h"

LogonResult Logon() {
    LogonWindow window;
    window.Run();
    return window.Result();
}

bool LogonAndStartSession() {
    const LogonResult result = Logon();
    if (result.success)
        Session::start(result.level, result.idnr);
    else
        Session::startFailed();
    return result.success;
}

bool StartSessionAs(const QString& name) {
    IDE.clear();
    IDE.Name = name;
    if (Access::IDE().TryFetch(IdeKey::KeyName) != LevelBenign) {
        Session::startFailed();
        return false;
    }
    GLO.UserName = IDE.Name.str();
    INIMgr().Update(Settings::LastLogon, IDE.Name.str());
    Session::start(IDE.LEVEL, IDE.IDNR);
    return true;
}

bool ChangeUser() {
    Session::end();
    return LogonAndStartSession();
}
