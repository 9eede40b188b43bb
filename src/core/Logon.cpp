#include "core/Logon.h"

#include "core/LogonWindow.h"
#include "core/Session.h"

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

bool ChangeUser() {
    Session::end();
    return LogonAndStartSession();
}
