#pragma once

#include "core/Dictionary.h"

#include <QString>
#include <atomic>

// The CD or disk an archive entry lives on: a CD when it has a CD number, else a disk when
// it has a disk number, else none.
struct Medium {
    enum Kind { None, Cd, Disk };
    Kind kind = None;
    quint16 number = 0;

    static Medium of(const ArchiefRecord& entry);
    // "CD" or "Disk".
    QString kindText() const;
    bool holds(const ArchiefRecord& entry) const;
};

// Deletes every archive entry of one medium as one transaction: either all of them go or,
// when anything fails or the process ends on the way, none. May run on a worker thread
// (the record store serialises its use); the count of deleted entries can be read from
// any thread while it runs.
class MediumDeletion {
public:
    explicit MediumDeletion(const Medium& medium) : medium_(medium) {}

    // True when the deletion was committed. Blocks until done.
    bool run();

    int deleted() const { return deleted_.load(); }
    bool finished() const { return finished_.load(); }
    // Why nothing was deleted, as the user reads it; empty after success.
    const QString& failure() const { return failure_; }

    // Seconds to wait for another station that is writing the archive.
    static constexpr int WaitSeconds = 10;

private:
    bool fail(const QString& why);

    Medium medium_;
    std::atomic<int> deleted_{0};
    std::atomic<bool> finished_{false};
    QString failure_;
};
