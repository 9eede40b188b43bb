#include "search/SearchReportWindow.h"

#include "framework/host/Host.h"
#include "framework/host/Images.h"
#include "framework/report/OutputSteps.h"
#include "framework/report/PreviewPages.h"
#include "framework/report/PrintService.h"
#include "framework/window/BusyCursor.h"
#include "search/ResultReport.h"
#include "search/ResultTitles.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

const QString Caption = QStringLiteral("Search Results");

QString pageText(int page, int count) {
    return QStringLiteral("Page %1 of %2").arg(page).arg(count);
}

} // namespace

SearchReportWindow::SearchReportWindow(PageStore& pages, const QString& title)
    : WindowController(QStringLiteral("SearchReport")), pages_(pages), title_(title) {}

int SearchReportWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Window().setWindowIcon(Images::icon(QStringLiteral("Printer.ico")));
    view_ = new PreviewPages;
    view_->SetPages(&pages_);
    view_->OnPageStep = [this](int screens) { GoToPage(page_ + (screens > 0 ? 1 : -1)); };
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        view_->setMinimumSize(room.width() * 3 / 5, room.height() * 3 / 5);
    }
    C().custom(Pages, view_).at(0, 0, 1, 6);
    C().prompt(PageText, QString()).at(1, 0);
    C().button(PreviousButton, QStringLiteral("Previous page")).at(1, 1);
    C().button(NextButton, QStringLiteral("Next Page")).at(1, 2);
    C().button(PrintButton, QStringLiteral("Print Report")).at(1, 3);
    C().button(SavePdfButton, QStringLiteral("Save as PDF...")).at(1, 4);
    C().button(CancelButton, QStringLiteral("Cancel")).at(1, 5);
    AddButton(CancelButton, RequestCancelled);
    FirstField = NextButton;
    if (const int level = Open()) return level;
    SetTitle(title_);
    GoToPage(1);
    return LevelBenign;
}

void SearchReportWindow::GoToPage(int page) {
    page_ = std::clamp(page, 1, std::max(1, pages_.Count()));
    view_->Show(page_, 1, 1, PreviewPages::TilePages);
    C().SetText(PageText, pageText(page_, pages_.Count()));
    C().Enable(PreviousButton, page_ > 1);
    C().Enable(NextButton, page_ < pages_.Count());
}

void SearchReportWindow::message(const QString& text) {
    Host::instance().message(text, Caption, Icon::Exclamation, ButtonOk, ButtonOk);
}

void SearchReportWindow::Print() {
    QString error;
    bool printed;
    {
        const BusyCursor busy;
        OutputProgress progress(&TopLevel(), Caption, QStringLiteral("Printing page %1 of %2"));
        printed = PrintService::Print(pages_, PageSelection::All(pages_.Count()),
                                      PrintService::Printer(), error, progress.Callback());
    }
    if (!printed) {
        if (!error.isEmpty()) message(error); // none when the user stopped it
        return;
    }
    Printed = true;
    SetResponse(RequestCompleted);
}

void SearchReportWindow::SavePdf() {
    const QString path = AskPdfPath(QStringLiteral("SearchReport"));
    if (path.isEmpty()) return;
    QString error;
    bool saved;
    {
        const BusyCursor busy;
        OutputProgress progress(&TopLevel(), Caption, QStringLiteral("Saving page %1 of %2"));
        saved = PrintService::SavePdf(pages_, PageSelection::All(pages_.Count()), path, error,
                                      progress.Callback());
    }
    if (!saved) {
        if (!error.isEmpty()) message(error);
        return;
    }
    C().SetText(PageText, pageText(page_, pages_.Count()) + QStringLiteral(" - saved as ") +
                              QDir::toNativeSeparators(path));
}

int SearchReportWindow::TakeAccepted() {
    switch (Field()) {
    case NextButton:
        GoToPage(page_ + 1);
        return LevelNotify;
    case PreviousButton:
        GoToPage(page_ - 1);
        return LevelNotify;
    case PrintButton:
        Print();
        return LevelNotify;
    case SavePdfButton:
        SavePdf();
        return LevelNotify;
    default:
        break;
    }
    return WindowController::TakeAccepted();
}

bool search::SearchReport(const ResultList& list, qint32 from, qint32 till, const QString& phrase,
                          const QString& subjectLabel) {
    PageStore pages;
    {
        const BusyCursor busy;
        ResultReport report(list, reportHeading(from, till, phrase, subjectLabel));
        QString error;
        if (!report.Write(pages, error)) {
            Host::instance().message(error, Caption, Icon::Exclamation, ButtonOk, ButtonOk);
            return false;
        }
    }
    SearchReportWindow preview(pages, previewTitle(from, till, phrase, subjectLabel));
    preview.Run();
    return preview.Printed;
}
