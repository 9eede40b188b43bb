#include "framework/report/OutputSteps.h"

#include "framework/host/Host.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>

OutputProgress::OutputProgress(QWidget* parent, const QString& caption, const QString& doing)
    : doing_(doing) {
    dialog_ = new QProgressDialog(parent);
    dialog_->setObjectName(QStringLiteral("OutputProgress"));
    dialog_->setWindowTitle(caption);
    dialog_->setCancelButtonText(QStringLiteral("&Cancel"));
    dialog_->setMinimumDuration(400);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
}

OutputProgress::~OutputProgress() {
    delete dialog_;
}

PrintService::Progress OutputProgress::Callback() {
    return [this](int done, int total) {
        dialog_->setMaximum(total);
        dialog_->setLabelText(doing_.arg(done).arg(total));
        dialog_->setValue(done);
        QCoreApplication::processEvents();
        return !dialog_->wasCanceled();
    };
}

QString AskPdfPath(const QString& documentName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString name =
        (documentName.isEmpty() ? QStringLiteral("Report") : documentName) + QStringLiteral(".pdf");
    QString path = Host::instance().fileDialog(QStringLiteral("Save as PDF"),
                                               QStringLiteral("PDF files|*.pdf"),
                                               QDir(folder).filePath(name), true);
    if (!path.isEmpty() &&
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    return path;
}
