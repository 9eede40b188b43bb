#include "bench/ClassRenameBench.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"

#include <QElapsedTimer>
#include <ctime>

namespace {

bool fill(store::RecordStore& store, qint64 entries) {
    FileManager& arc = Access::Archief();
    arc.UseFile();
    if (store.begin({arc.File}, 2) != store::Ok) return false;
    for (qint64 n = 1; n <= entries; ++n) {
        ARC.clear();
        ARC.CdNr = quint16(1 + n / 2000);
        ARC.CDiskNaam = QStringLiteral("Games CD %1").arg(1 + n / 2000);
        ARC.Soort = QStringLiteral("Games");
        ARC.Naam = QStringLiteral("GAMES\\GAME%1.EXE").arg(n, 7, 10, QLatin1Char('0'));
        ARC.Producer = QStringLiteral("Producer %1").arg(n % 50);
        // Descriptions as a scan that reads text files leaves them.
        if (n % 5 == 0)
            ARC.Omschrijving = QStringLiteral("Game %1 as catalogued from its CD; installs with "
                                              "SETUP and needs a restart.\r\n")
                                   .arg(n)
                                   .repeated(8);
        if (arc.Insert() != LevelBenign) return false;
    }
    return store.commit() == store::Ok;
}

qint64 entriesOf(const QString& soort) {
    ArchiefRecord probe;
    qint64 count = 0;
    Access::Archief().File->setOrder(0);
    while (Access::Archief().File->next(probe) == store::Ok)
        count += probe.Soort.str() == soort ? 1 : 0;
    return count;
}

} // namespace

RenameTimes classRename(const QString& directory, qint64 entries) {
    Process process(directory);
    Access::Archief().Open();
    Access::SoortTabel().Open();
    RenameTimes times;
    SRT.clear();
    SRT.Soort = QStringLiteral("Games");
    if (Access::SoortTabel().TryInsert() == LevelBenign && fill(process.store(), entries)) {
        Relate::SoortTabel().Save();
        SRT.Soort = QStringLiteral("Arcade");
        QElapsedTimer timer;
        timer.start();
        const std::clock_t processor = std::clock();
        const int level = Relate::SoortTabel().Update();
        times = {timer.nsecsElapsed() / 1e9, double(std::clock() - processor) / CLOCKS_PER_SEC};
        if (level != LevelBenign || entriesOf(QStringLiteral("Arcade")) != entries) times = {};
    }
    Access::SoortTabel().Close();
    Access::Archief().Close();
    return times;
}
