#include "scan/ViewReport.h"

#include "framework/host/Host.h"
#include "framework/host/Images.h"
#include "framework/report/PreviewPages.h"
#include "framework/report/PrintService.h"
#include "framework/window/BusyCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace {
const QString Caption = QStringLiteral("Wareloft");
} // namespace

ViewReport::ViewReport(PageStore& pages, const QString& title, const QString& documentName)
    : WindowController(QStringLiteral("ViewReport")), pages_(pages), title_(title),
      documentName_(documentName) {}

ViewReport::~ViewReport() = default;

int ViewReport::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(title_);
    Window().setWindowIcon(Images::icon(QStringLiteral("Printer.ico")));
    view_ = new PreviewPages;
    view_->SetPages(&pages_);
    view_->OnPageStep = [this](int screens) { screens > 0 ? NextPage() : PreviousPage(); };
    // The page fills the window's height; a screen's worth of it without scrolling.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        view_->setMinimumSize(screen->availableSize().height() * 2 / 5,
                              screen->availableSize().height() * 3 / 5);
    C().custom(Pages, view_).at(0, 0, 1, 6);
    C().prompt(PageText, QString()).at(1, 0);
    C().button(PreviousButton, QStringLiteral("Previous page")).at(1, 1);
    C().button(NextButton, QStringLiteral("Next Page")).at(1, 2).defaultButton();
    C().button(PrintButton, QStringLiteral("Print Report")).at(1, 3);
    C().button(SavePdfButton, QStringLiteral("Save as PDF...")).at(1, 4);
    C().button(CancelButton, QStringLiteral("Cancel")).at(1, 5);
    AddButton(CancelButton, RequestCancelled);
    if (const int level = Open()) return level;
    show();
    return LevelBenign;
}

void ViewReport::show() {
    page_ = std::clamp(page_, 1, std::max(1, pages_.Count()));
    view_->Show(page_, 1, 1, PreviewPages::TilePages);
    C().SetText(PageText, QStringLiteral("Page %1 of %2").arg(page_).arg(pages_.Count()));
    C().Enable(PreviousButton, page_ > 1);
    C().Enable(NextButton, page_ < pages_.Count());
}

void ViewReport::NextPage() {
    if (page_ >= pages_.Count()) return;
    ++page_;
    show();
}

void ViewReport::PreviousPage() {
    if (page_ <= 1) return;
    --page_;
    show();
}

void ViewReport::message(const QString& text) {
    Host::instance().message(text, Caption, Icon::Exclamation, ButtonOk, ButtonOk);
}

bool ViewReport::PrintReport() {
    QString error;
    bool printed;
    {
        const BusyCursor busy;
        printed = PrintService::Print(pages_, PageSelection::All(pages_.Count()),
                                      PrintService::Printer(), error);
    }
    if (!printed) {
        if (!error.isEmpty()) message(error);
        return false;
    }
    printed_ = true;
    SetResponse(RequestCompleted);
    return true;
}

bool ViewReport::SavePdf() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    QString path = Host::instance().fileDialog(
        QStringLiteral("Save as PDF"), QStringLiteral("PDF files|*.pdf"),
        QDir(folder).filePath(documentName_ + QStringLiteral(".pdf")), true);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    QString error;
    bool saved;
    {
        const BusyCursor busy;
        saved = PrintService::SavePdf(pages_, PageSelection::All(pages_.Count()), path, error);
    }
    if (!saved) {
        if (!error.isEmpty()) message(error);
        return false;
    }
    C().SetText(PageText, QStringLiteral("Saved as %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

int ViewReport::TakeAccepted() {
    switch (Field()) {
    case NextButton:
        NextPage();
        break;
    case PreviousButton:
        PreviousPage();
        break;
    case PrintButton:
        PrintReport();
        break;
    case SavePdfButton:
        SavePdf();
        break;
    }
    return WindowController::TakeAccepted();
}
