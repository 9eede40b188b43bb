// Start-up benchmark: how long a person waits for the logon window and, after OK, for the
// main frame, with an archive of 1M entries. Prints one line per figure, "name value unit"
// (the median of several runs, each a fresh process).
//
//   wareloft-bench-startup CACHE_DIR [--runs N]
//
// The catalogue is built once under CACHE_DIR/1m and reused by later runs.

#include "bench/CacheDirectory.h"
#include "bench/Catalogue.h"
#include "core/DataFiles.h"
#include "core/Installation.h"
#include "core/MainFrame.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/host/ConsoleHost.h"
#include "framework/host/QtHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr qint64 Entries = 1000000;
constexpr const char* Password = "bench";

qint64 nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

double msSince(qint64 startNs) {
    return (nowNs() - startNs) / 1e6;
}

// ---- the catalogue, built once ----------------------------------------------------------

bool buildCatalogue(const QString& dir) {
    if (CacheDirectory::complete(dir)) return true;
    if (!CacheDirectory::prepare(dir)) return false;
    std::fprintf(stderr, "building a catalogue of %lld entries in %s ...\n", Entries,
                 qPrintable(dir));
    ConsoleHost host;
    Host::install(&host);
    bool ok = false;
    {
        Process process(dir);
        host.setSettings(&process.settings());
        QString report;
        ok = Installation::install({Password, QStringLiteral("Bench Office"), false}, report) ==
             Installation::Installed;
        if (!ok) std::fprintf(stderr, "%s\n", qPrintable(report.trimmed()));
        if (ok) {
            Access::Archief().Open();
            ok = Catalogue::fill(process.store(), Entries);
            Access::Archief().Close();
            process.settings().Update(Settings::DriveConfig, 1);
        }
        host.setSettings(nullptr);
    }
    Host::install(nullptr);
    if (ok) CacheDirectory::markComplete(dir);
    return ok;
}

// ---- one run, in a process of its own ---------------------------------------------------

// The frame that reports when it is ready and then closes.
class TimedFrame : public MainFrame {
public:
    qint64 okPressedNs = 0;
    int TakeWindowEvent() override {
        const bool opening = Event().Kind == EventKind::OpenWindow && !Inited;
        const int level = MainFrame::TakeWindowEvent();
        if (opening)
            // After what the opening queued (the toolbar, the first paint of the wallpaper).
            QTimer::singleShot(0, this, [this] {
                std::printf("frame %.1f\n", msSince(okPressedNs));
                std::fflush(stdout);
                Post(windowEvent(EventKind::CloseWindow));
            });
        return level;
    }
};

// Notes the first paint of the logon window, then logs on as a person would.
class LogonDriver : public QObject {
public:
    LogonDriver(qint64 startNs, TimedFrame& frame) : start_(startNs), frame_(frame) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (done_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(watched);
        if (!w->isWindow() || w->objectName() != QLatin1String("Logon")) return false;
        done_ = true;
        std::printf("logon %.1f\n", msSince(start_));
        std::fflush(stdout);
        QTimer::singleShot(0, w, [this, w] {
            auto* password = w->findChild<QLineEdit*>(QStringLiteral("control6"));
            password->selectAll();
            password->insert(QString::fromLatin1(Password));
            frame_.okPressedNs = nowNs();
            w->findChild<QPushButton*>(QStringLiteral("control7"))->click();
        });
        return false;
    }

private:
    qint64 start_;
    TimedFrame& frame_;
    bool done_ = false;
};

int child(int argc, char** argv, const QString& dir, qint64 startNs) {
    QApplication app(argc, argv);
    QtHost host;
    Host::install(&host);
    QDir::setCurrent(dir);
    {
        Process process(dir);
        host.setSettings(&process.settings());
        WindowController::SetServices(&process.errors(), &process.settings());
        {
            TimedFrame frame;
            LogonDriver driver(startNs, frame);
            app.installEventFilter(&driver);
            frame.Run();
            app.removeEventFilter(&driver);
        }
        WindowController::SetServices(nullptr, nullptr);
        host.setSettings(nullptr);
    }
    Host::install(nullptr);
    return 0;
}

// ---- the runs ---------------------------------------------------------------------------

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void figure(const char* name, double value, const char* unit) {
    std::printf("%-28s %12.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

int parent(const QString& program, const QString& dir, int runs) {
    std::vector<double> logon, frame;
    for (int run = 0; run <= runs; ++run) { // run 0 warms the file cache
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const qint64 start = nowNs();
        p.start(program, {QStringLiteral("--child"), dir, QString::number(start)});
        if (!p.waitForFinished(120000)) {
            std::fprintf(stderr, "run %d did not end\n", run);
            p.kill();
            return 1;
        }
        for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() != 2 || run == 0) continue;
            (parts[0] == "logon" ? logon : frame).push_back(parts[1].toDouble());
        }
    }
    if (int(logon.size()) != runs || int(frame.size()) != runs) {
        std::fprintf(stderr, "the logon or the frame did not show in every run\n");
        return 1;
    }
    figure("startup_to_logon_1m", median(logon), "ms");
    figure("logon_to_frame_1m", median(frame), "ms");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && QByteArray(argv[1]) == "--child")
        return child(argc, argv, QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toLongLong());
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: wareloft-bench-startup CACHE_DIR [--runs N]\n");
        return 2;
    }
    int runs = 5;
    if (argc >= 4 && QByteArray(argv[2]) == "--runs") runs = std::max(1, atoi(argv[3]));
    const QString dir =
        QDir(QString::fromLocal8Bit(argv[1])).absoluteFilePath(QStringLiteral("1m"));
    {
        QCoreApplication app(argc, argv);
        if (!buildCatalogue(dir)) {
            std::fprintf(stderr, "the catalogue could not be built\n");
            return 1;
        }
        return parent(QCoreApplication::applicationFilePath(), dir, runs);
    }
}
