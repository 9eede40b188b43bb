#include "archive/ArchiveMedia.h"

#include "core/DataFiles.h"
#include "core/Process.h"
#include "framework/store/Positions.h"

#include <limits>

namespace {

// The archive's store file with memos left out while a look-up runs.
class Probe {
public:
    Probe() : file_(Access::Archief().UseFile() == LevelBenign ? Access::Archief().File : nullptr) {
        if (file_) file_->setSkipMemos(true);
    }
    ~Probe() {
        if (file_) file_->setSkipMemos(false);
    }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;

    store::StoreFile* file() const { return file_; }

private:
    store::StoreFile* file_;
};

// Medium names compare as keys do: letter case and trailing blanks aside.
// Look-ups that read the store many times share one read of it; each would otherwise begin
// and end a read of its own. Inside a transaction of the caller they simply join it.
class OneRead {
public:
    OneRead() {
        if (!Process::running()) return;
        store_ = &Process::instance().store();
        began_ = store_->begin({}, BusySeconds) == store::Ok;
    }
    ~OneRead() {
        if (began_) store_->commit();
    }
    OneRead(const OneRead&) = delete;
    OneRead& operator=(const OneRead&) = delete;

private:
    static constexpr int BusySeconds = 2;
    store::RecordStore* store_ = nullptr;
    bool began_ = false;
};

bool sameText(const QString& a, const QString& b) {
    return RecordBuffer::sameKeyValue(Text::fit(a, a.size()), Text::fit(b, b.size()));
}

// Jumps through the key's distinct values from 1 up; the first value without an entry.
quint16 lowestFree(int key, quint16 ArchiefRecord::*number) {
    const Probe probe;
    const OneRead together;
    if (!probe.file()) return 0;
    ArchiefRecord entry;
    for (quint32 n = 1; n <= std::numeric_limits<quint16>::max(); ++n) {
        entry.clear();
        entry.*number = quint16(n);
        const int code = probe.file()->get(key, entry);
        if (code == store::NoRecord) return quint16(n);
        if (code != store::Ok) return 0;
    }
    return 0;
}

// Visits the entries whose `key` value equals that of `from`, in key order, until `take`
// says it has found one.
template <class Take>
bool visitEqual(int key, const ArchiefRecord& from, ArchiefRecord& found, Take take) {
    const Probe probe;
    if (!probe.file()) return false;
    const std::vector<FieldValue> wanted = store::keyValues(from.def(), key, from);
    probe.file()->setOrderAt(key, from);
    while (probe.file()->next(found) == store::Ok) {
        const std::vector<FieldValue> values = store::keyValues(found.def(), key, found);
        for (size_t i = 0; i < wanted.size(); ++i)
            if (!RecordBuffer::sameKeyValue(values[i], wanted[i])) return false;
        if (take(found)) return true;
    }
    return false;
}

} // namespace

quint16 ArchiveMedia::lowestFreeCdNr() {
    return lowestFree(ArcKey::KeyCdNr, &ArchiefRecord::CdNr);
}

quint16 ArchiveMedia::lowestFreeDiskNr() {
    return lowestFree(ArcKey::KeyDiskNr, &ArchiefRecord::DiskNr);
}

bool ArchiveMedia::firstEntryNamed(const QString& name, ArchiefRecord& found) {
    if (name.trimmed().isEmpty()) return false;
    ArchiefRecord from;
    from.CDiskNaam = name;
    return visitEqual(ArcKey::KeyDiskCdNaam, from, found,
                      [](const ArchiefRecord&) { return true; });
}

bool ArchiveMedia::findMediumEntry(const QString& name, quint16 cdNr, quint16 diskNr,
                                   ArchiefRecord& found) {
    ArchiefRecord from;
    if (cdNr != 0) {
        from.CdNr = cdNr;
        return visitEqual(ArcKey::KeyCdNr, from, found,
                          [&](const ArchiefRecord& e) { return sameText(e.CDiskNaam, name); });
    }
    if (diskNr == 0) return false;
    from.DiskNr = diskNr;
    return visitEqual(ArcKey::KeyDiskNr, from, found, [&](const ArchiefRecord& e) {
        return e.CdNr == 0 && sameText(e.CDiskNaam, name);
    });
}

bool ArchiveMedia::findDuplicate(const QString& root, const QString& rest, ArchiefRecord& found) {
    if (rest.trimmed().isEmpty()) return false;
    ArchiefRecord from;
    from.Naam = rest;
    return visitEqual(ArcKey::KeyNaam, from, found,
                      [&](const ArchiefRecord& e) { return sameText(e.CDiskNaam, root); });
}

bool ArchiveMedia::erase(quint32 nr) {
    const Probe probe;
    if (!probe.file() || nr == 0) return false;
    ArchiefRecord entry;
    entry.NR = nr;
    return probe.file()->get(ArcKey::IDkey, entry) == store::Ok &&
           probe.file()->erase(entry) == store::Ok;
}
