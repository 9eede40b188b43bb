// Browse benchmark: the archive list as the program opens it (its seven tabs, the class
// filter, the count), with pages of 20 rows, on catalogues of entries in 100 classes. Prints
// one line per figure, "name value unit".
//
//   wareloft-bench-browse CACHE_DIR [--sizes 100000,1000000]
//
// Each catalogue is built once under CACHE_DIR and reused by later runs.

#include "archive/BrowsArchiefWindow.h"
#include "bench/CacheDirectory.h"
#include "bench/Catalogue.h"
#include "bench/Figure.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "framework/browse/BrowseList.h"
#include "framework/browse/BrowseManager.h"
#include "framework/browse/ListExport.h"
#include "framework/host/ConsoleHost.h"
#include "framework/window/WindowController.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Classes = 100;
constexpr int Rows = 20;

QString sizeLabel(qint64 n) {
    if (n >= 1000000 && n % 1000000 == 0) return QString::number(n / 1000000) + "m";
    return QString::number(n / 1000) + "k";
}

bool quiet = false; // a warming run: the program's one-time costs, not reported

void figure(const QString& name, double value, const char* unit) {
    if (!quiet) printFigure(name, value, unit, 2);
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The archive list as the program opens it, with a list of 20 rows.
class BenchBrowse : public BrowsArchiefWindow {
public:
    int Init() override {
        const int level = BrowsArchiefWindow::Init();
        if (level != LevelBenign) return level;
        QTableView& t = ListControl().table();
        t.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t.setFixedHeight(t.verticalHeader()->defaultSectionSize() * Rows +
                         t.horizontalHeader()->sizeHint().height() + 2 * t.frameWidth());
        return level;
    }
    // The class chosen in the drop list: the list reloaded and counted.
    qint64 chooseClass(const QString& cls) {
        ChooseClass(cls);
        settle();
        return Count();
    }
};

bool build(const QString& dir, qint64 entries) {
    if (CacheDirectory::complete(dir)) return true;
    if (!CacheDirectory::prepare(dir)) return false;
    std::fprintf(stderr, "building %lld entries in %s ...\n", entries, qPrintable(dir));
    bool ok = false;
    {
        Process process(dir);
        Access::Archief().Open();
        ok = Catalogue::fill(process.store(), entries, Classes);
        Access::Archief().Close();
    }
    if (ok) CacheDirectory::markComplete(dir);
    return ok;
}

void post(BenchBrowse& w, EventKind kind, int key = 0) {
    w.Post(controlEvent(kind, 1, key));
    settle();
}

template <class Step> double timed(Step step, int times = 15) {
    std::vector<double> ms;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer t;
        t.start();
        step(i);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(ms);
}

void run(const QString& dir, qint64 entries) {
    const QString label = sizeLabel(entries);
    Process process(dir);
    WindowController::SetServices(&process.errors(), &process.settings());
    GLO.UserName = "Bench";
    GLO.UserLevel = 3;
    // The file name tab, every class, the columns as built.
    process.settings().Update(QStringLiteral("Bench"), QStringLiteral("WhichTab"), qint64(5));
    process.settings().Update(QStringLiteral("Bench"), QStringLiteral("ClassSel"),
                              QStringLiteral("Everything"));
    process.settings().Update(QStringLiteral("BrowsArchief"), QStringLiteral("SortColumn"),
                              qint64(0));
    Access::Archief().Open();
    Access::Archief().UseFile();
    // The program's frame is up before any list opens: so is the window system here.
    {
        QWidget frame;
        frame.show();
        settle();
    }
    const qint64 before = privateKiB();

    QElapsedTimer t;
    t.start();
    auto* w = new BenchBrowse;
    w->Start();
    settle();
    const qint64 count = w->Count();
    figure("browse_open_" + label, t.nsecsElapsed() / 1e6, "ms");
    if (int(w->Browse().ListQueue.size()) != Rows || count <= 0)
        std::fprintf(stderr, "rows %d, count %lld\n", int(w->Browse().ListQueue.size()), count);

    figure("browse_page_down_" + label, timed([&](int) { post(*w, EventKind::PageDown); }, 50),
           "ms");
    figure("browse_page_up_" + label, timed([&](int) { post(*w, EventKind::PageUp); }, 50), "ms");

    std::vector<double> tabs;
    for (int tab : {1, 2, 3, 4, 6, 7, 5}) {
        QElapsedTimer tt;
        tt.start();
        w->ChooseTab(tab);
        settle();
        tabs.push_back(tt.nsecsElapsed() / 1e6);
        if (qEnvironmentVariableIsSet("BENCH_TABS"))
            std::fprintf(stderr, "tab %d %.2f\n", tab, tabs.back());
    }
    figure("browse_tab_change_" + label, median(tabs), "ms");
    figure("browse_tab_change_max_" + label, *std::max_element(tabs.begin(), tabs.end()), "ms");

    const QString classes[] = {"Class 042", "Class 017", "Class 093"};
    figure("browse_class_" + label,
           timed(
               [&](int i) {
                   const qint64 n = w->chooseClass(classes[i % 3]);
                   if (n < entries / Classes - 1) std::fprintf(stderr, "class count %lld\n", n);
               },
               9),
           "ms");
    w->chooseClass(QStringLiteral("Everything"));
    const int positions[] = {50, 30, 70};
    figure("browse_thumb_" + label,
           timed([&](int i) { post(*w, EventKind::ScrollDrag, positions[i % 3]); }), "ms");
    const char letters[] = {'T', 'D', 'S', 'B', 'E'};
    figure("browse_locator_" + label, timed([&](int i) {
               post(*w, EventKind::AlertKey, BrowseKeys::character(char32_t(letters[i % 5])));
           }),
           "ms");

    // Wandering about a while longer must not make the list hold more.
    for (int i = 0; i < 200; ++i)
        post(*w, i % 2 ? EventKind::PageDown : EventKind::ScrollDown);
    figure("browse_memory_growth_" + label, double(privateKiB() - before), "KiB");

    if (qEnvironmentVariableIsSet("BENCH_NOFILTER")) {
        w->Browse().SetFilter({});
        w->Browse().ApplyFilter();
    }
    // Sorted by a column: one without a key (each page one pass over the file) and one
    // whose key's index sorts alike.
    const FileDef& def = Dictionary::Archief();
    for (const auto& [name, field] :
         {std::pair{"size", "ARC:Size"}, std::pair{"name", "ARC:Naam"}}) {
        const int f = def.fieldIndex(QString::fromLatin1(field));
        QElapsedTimer ts;
        ts.start();
        w->Browse().SetColumnOrder(w->Browse().ColumnOrderText(f, true));
        w->Browse().UpdateWindow();
        settle();
        figure(QStringLiteral("browse_column_sort_%1_").arg(name) + label, ts.nsecsElapsed() / 1e6,
               "ms");
        figure(QStringLiteral("browse_column_page_%1_").arg(name) + label,
               timed([&](int) { post(*w, EventKind::PageDown); }, 9), "ms");
    }
    w->Browse().SetColumnOrder({});

    // The whole view written as CSV, as "Export list..." does.
    {
        std::vector<BrowseColumn> columns = w->ListControl().model().columns();
        const QString out = dir + "/export.csv";
        QElapsedTimer te;
        te.start();
        ListExport csv(w->Browse().CopyOfView(), def, columns, ListExport::Format::Csv);
        const bool written = csv.WriteAll(out, w->Browse().Count());
        const double seconds = te.nsecsElapsed() / 1e9;
        if (!written || csv.Done() != entries)
            std::fprintf(stderr, "export: %lld rows, %s\n", csv.Done(), qPrintable(csv.Error()));
        figure("csv_export_" + label, csv.Done() / seconds, "entries/s");
        QFile::remove(out);
    }

    w->Post(windowEvent(EventKind::CloseWindow));
    settle();
    Access::Archief().Close();
    GLO.Threads.clear();
    WindowController::SetServices(nullptr, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: wareloft-bench-browse CACHE_DIR [--sizes N,N,...]\n");
        return 2;
    }
    QList<qint64> sizes = {1000000};
    for (int i = 2; i + 1 < args.size(); ++i)
        if (args[i] == "--sizes") {
            sizes.clear();
            for (const QString& s : args[i + 1].split(','))
                sizes << s.toLongLong();
        }
    ConsoleHost host;
    Host::install(&host);
    for (qint64 n : sizes)
        if (!build(args[1] + "/" + sizeLabel(n) + "-classes", n)) return 2;
    // Qt's and the engine's first-use allocations fall in a first run that is not reported,
    // so that the memory figures show what a list holds.
    quiet = true;
    run(args[1] + "/" + sizeLabel(sizes.front()) + "-classes", sizes.front());
    quiet = false;
    for (qint64 n : sizes)
        run(args[1] + "/" + sizeLabel(n) + "-classes", n);
    Host::install(nullptr);
    return 0;
}
