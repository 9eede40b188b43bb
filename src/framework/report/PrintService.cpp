#include "framework/report/PrintService.h"

#include "framework/report/PageRenderer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

QPageLayout layoutFor(const PaperSize& paper) {
    const double w = paper.width / double(Units::PerMillimetre);
    const double h = paper.height / double(Units::PerMillimetre);
    const QPageSize size(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter);
    return QPageLayout(size, w > h ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

enum class Drawn { All, Failed, Stopped };

// Draws the pages; the device is already set to the report's paper without margins.
Drawn drawPages(const PageStore& pages, const PageSelection& selection, QPagedPaintDevice& device,
                QPainter& painter, QString& error, const PrintService::Progress& progress) {
    const double scale = device.logicalDpiX() / 2540.0; // pixels per page unit
    const std::vector<int> chosen = selection.Pages();
    const int total = int(chosen.size());
    for (int done = 0; done < total; ++done) {
        if (done > 0 && !device.newPage()) {
            error = QStringLiteral("Page %1 could not be started.").arg(chosen[size_t(done)]);
            return Drawn::Failed;
        }
        PageRenderer::Draw(painter, pages.Read(chosen[size_t(done)]), pages.Fonts, QPointF(0, 0),
                           scale);
        if (progress && !progress(done + 1, total)) return Drawn::Stopped;
    }
    return Drawn::All;
}

} // namespace

QPrinter& PrintService::Printer() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool PrintService::Print(const PageStore& pages, const PageSelection& selection, QPrinter& printer,
                         QString& error, const Progress& progress) {
    printer.setFullPage(true);
    printer.setPageLayout(layoutFor(pages.Paper));
    const QString where = printer.outputFileName().isEmpty()
                              ? QStringLiteral("The printer \"%1\"").arg(printer.printerName())
                              : QStringLiteral("The file \"%1\"")
                                    .arg(QDir::toNativeSeparators(printer.outputFileName()));
    if (!printer.outputFileName().isEmpty()) {
        QFile probe(printer.outputFileName());
        if (!probe.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("%1 cannot be written: %2.").arg(where, probe.errorString());
            return false;
        }
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("%1 could not be started. Nothing was printed.").arg(where);
        return false;
    }
    const Drawn drawn = drawPages(pages, selection, printer, painter, error, progress);
    if (drawn == Drawn::Stopped) {
        printer.abort();
        painter.end();
        if (!printer.outputFileName().isEmpty()) QFile::remove(printer.outputFileName());
        error.clear();
        return false;
    }
    painter.end();
    if (drawn == Drawn::Failed) {
        error = QStringLiteral("%1 stopped: %2").arg(where, error);
        return false;
    }
    if (printer.printerState() == QPrinter::Error) {
        error = QStringLiteral("%1 reported an error while printing.").arg(where);
        return false;
    }
    return true;
}

bool PrintService::SavePdf(const PageStore& pages, const PageSelection& selection,
                           const QString& path, QString& error, const Progress& progress) {
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("The PDF file \"%1\" cannot be written: %2.")
                        .arg(shown, probe.errorString());
            return false;
        }
    }
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Wareloft"));
    writer.setPageLayout(layoutFor(pages.Paper));
    QPainter painter;
    if (!painter.begin(&writer)) {
        error = QStringLiteral("The PDF file \"%1\" cannot be written.").arg(shown);
        return false;
    }
    const Drawn drawn = drawPages(pages, selection, writer, painter, error, progress);
    const bool ended = painter.end();
    if (drawn == Drawn::Stopped) {
        QFile::remove(path);
        error.clear();
        return false;
    }
    if (!ended || drawn == Drawn::Failed) {
        error = QStringLiteral("The PDF file \"%1\" was not completed: %2").arg(shown, error);
        return false;
    }
    return true;
}
