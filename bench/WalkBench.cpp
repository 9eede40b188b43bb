#include "bench/WalkBench.h"

#include "bench/Figure.h"
#include "framework/IniManager.h"
#include "framework/host/FileSystemHost.h"
#include "scan/TreeWalk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

constexpr int TopDirectories = 50;
constexpr int SubDirectories = 100; // under each top directory
constexpr int FilesPerDirectory = 20;

bool makeTree(const QString& root) {
    const QString done = root + "/.complete";
    if (QFileInfo::exists(done)) return true;
    for (int t = 0; t < TopDirectories; ++t)
        for (int s = 0; s < SubDirectories; ++s) {
            const QString dir = QStringLiteral("%1/Group%2/Disk%3").arg(root).arg(t).arg(s);
            if (!QDir().mkpath(dir)) return false;
            for (int f = 0; f < FilesPerDirectory; ++f) {
                QFile file(
                    QStringLiteral("%1/PROG%2.%3").arg(dir).arg(f).arg(f % 3 ? "EXE" : "TXT"));
                if (!file.open(QIODevice::WriteOnly)) return false;
                file.write(QByteArray(f * 10, 'x'));
            }
        }
    QFile mark(done);
    return mark.open(QIODevice::WriteOnly);
}

TreeWalk::Summary walk() {
    TreeWalk walker(QStringLiteral("D:\\"), QString(), {QStringLiteral("*.*")});
    return walker.Run([](const TreeWalk::Directory&) { return true; });
}

} // namespace

void WalkBench::run(const QString& keepDir) {
    QTemporaryDir temp;
    const QString root = (keepDir.isEmpty() ? temp.path() : keepDir) + "/walk-100k";
    if (!makeTree(root)) {
        std::fprintf(stderr, "cannot make the tree under %s\n", qPrintable(root));
        return;
    }
    // Drive D stands for the tree, in a settings file of the benchmark's own.
    auto* host = dynamic_cast<FileSystemHost*>(&Host::instance());
    if (!host) return;
    IniManager settings;
    settings.Init(QStringLiteral("software.INI"), temp.path());
    IniManager* before = host->settings();
    host->setSettings(&settings);
    host->setDriveFolder(QLatin1Char('D'), root);
    walk(); // into the page cache
    QElapsedTimer timer;
    timer.start();
    const TreeWalk::Summary summary = walk();
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (summary.files != qint64(TopDirectories) * SubDirectories * FilesPerDirectory)
        std::fprintf(stderr, "walked %lld files\n", summary.files);
    printFigure("walk_100k", summary.entries / seconds, "entries/s");
    host->setSettings(before);
}
