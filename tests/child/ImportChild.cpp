// Imports every file of drive D (the folder given) into the archive of a data directory,
// as Add All ("all": the root) or Add Tree ("tree": the root and every directory below it)
// would, and tells after every slice how many files are imported, line by line, so that a
// test can end it at any moment: wareloft_test_child import DIR FOLDER all|tree
#include "ImportChild.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/host/ConsoleHost.h"
#include "scan/ScanImport.h"
#include "scan/ScanListing.h"
#include "scan/TreeFiles.h"

#include <cstdio>

int importChild(int argc, char** argv) {
    if (argc != 5) return 2;
    ConsoleHost host;
    Host::install(&host);
    int code = 1;
    {
        Process process(QString::fromLocal8Bit(argv[2]));
        host.setSettings(&process.settings());
        host.setDriveFolder('D', QString::fromLocal8Bit(argv[3]));
        Access::Archief().Open();
        ScanSource source;
        source.name = source.drive = QStringLiteral("D:\\");
        source.driveKind = QStringLiteral("CD");
        source.producer = QStringLiteral("Child");
        source.softwareClass = QStringLiteral("Tools");
        source.optionCode = ScanListing::All;
        std::vector<ScanFileEntry> files;
        if (qstrcmp(argv[4], "tree") == 0) {
            TreeFiles tree(source.drive, {}, ScanListing::Patterns(source.optionCode, {}));
            tree.run();
            files = tree.take();
        } else {
            Queue<ScanFileEntry> queue;
            ScanListing::List(queue, source.drive, {}, source.optionCode, {}, "None");
            for (const ScanFileEntry& e : queue.rows)
                if (e.ATTRIB.str() != QLatin1String("Directory")) files.push_back(e);
        }
        ScanNumbers numbers;
        numbers.settle(source, 0);
        ScanImport job(source, numbers, std::move(files));
        while (job.step(20) != ScanImport::State::Done) {
            std::printf("%lld\n", job.inserted());
            std::fflush(stdout);
        }
        std::printf("done %lld\n", job.inserted());
        std::fflush(stdout);
        Access::Archief().Close();
        code = job.failure().isEmpty() ? 0 : 1;
    }
    Host::install(nullptr);
    return code;
}
