#pragma once

#include <QString>
#include <functional>

// The work around a logon: the logbook entry, the default producer and the retention pass
// at the start; the log-out time, the scheduled backup, the retention pass and the final
// store of the system record at the end.
namespace Session {

struct State {
    bool logged = false; // a logbook entry was written for this session
    quint32 logNr = 0;   // LOG:NR of that entry
    // What the entry was written with: an entry of that number that differs is another
    // session's, numbered anew after the logbook was emptied.
    quint16 logId = 0;
    qint32 logDate = 0;
    qint32 logTime = 0;
    bool backupRan = false;
};
State& state();

// After a successful logon with the user's level and IDE:IDNR.
void start(int level, int idnr);
// After a failed logon: nothing is written, old logbook entries still go.
void startFailed();
// Only when the session was logged.
void end();

// Deletes every logbook entry dated before today minus `howLong` days.
void retentionPass(int howLong);

// The organisation name, " -- " and the user name, cut to a producer name's length.
QString defaultProducer();

// Called when a session has started, so that open windows refresh.
void setStartedHook(std::function<void()> hook);

} // namespace Session

// Checking a name and password against the users file.
namespace LogonCheck {

enum class Outcome { Accepted, UnknownUser, WrongPassword };

// The first user of that name in IDE:KeyName order, names and passwords compared without
// regard to case (passwords as 20-character fields). The user is left in the IDE buffer.
Outcome attempt(const QString& name, const QString& password);

} // namespace LogonCheck
