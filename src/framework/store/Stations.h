#pragma once

#include <QtGlobal>

// Stations: every RecordStore object is one. A hold names its station and process, so that
// a hold left by a station that has gone (closed, or its process ended) can be recognised.
namespace store::stations {

// A new station of this process, counted as running until `leave`.
qint64 enter();
void leave(qint64 station);
// Whether the station that took a hold still runs.
bool alive(qint64 station, qint64 pid);
qint64 processId();

} // namespace store::stations
