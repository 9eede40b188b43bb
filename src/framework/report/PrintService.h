#pragma once

#include "framework/report/PageSelection.h"
#include "framework/report/PageStore.h"

#include <QString>

class QPagedPaintDevice;
class QPrinter;

// Pages of a report to a printer or a PDF file.
namespace PrintService {

// The program's printer: the one chosen in the frame's printer set-up, and the one the
// print dialog of a preview starts from.
QPrinter& Printer();

// Prints the chosen pages on `printer`, on paper of the report's size. False, with a
// message for the user in `error`, when the printer cannot be started or fails.
bool Print(const PageStore& pages, const PageSelection& selection, QPrinter& printer,
           QString& error);
// Writes the chosen pages as a PDF file, replacing one of that name. False, with a
// message for the user in `error`, when the file cannot be written.
bool SavePdf(const PageStore& pages, const PageSelection& selection, const QString& path,
             QString& error);

} // namespace PrintService
