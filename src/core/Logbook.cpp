#include "core/Logbook.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"

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
    // Every entry goes, the current session's too, in one step of the engine.
    if (file.eraseAll() != store::Ok) {
        const QString reason = reasonOf(file.status());
        store.rollback();
        return failed(failure, QStringLiteral("Deleting failed (%1).").arg(reason));
    }
    if (store.commit() != store::Ok) {
        const QString reason = reasonOf(store.status());
        store.rollback();
        return failed(failure, QStringLiteral("The change could not be stored (%1).").arg(reason));
    }
    return true;
}
