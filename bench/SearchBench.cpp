#include "bench/SearchBench.h"

#include "bench/Figure.h"

#include "core/DataFiles.h"
#include "search/Folding.h"
#include "search/SearchIndex.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <sqlcipher/sqlite3.h>

namespace {

using search::Subject;

// The median of a few runs, in milliseconds.
double millis(const std::function<void()>& work, int runs = 5) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A search as the results window makes it: the hits, numbered and collected in a list.
size_t searchOnce(const search::SearchIndex& index, Subject subject, const char* phrase) {
    std::vector<quint32> hits;
    index.find(subject, search::phraseOf(QString::fromUtf8(phrase)), hits);
    return index.results(hits).records();
}

// The same search as the engine's own scan of the column.
double sqlScan(const QString& dir, const char* column, const char* phrase, size_t& hits,
               int runs = 3) {
    sqlite3* db = nullptr;
    const QByteArray path = (dir + "/Archief.tps").toUtf8();
    sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    const QByteArray sql = QByteArray("SELECT store_rec FROM Archief WHERE instr(upper(") + column +
                           "), upper(?1)) > 0 ORDER BY store_rec";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
    const double ms = millis(
        [&] {
            std::vector<qint64> rows;
            sqlite3_bind_text(stmt, 1, phrase, -1, SQLITE_STATIC);
            while (sqlite3_step(stmt) == SQLITE_ROW)
                rows.push_back(sqlite3_column_int64(stmt, 0));
            sqlite3_reset(stmt);
            hits = rows.size();
        },
        runs);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return ms;
}

} // namespace

void SearchBench::run(const QString& dir, qint64 entries, const QString& label) {
    FileManager& arc = Access::Archief();
    search::ArchiveScan scan(*arc.File);
    search::SearchIndex index;
    QElapsedTimer timer;
    timer.start();
    scan.read(0, entries, true, [](const search::ScanRow&) {});
    printFigure("search_archive_read_" + label, timer.nsecsElapsed() / 1e6, "ms");
    timer.start();
    if (!index.refresh(scan)) std::fprintf(stderr, "%s\n", qPrintable(scan.error()));
    printFigure("search_index_build_" + label, timer.nsecsElapsed() / 1e6, "ms");
    printFigure("search_index_bytes_per_entry_" + label, double(index.bytes()) / entries, "B");
    {
        size_t text = 0;
        scan.read(0, entries, true, [&](const search::ScanRow& r) {
            text += r.name.size() + r.file.size() + r.producer.size() + r.remarks.size() +
                    r.description.size();
        });
        printFigure("search_text_bytes_per_entry_" + label, double(text) / entries, "B");
    }

    size_t hits = 0;
    printFigure("search_name_rare_" + label,
                millis([&] { hits = searchOnce(index, Subject::FileName, "123456"); }), "ms");
    printFigure("search_name_rare_hits_" + label, double(hits), "hits");
    printFigure("search_name_common_" + label,
                millis([&] { hits = searchOnce(index, Subject::FileName, "S\\PROG"); }), "ms");
    printFigure("search_name_common_hits_" + label, double(hits), "hits");
    double shortest = 0;
    for (const char* phrase : {"7", "XT"})
        shortest = std::max(shortest,
                            millis([&] { hits = searchOnce(index, Subject::FileName, phrase); }));
    printFigure("search_name_short_" + label, shortest, "ms");
    printFigure("search_name_sql_" + label, sqlScan(dir, "Naam", "123456", hits), "ms");
    printFigure("search_name_sql_hits_" + label, double(hits), "hits");
    printFigure(
        "search_desc_" + label,
        millis([&] { hits = searchOnce(index, Subject::Description, "program 123450 as"); }), "ms");
    printFigure("search_desc_hits_" + label, double(hits), "hits");
    printFigure("search_desc_sql_" + label, sqlScan(dir, "Omschrijving", "program 123450 as", hits),
                "ms");

    // Half the archive by date, put in the list's starting order, then header clicks.
    std::vector<quint32> dated;
    index.findDates(73000, 73000 + 4499, dated);
    search::ResultList list;
    const double order = millis(
        [&] {
            list = index.results(dated);
            list.sort(search::startingOrder());
        },
        3);
    const QString half = entries >= 1000000 ? QString("500k") : sizeLabel(entries / 2);
    printFigure("results_order_" + half, order, "ms");
    printFigure("results_rows_" + half, double(list.records()), "rows");
    double slowest = 0;
    for (int c = 0; c < search::ResultColumns; ++c)
        slowest = std::max(
            slowest,
            millis([&] { list.sort(search::headerOrder(search::ResultColumn(c), false)); }, 3));
    printFigure("results_header_sort_" + half, slowest, "ms");

    const QString program = QCoreApplication::applicationDirPath() + "/wareloft";
    printFigure("cli_search_" + label,
                millis(
                    [&] {
                        QProcess p;
                        p.setStandardOutputFile(QProcess::nullDevice());
                        p.start(program, {"--search", "123456", "--data", dir});
                        p.waitForFinished(60000);
                    },
                    3),
                "ms");
}
