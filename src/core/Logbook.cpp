#include "core/Logbook.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"

#include <memory>
#include <vector>

namespace {

QString reasonOf(const store::Status& s) {
    return s.driverText.isEmpty() ? s.text : s.driverText;
}

bool failed(QString& failure, const QString& why) {
    failure =
        QStringLiteral("The logbook could not be emptied; all its entries are kept. %1").arg(why);
    return false;
}

} // namespace

qint64 Logbook::count() {
    FileManager& log = Access::Log();
    if (log.UseFile() != LevelBenign) return 0;
    return std::max<qint64>(0, log.File->records());
}

bool Logbook::empty(QString& failure) {
    failure.clear();
    FileManager& log = Access::Log();
    if (log.UseFile() != LevelBenign)
        return failed(failure, QStringLiteral("The logbook cannot be opened."));
    store::StoreFile& file = *log.File;
    store::RecordStore& store = Process::instance().store();
    if (store.begin({&file}, WaitSeconds) != store::Ok)
        return failed(failure,
                      QStringLiteral("It is in use elsewhere (%1).").arg(reasonOf(store.status())));
    // The entries are found in record order first, then deleted one by one by their
    // identity, so that no read runs past a deletion. The record is one of its own: the
    // logbook buffer is left as it is.
    LogRecord entry;
    std::vector<RecordId> found;
    {
        std::unique_ptr<store::Cursor> cursor = file.cursor();
        int rc = cursor->setOrder(0);
        while (rc == store::Ok && (rc = cursor->next(entry)) == store::Ok)
            found.push_back(entry.identity());
        if (rc != store::NoRecord) {
            const QString reason = reasonOf(cursor->status());
            store.rollback();
            return failed(failure, QStringLiteral("Reading failed (%1).").arg(reason));
        }
    }
    for (const RecordId& id : found) {
        entry.setIdentity(id);
        if (file.erase(entry) != store::Ok) {
            const QString reason = reasonOf(file.status());
            store.rollback();
            return failed(failure, QStringLiteral("Deleting failed (%1).").arg(reason));
        }
    }
    if (store.commit() != store::Ok) {
        const QString reason = reasonOf(store.status());
        store.rollback();
        return failed(failure, QStringLiteral("The change could not be stored (%1).").arg(reason));
    }
    return true;
}
