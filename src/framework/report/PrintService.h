#pragma once

#include "framework/report/PageSelection.h"
#include "framework/report/PageStore.h"

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;

// Pages of a report to a printer or a PDF file.
namespace PrintService {

// Told after each page of an output with the pages done and the pages chosen; false stops
// the output (the user cancelled it).
using Progress = std::function<bool(int done, int total)>;

// The program's printer: the one chosen in the frame's printer set-up, and the one the
// print dialog of a preview starts from.
QPrinter& Printer();

// Prints the chosen pages on `printer`, on paper of the report's size. False, with a
// message for the user in `error`, when the printer cannot be started or fails; false with
// no message when `progress` stopped it (the job is then discarded).
bool Print(const PageStore& pages, const PageSelection& selection, QPrinter& printer,
           QString& error, const Progress& progress = {});
// Writes the chosen pages as a PDF file, replacing one of that name. False, with a
// message for the user in `error`, when the file cannot be written; false with no message
// when `progress` stopped it (no file is left).
bool SavePdf(const PageStore& pages, const PageSelection& selection, const QString& path,
             QString& error, const Progress& progress = {});

} // namespace PrintService
