#include "framework/store/Stations.h"

#include <QRandomGenerator>
#include <cerrno>
#include <mutex>
#include <set>
#include <signal.h>
#include <unistd.h>

namespace store::stations {

namespace {

struct Running {
    std::mutex mutex;
    std::set<qint64> stations;
};

Running& running() {
    static Running r;
    return r;
}

} // namespace

qint64 enter() {
    Running& r = running();
    std::lock_guard lock(r.mutex);
    qint64 id = 0;
    while (id == 0 || r.stations.count(id))
        id = qint64(QRandomGenerator::global()->generate64() & 0x7FFFFFFFFFFFFFFFULL);
    r.stations.insert(id);
    return id;
}

void leave(qint64 station) {
    Running& r = running();
    std::lock_guard lock(r.mutex);
    r.stations.erase(station);
}

bool alive(qint64 station, qint64 pid) {
    if (pid == processId()) {
        Running& r = running();
        std::lock_guard lock(r.mutex);
        return r.stations.count(station) > 0;
    }
    // Another process: alive while it exists (a reused process id errs on the safe side).
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

qint64 processId() {
    return qint64(::getpid());
}

} // namespace store::stations
