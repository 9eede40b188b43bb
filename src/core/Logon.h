#pragma once

#include <QString>

// The logon window "WLP - Logon": a known user's name and password in three attempts.
struct LogonResult {
    bool success = false;
    int level = 0; // IDE:LEVEL of the user
    int idnr = 0;  // IDE:IDNR of the user
};

// Runs the window modally on the caller's thread.
LogonResult Logon();

// Session start with a new logon: the logon, then the session's logbook work. False when
// the logon failed; the main frame then closes.
bool LogonAndStartSession();

// Session start for a user who needs no logon window, the first user just added with the
// password typed twice. False when there is no such user.
bool StartSessionAs(const QString& name);

// "&Logon" of the main frame: the session end, then a session start with a new logon.
// False when the new logon failed.
bool ChangeUser();
