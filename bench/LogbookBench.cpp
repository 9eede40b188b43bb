// Logbook benchmark: a catalogue whose logbook holds 100,000 sessions; the logbook window
// opened on it until its first page shows, and "&Empty Log" of all of it. Prints one line
// per figure, "name value unit".
//
//   wareloft-bench-logbook [--entries 100000]

#include "bench/Figure.h"
#include "core/BrowsLog.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Installation.h"
#include "core/Logbook.h"
#include "core/Process.h"
#include "framework/browse/BrowseList.h"
#include "framework/host/ConsoleHost.h"
#include "framework/window/WindowController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString sizeLabel(qint64 n) {
    return n % 1000 == 0 ? QString::number(n / 1000) + "k" : QString::number(n);
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Sessions of several users over the years before today, written as one transaction.
bool fill(store::RecordStore& store, qint64 entries, qint32 today) {
    store::StoreFile& log = *Access::Log().File;
    if (store.begin({&log}, 5) != store::Ok) return false;
    LogRecord e;
    for (qint64 i = 0; i < entries; ++i) {
        e.clear();
        e.ID = quint16(1 + i % 7);
        e.NAME = QStringLiteral("User %1").arg(e.ID);
        e.DATUM = today - qint32((entries - i) / 30);
        e.LOGINTIME = qint32(1 + (i % 30) * 100000);
        e.LOGOUTTIME = e.LOGINTIME + 360000;
        if (log.add(e) != store::Ok) {
            store.rollback();
            return false;
        }
    }
    return store.commit() == store::Ok;
}

// Opens the logbook window, lets it show its first page and closes it; milliseconds until
// the page was there.
double openLogbook(qint64 expected) {
    QElapsedTimer timer;
    timer.start();
    QPointer<BrowsLogWindow> window = new BrowsLogWindow;
    window->Start();
    settle();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!window || window->ListControl().model().rowCount() == 0 || Logbook::count() != expected)
        std::fprintf(stderr, "the logbook window did not show its entries\n");
    if (window) window->Post(windowEvent(EventKind::CloseWindow));
    settle();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qint64 entries = 100000;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--entries" && i + 1 < args.size()) {
            entries = args[++i].toLongLong();
        } else {
            std::fprintf(stderr, "usage: wareloft-bench-logbook [--entries N]\n");
            return 2;
        }
    }
    ConsoleHost host;
    Host::install(&host);
    QTemporaryDir dir;
    bool ok = false;
    {
        Process process(dir.path());
        Installation::Options options;
        options.password = QStringLiteral("bench");
        QString report;
        if (Installation::install(options, report) != Installation::Installed) {
            std::fprintf(stderr, "%s\n", qPrintable(report));
            Host::install(nullptr);
            return 1;
        }
        WindowController::SetServices(&process.errors(), &process.settings());
        GLO.UserName = QStringLiteral("System");
        GLO.UserLevel = 3;
        FileManager& log = Access::Log();
        log.Open();
        log.UseFile();
        if (fill(process.store(), entries, host.today())) {
            const QString label = sizeLabel(entries);
            openLogbook(entries); // the program's one-time costs: fonts, styles
            std::vector<double> opens;
            for (int i = 0; i < 5; ++i)
                opens.push_back(openLogbook(entries));
            std::sort(opens.begin(), opens.end());
            printFigure("logbook_open_" + label, opens[opens.size() / 2], "ms", 2);

            QElapsedTimer timer;
            timer.start();
            QString failure;
            ok = Logbook::empty(failure);
            const double seconds = timer.nsecsElapsed() / 1e9;
            if (!ok || Logbook::count() != 0)
                std::fprintf(stderr, "emptying failed: %s\n", qPrintable(failure));
            printFigure("empty_log_" + label, seconds, "s", 2);
        } else {
            std::fprintf(stderr, "the logbook could not be filled\n");
        }
        log.Close();
        WindowController::SetServices(nullptr, nullptr);
    }
    Host::install(nullptr);
    return ok ? 0 : 1;
}
