#include "archive/MediumDeletion.h"

#include "core/DataFiles.h"
#include "core/Process.h"

#include <memory>
#include <vector>

Medium Medium::of(const ArchiefRecord& entry) {
    if (entry.CdNr != 0) return {Cd, entry.CdNr};
    if (entry.DiskNr != 0) return {Disk, entry.DiskNr};
    return {};
}

QString Medium::kindText() const {
    return kind == Cd ? QStringLiteral("CD") : kind == Disk ? QStringLiteral("Disk") : QString();
}

bool Medium::holds(const ArchiefRecord& entry) const {
    return kind != None && (kind == Cd ? entry.CdNr : entry.DiskNr) == number;
}

bool MediumDeletion::fail(const QString& why) {
    failure_ = QStringLiteral("The entries of %1 %2 could not be deleted; all of them are "
                              "kept. %3")
                   .arg(medium_.kindText())
                   .arg(medium_.number)
                   .arg(why);
    deleted_ = 0;
    finished_ = true;
    return false;
}

bool MediumDeletion::run() {
    if (medium_.kind == Medium::None) return fail(QStringLiteral("The entry is on no medium."));
    FileManager& archive = Access::Archief();
    if (archive.UseFile() != LevelBenign)
        return fail(QStringLiteral("The archive cannot be opened."));
    store::StoreFile& file = *archive.File;
    store::RecordStore& store = Process::instance().store();
    auto why = [](const store::Status& s) {
        return s.driverText.isEmpty() ? s.text : s.driverText;
    };
    if (store.begin({&file}, WaitSeconds) != store::Ok)
        return fail(
            QStringLiteral("The archive is in use elsewhere (%1).").arg(why(store.status())));

    // The entries of one number lie together in the order of that number's key. They are
    // found first and then deleted one by one by their identity, so that no read runs past
    // a deletion.
    ArchiefRecord entry;
    const int key = medium_.kind == Medium::Cd ? ArcKey::KeyCdNr : ArcKey::KeyDiskNr;
    if (medium_.kind == Medium::Cd)
        entry.CdNr = medium_.number;
    else
        entry.DiskNr = medium_.number;
    std::vector<RecordId> found;
    {
        std::unique_ptr<store::Cursor> cursor = file.cursor();
        cursor->setSkipMemos(true);
        int rc = cursor->setOrderAt(key, entry);
        while (rc == store::Ok && (rc = cursor->next(entry)) == store::Ok && medium_.holds(entry))
            found.push_back(entry.identity());
        // The end of the file or the first entry of another number ends the search well.
        if (rc != store::Ok && rc != store::NoRecord) {
            const QString reason = why(cursor->status());
            store.rollback();
            return fail(QStringLiteral("Reading failed (%1).").arg(reason));
        }
    }
    for (const RecordId& id : found) {
        entry.setIdentity(id);
        if (file.erase(entry) != store::Ok) {
            const QString reason = why(file.status());
            store.rollback();
            return fail(QStringLiteral("Deleting failed (%1).").arg(reason));
        }
        ++deleted_;
    }
    if (store.commit() != store::Ok) {
        const QString reason = why(store.status());
        store.rollback();
        return fail(QStringLiteral("The deletion could not be stored (%1).").arg(reason));
    }
    finished_ = true;
    return true;
}
