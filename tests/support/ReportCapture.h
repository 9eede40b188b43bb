#pragma once

#include "framework/report/PreviewWindow.h"
#include "framework/report/ReportRunner.h"
#include "support/CatalogueTest.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

// Runs a report to its end and keeps what its preview showed: the lines of each page. The
// preview is left as soon as it shows.
struct ReportCapture {
    void run(ReportRunner* report) {
        QPointer<ReportRunner> alive(report);
        shown.clear();
        previews = 0;
        // The preview runs a loop of its own inside the report's: watched by a timer.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "_PreviewWindow_" && w->isVisible() && alive &&
                    shown.empty()) {
                    ++previews;
                    for (int n = 1; n <= alive->PreviewQueue.Count(); ++n)
                        shown.push_back(alive->PreviewQueue.Read(n).lines());
                    w->findChild<QAction*>(QStringLiteral("item%1").arg(PreviewWindow::ExitItem))
                        ->trigger();
                }
        });
        watch.start(5);
        report->Start();
        QElapsedTimer waited;
        waited.start();
        while (alive && waited.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(alive.isNull()) << "the report did not end";
        settleEvents();
    }
    // The detail lines of every page: what stands between the head lines and the page
    // number.
    QStringList details(int headLines) const {
        QStringList out;
        for (const QStringList& page : shown)
            out << page.mid(headLines, page.size() - headLines - 1);
        return out;
    }

    std::vector<QStringList> shown;
    int previews = 0;
};
