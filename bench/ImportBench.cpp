#include "bench/ImportBench.h"

#include "bench/Figure.h"
#include "bench/WalkBench.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/IniManager.h"
#include "framework/host/FileSystemHost.h"
#include "scan/ScanImport.h"
#include "scan/ScanListing.h"
#include "scan/TreeFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Files = 100000;
// The slice of the scan window's timer.
constexpr int SliceMs = 300;

bool makeFlat(const QString& root) {
    const QString done = root + "/.complete";
    if (QFileInfo::exists(done)) return true;
    if (!QDir().mkpath(root)) return false;
    const QByteArray base = QFile::encodeName(root) + "/";
    for (int f = 0; f < Files; ++f) {
        const int fd =
            ::open((base + "PROG" + QByteArray::number(f) + (f % 3 ? ".EXE" : ".TXT")).constData(),
                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return false;
        ::close(fd);
    }
    QFile mark(done);
    return mark.open(QIODevice::WriteOnly);
}

ScanSource source() {
    ScanSource s;
    s.name = s.drive = QStringLiteral("D:\\");
    s.driveKind = QStringLiteral("CD");
    s.producer = QStringLiteral("Bench -- System");
    s.softwareClass = QStringLiteral("Tools");
    s.optionCode = ScanListing::All;
    return s;
}

std::vector<ScanFileEntry> listed() {
    Queue<ScanFileEntry> queue;
    ScanListing::List(queue, QStringLiteral("D:\\"), {}, ScanListing::All, {},
                      QStringLiteral("None"));
    std::vector<ScanFileEntry> files;
    for (const ScanFileEntry& e : queue.rows)
        if (e.ATTRIB.str() != QLatin1String("Directory")) files.push_back(e);
    return files;
}

// The same entries as the import makes, added straight to the store in one transaction
// with their record numbers given here.
double rawInsert(const std::vector<ScanFileEntry>& files) {
    QTemporaryDir dir;
    Process process(dir.path());
    FileManager& arc = Access::Archief();
    arc.Open();
    arc.UseFile();
    QElapsedTimer timer;
    timer.start();
    process.store().begin({arc.File}, 2);
    ArchiefRecord r;
    quint32 nr = 0;
    for (const ScanFileEntry& e : files) {
        r.clear();
        r.NR = ++nr;
        r.CdNr = 1;
        r.CDiskNaam = QStringLiteral("D:\\");
        r.Naam = e.SCANFILENAME.str();
        r.Size = e.SIZE * 10;
        r.Date = e.DATE;
        r.Time = e.TIME;
        r.Producer = QStringLiteral("Bench -- System");
        r.Soort = QStringLiteral("Tools");
        if (arc.File->add(r) != store::Ok) {
            std::fprintf(stderr, "raw insert failed\n");
            break;
        }
    }
    process.store().commit();
    const double seconds = timer.nsecsElapsed() / 1e9;
    arc.Close();
    return double(files.size()) / seconds;
}

// The import in the slices of the window; with `tree` the walk is part of it.
double import(std::vector<ScanFileEntry> files, bool tree) {
    QTemporaryDir dir;
    Process process(dir.path());
    Access::Archief().Open();
    QElapsedTimer timer;
    timer.start();
    if (tree) {
        TreeFiles walk(QStringLiteral("D:\\"), {}, ScanListing::Patterns(ScanListing::All, {}));
        walk.run();
        files = walk.take();
    }
    const ScanSource s = source();
    ScanNumbers numbers;
    numbers.settle(s, 0);
    ScanImport job(s, numbers, std::move(files));
    qint64 slowest = 0, previous = 0;
    while (job.step(SliceMs) != ScanImport::State::Done) {
        slowest = std::max(slowest, timer.elapsed() - previous);
        previous = timer.elapsed();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (job.inserted() != Files) std::fprintf(stderr, "imported %lld\n", job.inserted());
    printFigure(tree ? "add_tree_100k_longest_slice" : "add_all_100k_longest_slice",
                double(slowest), "ms");
    Access::Archief().Close();
    return double(job.inserted()) / seconds;
}

} // namespace

void ImportBench::run(const QString& keepDir) {
    QTemporaryDir temp;
    const QString base = keepDir.isEmpty() ? temp.path() : keepDir;
    const QString flat = base + "/import-flat-100k", tree = base + "/walk-100k";
    if (!makeFlat(flat) || !WalkBench::makeTree(tree)) {
        std::fprintf(stderr, "cannot make the files under %s\n", qPrintable(base));
        return;
    }
    auto* host = dynamic_cast<FileSystemHost*>(&Host::instance());
    if (!host) return;
    IniManager settings;
    settings.Init(QStringLiteral("software.INI"), temp.path());
    IniManager* before = host->settings();
    host->setSettings(&settings);
    host->setDriveFolder(QLatin1Char('D'), flat);
    const std::vector<ScanFileEntry> files = listed();
    printFigure("raw_insert_100k", rawInsert(files), "entries/s");
    printFigure("add_all_100k", import(files, false), "entries/s");
    host->setDriveFolder(QLatin1Char('D'), tree);
    printFigure("add_tree_100k", import({}, true), "entries/s");
    host->setSettings(before);
}
