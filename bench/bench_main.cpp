// Catalogue benchmark: builds archives of 10k, 100k and 1M entries through the file
// manager and measures inserts, full reads, fetches and file size; then the text viewer on
// a file of 1 GB, the walk over a tree of 100,000 entries and the import of 100,000 scanned
// files. Prints one line per figure, "name value unit", so runs can be compared.
//
//   wareloft-bench [--sizes 10000,100000,1000000] [--keep DIR]
//                  [--only catalogue,search,admin,viewer,walk,import,rename]
//
// "search" alone builds (or reuses) the catalogues and times only the search on them;
// "admin" alone times only the deletion of a medium, the backup and the restore.

#include "archive/MediumDeletion.h"
#include "bench/Catalogue.h"
#include "bench/ClassRenameBench.h"
#include "bench/Figure.h"
#include "bench/ImportBench.h"
#include "bench/NumberingBench.h"
#include "bench/SearchBench.h"
#include "bench/TextViewBench.h"
#include "bench/WalkBench.h"
#include "core/Backup.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/Restore.h"
#include "framework/host/ConsoleHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <random>

namespace {

bool onlySearch = false;
bool onlyAdmin = false;

} // namespace

QString sizeLabel(qint64 n) {
    if (n >= 1000000 && n % 1000000 == 0) return QString::number(n / 1000000) + "m";
    if (n >= 1000 && n % 1000 == 0) return QString::number(n / 1000) + "k";
    return QString::number(n);
}

namespace {

// Reads the whole archive in one order; returns records per second.
double readAll(int key, qint64 expected, qint64& rssGrowth) {
    FileManager& arc = Access::Archief();
    arc.File->setOrder(key);
    const qint64 before = privateKiB();
    QElapsedTimer timer;
    timer.start();
    qint64 count = 0;
    while (arc.Next() == LevelBenign)
        ++count;
    const double seconds = timer.nsecsElapsed() / 1e9;
    rssGrowth = privateKiB() - before;
    if (count != expected) std::fprintf(stderr, "read %lld of %lld\n", count, expected);
    return count / seconds;
}

double fetchMicros(int key, qint64 entries, bool byName) {
    FileManager& arc = Access::Archief();
    std::mt19937 random(7);
    std::uniform_int_distribution<qint64> pick(1, entries);
    constexpr int Fetches = 20000;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Fetches; ++i) {
        const qint64 n = pick(random);
        ARC.clear();
        if (byName)
            ARC.Naam = Catalogue::fileName(n);
        else
            ARC.NR = quint32(n);
        if (arc.Fetch(key) != LevelBenign) std::fprintf(stderr, "fetch %lld failed\n", n);
    }
    return timer.nsecsElapsed() / 1e3 / Fetches;
}

// Adds a medium of `count` entries and deletes it as the user's "Delete CD/Disk" does;
// returns seconds.
double deleteMedium(store::RecordStore& store, qint64 count) {
    FileManager& arc = Access::Archief();
    constexpr quint16 Cd = 65000;
    ArchiefRecord r;
    arc.File->setOrder(ArcKey::IDkey);
    quint32 nr = arc.File->previous(r) == store::Ok ? r.NR : 0;
    store.begin({arc.File}, 5);
    for (qint64 i = 0; i < count; ++i) {
        r.clear();
        r.NR = ++nr;
        r.CdNr = Cd;
        r.Naam = Catalogue::fileName(i);
        r.Soort = "Games";
        arc.File->add(r);
    }
    store.commit();
    MediumDeletion deletion({Medium::Cd, Cd});
    QElapsedTimer timer;
    timer.start();
    const bool done = deletion.run();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (!done || deletion.deleted() != count)
        std::fprintf(stderr, "deleted %d of %lld: %s\n", deletion.deleted(), count,
                     qPrintable(deletion.failure()));
    return seconds;
}

// Backs up the files a restore brings back, then restores them into the open files;
// the seconds of both, the restore with the checks of every copy.
std::pair<double, double> backupAndRestore(store::RecordStore& store, const QString& backupDir) {
    for (FileManager* f : {&Access::Prd(), &Access::IDE(), &Access::SoortTabel()}) {
        f->Open();
        f->UseFile();
    }
    QDir().mkpath(backupDir);
    QElapsedTimer timer;
    timer.start();
    for (const FileDef* def : Dictionary::files())
        if (Restore::restoredFiles().contains(def->diskName) &&
            store.backup(*def, backupDir + "/" + def->diskName) != store::Ok)
            std::fprintf(stderr, "backup of %s failed\n", qPrintable(def->diskName));
    const double backup = timer.nsecsElapsed() / 1e9;
    timer.restart();
    const Restore::Outcome outcome = Restore::fromDirectory(backupDir);
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (outcome.restored != 4) std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
    for (FileManager* f : {&Access::Prd(), &Access::IDE(), &Access::SoortTabel()})
        f->Close();
    return {backup, seconds};
}

// The reads and fetches of the whole archive.
void readAndFetch(qint64 entries, const QString& label) {
    qint64 growth = 0;
    printFigure("read_record_order_" + label, readAll(0, entries, growth), "records/s");
    printFigure("read_memory_growth_" + label, double(growth), "KiB");
    printFigure("read_keynaam_" + label, readAll(ArcKey::KeyNaam, entries, growth), "records/s");
    printFigure("read_keynaam_memory_growth_" + label, double(growth), "KiB");
    printFigure("fetch_idkey_" + label, fetchMicros(ArcKey::IDkey, entries, false), "us");
    printFigure("fetch_keynaam_" + label, fetchMicros(ArcKey::KeyNaam, entries, true), "us");
}

bool runSize(qint64 entries, const QString& keepDir) {
    QTemporaryDir temp;
    const QString dir = keepDir.isEmpty() ? temp.path() : keepDir + "/" + sizeLabel(entries);
    QDir().mkpath(dir);
    const QString label = sizeLabel(entries);
    Process process(dir);
    FileManager& arc = Access::Archief();
    arc.Open();

    QElapsedTimer timer;
    timer.start();
    // A kept catalogue of the right size is used again.
    arc.UseFile();
    if (arc.File->records() != entries) {
        if (!Catalogue::fill(process.store(), entries)) {
            std::fprintf(stderr, "the catalogue of %s entries could not be built\n",
                         qPrintable(label));
            arc.Close();
            return false;
        }
        printFigure("insert_" + label, entries / (timer.nsecsElapsed() / 1e9), "entries/s");
    }
    if (onlySearch) {
        SearchBench::run(dir, entries, label);
        arc.Close();
        return true;
    }
    if (!onlyAdmin) readAndFetch(entries, label);
    // A medium of one twentieth of the archive: 50k entries in 1M.
    printFigure("delete_medium_" + sizeLabel(entries / 20),
                deleteMedium(process.store(), entries / 20), "s");
    const auto [backup, restore] = backupAndRestore(process.store(), dir + "/backup");
    printFigure("backup_" + label, backup, "s");
    printFigure("restore_" + label, restore, "s");
    arc.Close();
    if (onlyAdmin) return true;
    printFigure("file_size_" + label, QFileInfo(dir + "/Archief.tps").size() / 1048576.0, "MiB");
    arc.Open();
    arc.UseFile();
    SearchBench::run(dir, entries, label);
    arc.Close();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QList<qint64> sizes = {10000, 100000, 1000000};
    QString keep;
    QStringList groups = {"catalogue", "viewer", "walk", "import", "rename"};
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--sizes" && i + 1 < args.size()) {
            sizes.clear();
            for (const QString& s : args[++i].split(','))
                sizes << s.toLongLong();
        } else if (args[i] == "--keep" && i + 1 < args.size()) {
            keep = args[++i];
        } else if (args[i] == "--only" && i + 1 < args.size()) {
            groups = args[++i].split(',');
        } else {
            std::fprintf(stderr, "usage: wareloft-bench [--sizes N,N,...] [--keep DIR] "
                                 "[--only catalogue,search,admin,viewer,walk,import,rename]\n");
            return 2;
        }
    }
    ConsoleHost host;
    Host::install(&host);
    bool ok = true;
    onlySearch = groups.contains("search") && !groups.contains("catalogue");
    onlyAdmin = groups.contains("admin") && !groups.contains("catalogue") && !onlySearch;
    if (groups.contains("catalogue") || groups.contains("search") || onlyAdmin)
        for (qint64 n : sizes) {
            ok = ok && runSize(n, keep);
            if (ok && !onlySearch && !onlyAdmin) NumberingBench::run(n, sizeLabel(n));
        }
    if (groups.contains("viewer")) TextViewBench::run(keep);
    if (groups.contains("walk")) WalkBench::run(keep);
    if (groups.contains("import")) ImportBench::run(keep);
    if (groups.contains("rename")) {
        QTemporaryDir temp;
        const RenameTimes rename = classRename(temp.path(), 100000);
        printFigure("class_rename_100k", rename.seconds, "s");
        printFigure("class_rename_100k_processor", rename.processorSeconds, "s");
    }
    Host::install(nullptr);
    return ok ? 0 : 1;
}
