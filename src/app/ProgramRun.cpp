#include "app/ProgramRun.h"

#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/host/ConsoleHost.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int runProgram(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ConsoleHost host;
    Host::install(&host);
    {
        Process process(QDir::currentPath());
        host.setSettings(&process.settings());
        for (FileManager* f : {&Access::Archief(), &Access::IDE(), &Access::Log(), &Access::Sys(),
                               &Access::Prd()})
            f->Open();
        Access::Archief().UseFile();
        GLO.ArchiveCount = quint32(Access::Archief().File->records());
        std::printf("Started in %s: %u archive entries. The windows are not built yet; "
                    "shutting down.\n",
                    qPrintable(process.directory()), GLO.ArchiveCount);
        for (FileManager* f : {&Access::Archief(), &Access::IDE(), &Access::Log(), &Access::Sys(),
                               &Access::Prd()})
            f->Close();
        host.setSettings(nullptr);
    }
    Host::install(nullptr);
    return 0;
}
