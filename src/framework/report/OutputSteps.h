#pragma once

#include "framework/report/PrintService.h"

#include <QString>

class QProgressDialog;
class QWidget;

// What the windows that print a report's pages share: the progress of a long output and
// the question for a PDF file's name.

// How far a long output has come, with a Cancel button; the windows stay painted meanwhile.
// `doing` holds %1 for the pages done and %2 for the pages chosen.
class OutputProgress {
public:
    OutputProgress(QWidget* parent, const QString& caption, const QString& doing);
    ~OutputProgress();
    OutputProgress(const OutputProgress&) = delete;
    OutputProgress& operator=(const OutputProgress&) = delete;
    PrintService::Progress Callback();

private:
    QString doing_;
    QProgressDialog* dialog_;
};

// Asks where a PDF file goes, proposing `documentName` (or "Report") in the documents
// folder; the path ends in ".pdf". Empty when the user cancelled.
QString AskPdfPath(const QString& documentName);
