// A process that deletes one CD of a data directory and tells how far it got, line by line,
// so that a test can end it at any moment: wareloft-test-child DIR CDNR
#include "archive/MediumDeletion.h"
#include "core/DataFiles.h"
#include "core/Process.h"
#include "framework/host/ConsoleHost.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    ConsoleHost host;
    Host::install(&host);
    int code = 1;
    {
        Process process(QString::fromLocal8Bit(argv[1]));
        Access::Archief().Open();
        MediumDeletion deletion({Medium::Cd, quint16(std::atoi(argv[2]))});
        std::thread worker([&] { deletion.run(); });
        while (!deletion.finished()) {
            std::printf("%d\n", deletion.deleted());
            std::fflush(stdout);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        worker.join();
        std::printf("done %d\n", deletion.deleted());
        std::fflush(stdout);
        Access::Archief().Close();
        code = deletion.failure().isEmpty() ? 0 : 1;
    }
    Host::install(nullptr);
    return code;
}
