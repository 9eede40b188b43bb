#include "bench/NumberingBench.h"

#include "archive/ArchiveMedia.h"
#include "bench/Figure.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Cds = 2000;

void fill(store::RecordStore& store, qint64 entries) {
    FileManager& arc = Access::Archief();
    arc.UseFile();
    store.begin({arc.File}, 2);
    for (qint64 n = 0; n < entries; ++n) {
        ARC.clear();
        ARC.CdNr = quint16(1 + n % Cds);
        ARC.CDiskNaam = QStringLiteral("E:\\");
        ARC.Soort = QStringLiteral("Class %1").arg(n % 100);
        ARC.Naam = QStringLiteral("DISK%1\\PROG%2.EXE").arg(n % Cds).arg(n);
        if (arc.Insert() != LevelBenign) {
            std::fprintf(stderr, "insert %lld failed\n", n);
            break;
        }
    }
    store.commit();
}

} // namespace

void NumberingBench::run(qint64 entries, const QString& label) {
    QTemporaryDir dir;
    Process process(dir.path());
    Access::Archief().Open();
    fill(process.store(), entries);
    std::vector<double> ms;
    quint16 found = 0;
    for (int i = 0; i < 21; ++i) {
        QElapsedTimer timer;
        timer.start();
        found = ArchiveMedia::lowestFreeCdNr();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (found != Cds + 1) std::fprintf(stderr, "next CD number %d, not %d\n", found, Cds + 1);
    std::sort(ms.begin(), ms.end());
    printFigure("next_cd_number_" + label, ms[ms.size() / 2], "ms");
    Access::Archief().Close();
}
