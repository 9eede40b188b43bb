// Report benchmark. Prints one line per figure, "name value unit".
//
//   wareloft-bench-report CACHE_DIR      the archive's full list (PrintDatabase) over a
//                                        catalogue of 1M entries, built once under
//                                        CACHE_DIR/1m: entries a second of the pass with its
//                                        progress window, the memory the pass added for each
//                                        line it holds, the preview's first page after the
//                                        pass, PDF pages a second
//   wareloft-bench-report --lines N      the same list from made-up entries, without the
//                                        store: what the pages alone cost
//   wareloft-bench-report --show N       opens the preview of an N-line report to look at

#include "archive/ArchiveReportWindows.h"
#include "bench/Catalogue.h"
#include "core/DataFiles.h"
#include "core/Process.h"
#include "framework/host/QtHost.h"
#include "framework/report/PageRenderer.h"
#include "framework/report/PreviewPages.h"
#include "framework/report/PreviewWindow.h"
#include "framework/report/PrintService.h"
#include "framework/report/ReportWriter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

void figure(const char* name, double value, const char* unit) {
    std::printf("%-28s %12.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

// Private memory of the process, in KiB.
qint64 privateKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').first().toLongLong();
    return 0;
}

const char* const Classes[] = {"Games",    "Utilities", "Graphics", "Office",
                               "Internet", "Education", "Music",    "Drivers"};
const char* const Names[] = {"SETUP\\INSTALL.EXE", "Café Crème Ærø.exe", "软件目录\\安装.EXE",
                             "שלום\\התקנה.EXE", "TOOLS\\PKUNZIP.EXE"};

// One entry of a synthetic catalogue, as the archive's full list prints it.
struct Entry {
    qint64 n = 0;
    FieldValue cd() const { return qint64(1 + n / 2000); }
    FieldValue disk() const { return qint64(n % 3 == 0 ? 1 + n / 3000 : 0); }
    FieldValue label() const { return QStringLiteral("Medium %1").arg(1 + n / 2000); }
    FieldValue kind() const { return QString::fromLatin1(Classes[n % 8]); }
    FieldValue name() const {
        return QStringLiteral("%1 %2").arg(QString::fromUtf8(Names[n % 5])).arg(n);
    }
    FieldValue size() const { return qint64((n * 7919) % 5000000); }
    FieldValue time() const { return qint64(1 + (n * 4513) % 8640000); }
    FieldValue date() const { return qint64(73000 + n % 9000); }
    FieldValue registration() const { return QStringLiteral("REG-%1").arg(n * 31 % 99991); }
    FieldValue remarks() const { return n % 4 ? QString() : QStringLiteral("Needs a restart"); }
};

// Two lines a record with ten fields, a boxed two-line heading, the page number below.
ReportLayout databaseLayout(Entry& e) {
    using Units::mm;
    ReportLayout layout;
    const int title = layout.AddFont({"Arial", 14, true});
    const int body = layout.AddFont({"MS Sans Serif", 8});
    const PageUnits line = layout.LineHeight(body);
    const PageUnits width = layout.BodyWidth();
    layout.PageHeader = Band(mm(8) + 2 * line + mm(3));
    layout.PageHeader.Text(0, 0, mm(100), "Software Database", title)
        .Box(0, mm(8), width, 2 * line + mm(1), 20)
        .Text(mm(1), mm(8.5), mm(14), "Cd Nr", body)
        .Text(mm(16), mm(8.5), mm(14), "Disk Nr", body)
        .Text(mm(31), mm(8.5), mm(40), "Drive / Label", body)
        .Text(mm(72), mm(8.5), mm(30), "Software Class", body)
        .Text(mm(103), mm(8.5), mm(77), "Naam", body)
        .Text(mm(16), mm(8.5) + line, mm(14), "Size", body)
        .Text(mm(31), mm(8.5) + line, mm(20), "Date", body)
        .Text(mm(52), mm(8.5) + line, mm(19), "Time", body)
        .Text(mm(72), mm(8.5) + line, mm(30), "Registration", body)
        .Text(mm(103), mm(8.5) + line, mm(77), "Opmerkingen", body);
    layout.PageFooter = Band(line);
    layout.PageFooter.PageNumber(0, 0, mm(40), "Page ", body);
    layout.Detail = Band(2 * line + mm(0.5));
    layout.Detail
        .Value(
            0, 0, mm(14), [&e] { return e.cd(); }, "@N_6", body, Align::Right)
        .Value(
            mm(15), 0, mm(14), [&e] { return e.disk(); }, "@N_6", body, Align::Right)
        .Value(
            mm(31), 0, mm(40), [&e] { return e.label(); }, "@s35", body)
        .Value(
            mm(72), 0, mm(30), [&e] { return e.kind(); }, "@s20", body)
        .Value(
            mm(103), 0, mm(77), [&e] { return e.name(); }, "@s100", body)
        .Value(
            0, line, mm(29), [&e] { return e.size(); }, "@N6_.2B", body, Align::Right, 2)
        .Value(
            mm(31), line, mm(20), [&e] { return e.date(); }, "@D5", body)
        .Value(
            mm(52), line, mm(19), [&e] { return e.time(); }, "@T4", body)
        .Value(
            mm(72), line, mm(30), [&e] { return e.registration(); }, "@s35", body)
        .Value(
            mm(103), line, mm(77), [&e] { return e.remarks(); }, "@s40", body);
    return layout;
}

void buildReport(PageStore& pages, qint64 lines) {
    Entry entry;
    const ReportLayout layout = databaseLayout(entry);
    ReportWriter writer(layout, pages);
    for (entry.n = 1; entry.n <= lines; ++entry.n)
        writer.PrintDetail();
    writer.Close();
}

// Milliseconds from Display until the first page has been painted.
double firstPageMs(PageStore& pages) {
    PrintPreview preview;
    double ms = -1;
    QElapsedTimer timer;
    std::function<void()> look;
    look = [&] {
        PreviewWindow* w = preview.Showing;
        if (!w || !w->TopLevel().isVisible()) {
            QTimer::singleShot(0, look);
            return;
        }
        w->View().viewport()->repaint();
        ms = timer.nsecsElapsed() / 1e6;
        w->MenuItem(PreviewWindow::ExitItem)->trigger();
    };
    QTimer::singleShot(0, look);
    timer.start();
    preview.Display(pages);
    return ms;
}

double pdfPagesPerSecond(PageStore& pages) {
    QTemporaryDir dir;
    const int count = std::min(pages.Count(), 500);
    PageSelection some;
    QString error;
    PageSelection::Parse(QStringLiteral("1-%1").arg(count), pages.Count(), some, error);
    QElapsedTimer timer;
    timer.start();
    if (!PrintService::SavePdf(pages, some, dir.filePath("bench.pdf"), error))
        std::fprintf(stderr, "%s\n", qPrintable(error));
    return count / (timer.nsecsElapsed() / 1e9);
}

// ---- the pass over a catalogue -----------------------------------------------------------

constexpr qint64 Entries = 1000000;

bool buildCatalogue(const QString& dir) {
    const QString done = dir + "/complete";
    if (QFile::exists(done)) return true;
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    std::fprintf(stderr, "building a catalogue of %lld entries in %s ...\n", Entries,
                 qPrintable(dir));
    {
        Process process(dir);
        Access::Archief().Open();
        Catalogue::fill(process.store(), Entries);
        Access::Archief().Close();
    }
    return QFile(done).open(QIODevice::WriteOnly);
}

// The full list, noting when the pass ends and what it holds then.
class TimedDatabase : public PrintDatabaseWindow {
public:
    std::function<void()> AtEnd;
    void EndReport() override {
        if (AtEnd) AtEnd();
        PrintDatabaseWindow::EndReport();
    }
};

int pass(const QString& cache) {
    const QString dir = QDir(cache).filePath("1m");
    if (!buildCatalogue(dir)) return 1;
    QDir::setCurrent(dir);
    Process process(dir);
    WindowController::SetServices(&process.errors(), &process.settings());
    auto* report = new TimedDatabase;
    QPointer<TimedDatabase> alive(report);
    QElapsedTimer timer;
    qint64 before = 0;
    report->AtEnd = [&] {
        const double seconds = timer.nsecsElapsed() / 1e9;
        const qint64 lines = report->Process->RecordsProcessed;
        const qint64 held = privateKiB() - before;
        figure("report_pass_1m", lines / seconds, "entries/s");
        figure("report_pages_1m", report->PreviewQueue.Count() + 1, "pages");
        figure("report_memory_per_line_1m", held * 1024.0 / lines, "B");
        figure("report_spool_per_line_1m", double(report->PreviewQueue.SpoolBytes()) / lines, "B");
        timer.restart();
    };
    // The preview's first page, then a PDF file of its first pages, then leave.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        PreviewWindow* w = alive ? alive->Pages.Showing : nullptr;
        if (!w || !w->TopLevel().isVisible()) return;
        watch.stop();
        w->View().viewport()->repaint();
        figure("preview_first_page_1m", timer.nsecsElapsed() / 1e6, "ms");
        figure("pdf_output", pdfPagesPerSecond(alive->PreviewQueue), "pages/s");
        w->MenuItem(PreviewWindow::ExitItem)->trigger();
    });
    watch.start(0);
    before = privateKiB();
    timer.start();
    report->Start();
    while (alive)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    WindowController::SetServices(nullptr, nullptr);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QtHost host;
    Host::install(&host);
    FontMeasure measure;
    TextMeasure::Install(&measure);
    qint64 lines = 0;
    bool show = false;
    QString cache;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if ((args[i] == "--lines" || args[i] == "--show") && i + 1 < args.size()) {
            show = args[i] == "--show";
            lines = args[++i].toLongLong();
        } else if (!args[i].startsWith("--") && cache.isEmpty()) {
            cache = args[i];
        } else {
            std::fprintf(stderr, "usage: wareloft-bench-report CACHE_DIR | --lines N | --show N\n");
            return 2;
        }
    }
    int result = 0;
    if (!cache.isEmpty()) {
        result = pass(cache);
    } else if (show) {
        PageStore pages;
        buildReport(pages, lines);
        PrintPreview preview;
        preview.AllowUserZoom = true;
        preview.Display(pages);
    } else if (lines > 0) {
        PageStore pages;
        const qint64 before = privateKiB();
        QElapsedTimer timer;
        timer.start();
        buildReport(pages, lines);
        const double seconds = timer.nsecsElapsed() / 1e9;
        const qint64 held = privateKiB() - before;
        figure("pages_lines_per_s", lines / seconds, "lines/s");
        figure("pages_memory_per_line", held * 1024.0 / lines, "B");
        figure("pages_spool_per_line", double(pages.SpoolBytes()) / lines, "B");
        figure("pages_preview_first_page", firstPageMs(pages), "ms");
        figure("pages_pdf_output", pdfPagesPerSecond(pages), "pages/s");
    } else {
        std::fprintf(stderr, "usage: wareloft-bench-report CACHE_DIR | --lines N | --show N\n");
        result = 2;
    }
    TextMeasure::Install(nullptr);
    Host::install(nullptr);
    return result;
}
