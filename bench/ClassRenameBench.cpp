#include "bench/ClassRenameBench.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"

#include <QElapsedTimer>
#include <cstdio>

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

double classRenameSeconds(const QString& directory, qint64 entries) {
    Process process(directory);
    Access::Archief().Open();
    Access::SoortTabel().Open();
    double seconds = -1;
    SRT.clear();
    SRT.Soort = QStringLiteral("Games");
    if (Access::SoortTabel().TryInsert() == LevelBenign && fill(process.store(), entries)) {
        Relate::SoortTabel().Save();
        SRT.Soort = QStringLiteral("Arcade");
        QElapsedTimer timer;
        timer.start();
        const int level = Relate::SoortTabel().Update();
        seconds = timer.nsecsElapsed() / 1e9;
        if (level != LevelBenign || entriesOf(QStringLiteral("Arcade")) != entries) seconds = -1;
    }
    Access::SoortTabel().Close();
    Access::Archief().Close();
    return seconds;
}
