#pragma once

#include <QString>

// The logbook as a whole: emptied by the logbook window's "&Empty Log".
namespace Logbook {

// Seconds to wait for another station that is writing the logbook.
constexpr int WaitSeconds = 10;

// The entries in the logbook; 0 when it cannot be read.
qint64 count();

// Deletes every entry, that of the running session too, as one transaction: all of them go
// or, when anything fails, none. `failure` says why, as the user reads it.
bool empty(QString& failure);

} // namespace Logbook
