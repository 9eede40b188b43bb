#include "bench/Catalogue.h"

#include "core/DataFiles.h"
#include "core/Globals.h"

#include <cstdio>

namespace {

const char* const Classes[] = {"Games",     "Utilities", "Graphics", "Office",
                               "Internet",  "Education", "Music",    "Drivers",
                               "Compilers", "Databases", "Viewers",  "Security"};
const char* const Folders[] = {"SETUP", "TOOLS", "BIN", "DRIVERS", "DEMO", "APPS", "EXTRAS"};
const char* const Extensions[] = {"EXE", "ZIP", "TXT", "DLL", "HLP", "INF", "DOC"};

} // namespace

QString Catalogue::fileName(qint64 n) {
    return QStringLiteral("%1\\PROG%2.%3")
        .arg(Folders[n % 7])
        .arg(n, 7, 10, QLatin1Char('0'))
        .arg(Extensions[(n / 7) % 7]);
}

QString Catalogue::className(qint64 n, int classes) {
    if (classes <= 12) return QString::fromLatin1(Classes[n % classes]);
    return QStringLiteral("Class %1").arg(1 + n % classes, 3, 10, QLatin1Char('0'));
}

bool Catalogue::fill(store::RecordStore& store, qint64 entries, int classes) {
    FileManager& arc = Access::Archief();
    if (arc.UseFile() != LevelBenign) {
        std::fprintf(stderr, "Archief.tps could not be opened\n");
        return false;
    }
    if (store.begin({arc.File}, 2) != store::Ok) {
        std::fprintf(stderr, "no transaction: %s\n", qPrintable(store.status().driverText));
        return false;
    }
    for (qint64 n = 1; n <= entries; ++n) {
        ARC.clear();
        const qint64 medium = 1 + n / 2000;
        if (n % 3 == 0)
            ARC.DiskNr = quint16(medium);
        else
            ARC.CdNr = quint16(medium);
        ARC.CDiskNaam = QStringLiteral("Medium %1").arg(medium);
        ARC.Soort = className(n, classes);
        ARC.Naam = fileName(n);
        ARC.Size = (n * 7919) % 5000000;
        ARC.Date = qint32(73000 + n % 9000);
        ARC.Time = qint32(1 + (n * 4513) % 8640000);
        ARC.Producer = QStringLiteral("Producer %1").arg(n % 50);
        ARC.Version = QStringLiteral("%1.%2").arg(n % 9).arg(n % 13);
        if (n % 10 == 0)
            ARC.Omschrijving = QStringLiteral("Program %1 as catalogued from its medium; "
                                              "installs with SETUP and needs a restart.")
                                   .arg(n)
                                   .repeated(3);
        if (arc.TryInsert() != LevelBenign) {
            std::fprintf(stderr, "insert %lld failed: %s\n", n,
                         qPrintable(arc.File->status().driverText));
            store.rollback();
            return false;
        }
    }
    if (store.commit() != store::Ok) {
        std::fprintf(stderr, "commit failed: %s\n", qPrintable(store.status().driverText));
        store.rollback();
        return false;
    }
    return true;
}
