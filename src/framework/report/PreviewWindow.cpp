#include "framework/report/PreviewWindow.h"

#include "framework/host/Host.h"
#include "framework/report/PageSelection.h"
#include "framework/report/PreviewDialogs.h"
#include "framework/report/PreviewPages.h"
#include "framework/report/PrintService.h"
#include "framework/window/BusyCursor.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString Caption = QStringLiteral("Report Preview");
constexpr int LeastZoom = 10, MostZoom = 400; // a user's percentage

// How far a long output has come, with a Cancel button; the windows stay painted meanwhile.
class OutputProgress {
public:
    OutputProgress(QWidget* parent, const QString& doing) : doing_(doing) {
        dialog_ = new QProgressDialog(parent);
        dialog_->setObjectName(QStringLiteral("OutputProgress"));
        dialog_->setWindowTitle(Caption);
        dialog_->setCancelButtonText(QStringLiteral("&Cancel"));
        dialog_->setMinimumDuration(400);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
    }
    ~OutputProgress() { delete dialog_; }
    PrintService::Progress Callback() {
        return [this](int done, int total) {
            dialog_->setMaximum(total);
            dialog_->setLabelText(doing_.arg(done).arg(total));
            dialog_->setValue(done);
            QCoreApplication::processEvents();
            return !dialog_->wasCanceled();
        };
    }

private:
    QString doing_;
    QProgressDialog* dialog_;
};

} // namespace

PreviewWindow::PreviewWindow(PrintPreview& preview, PageStore& pages)
    : WindowController(QStringLiteral("_PreviewWindow_")), p_(preview), pages_(pages) {}

PreviewWindow::~PreviewWindow() = default;

int PreviewWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    if (p_.IniMgr) Settings = p_.IniMgr;
    main_ = new QMainWindow;
    main_->setObjectName(ProcedureName);
    main_->setWindowTitle(Caption);
    view_ = new PreviewPages;
    view_->SetPages(&pages_);
    view_->OnPageStep = [this](int screens) { screens > 0 ? NextPages() : PreviousPages(); };
    view_->OnMenu = [this] { Post(controlEvent(EventKind::Accepted, Pages)); };
    C().custom(Pages, view_).at(0, 0);
    buildToolbar();
    buildMenus();
    for (int n = 0; n < 3; ++n) {
        zones_[n] = new QLabel(main_->statusBar());
        zones_[n]->setObjectName(QStringLiteral("zone%1").arg(n + 1));
        main_->statusBar()->addWidget(zones_[n], n == 0 ? 1 : 0);
    }
    Window().layout()->setContentsMargins(0, 0, 0, 0);
    main_->setCentralWidget(&Window());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        main_->resize(room.width() * 4 / 5, room.height() * 4 / 5);
        main_->move(room.center() - QPoint(main_->width() / 2, main_->height() / 2));
    }
    SetOuter(main_);
    FirstField = Pages;
    if (const int level = Open()) return level;
    // Set by the program first, then the size of the last display, then the settings.
    if (p_.SaveSize.Set)
        main_->setGeometry(p_.SaveSize.XPos, p_.SaveSize.YPos, p_.SaveSize.Width,
                           p_.SaveSize.Height);
    if (p_.WindowPosSet) main_->move(p_.WinXPos, p_.WinYPos);
    if (p_.WindowSizeSet) main_->resize(p_.WinWidth, p_.WinHeight);
    if (p_.Maximize) main_->showMaximized();
    show();
    return LevelBenign;
}

void PreviewWindow::buildToolbar() {
    QToolBar* bar = main_->addToolBar(QStringLiteral("Pages"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    const int count = std::max(1, pages_.Count());
    auto add = [&](int prompt, int field) {
        bar->addWidget(C().widget(prompt));
        bar->addWidget(C().widget(field));
        bar->addSeparator();
    };
    C().prompt(PagePrompt, QStringLiteral("&Page:"));
    C().spin(PageSpin, 1, count).use(page_);
    C().SetTip(PageSpin, QStringLiteral("Enter a page number from 1 to %1").arg(pages_.Count()));
    add(PagePrompt, PageSpin);
    C().prompt(AcrossPrompt, QStringLiteral("&Across:"));
    C().spin(AcrossSpin, 1, PreviewDisplay::MostPages).use(across_);
    C().SetTip(AcrossSpin, QStringLiteral("Pages displayed across"));
    add(AcrossPrompt, AcrossSpin);
    C().prompt(DownPrompt, QStringLiteral("&Down:"));
    C().spin(DownSpin, 1, PreviewDisplay::MostPages).use(down_);
    C().SetTip(DownSpin, QStringLiteral("Pages displayed down"));
    add(DownPrompt, DownSpin);
    for (const int spin : {PageSpin, AcrossSpin, DownSpin})
        static_cast<QSpinBox*>(C().widget(spin))->setKeyboardTracking(false);
    QStringList zooms;
    for (const PrintPreview::ZoomEntry& z : PrintPreview::ZoomTable())
        zooms << z.MenuText;
    C().prompt(ZoomPrompt, QStringLiteral("Z&oom:"));
    C().combo(ZoomList, zooms).use(zoomText_);
    C().SetTip(ZoomList, QStringLiteral("Choose a zoom, or type a percentage"));
    static_cast<QComboBox*>(C().widget(ZoomList))->setMinimumContentsLength(10);
    // A widget on a toolbar is shown and hidden through its action.
    bar->addWidget(C().widget(ZoomPrompt))->setVisible(p_.AllowUserZoom);
    bar->addWidget(C().widget(ZoomList))->setVisible(p_.AllowUserZoom);
}

void PreviewWindow::buildMenus() {
    auto add = [this](QMenu* menu, int control, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QStringLiteral("item%1").arg(control));
        connect(a, &QAction::triggered, this,
                [this, control] { Post(controlEvent(EventKind::Accepted, control)); });
        items_[control] = a;
        return a;
    };
    QMenuBar* bar = main_->menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    add(file, PagesToPrintItem, QStringLiteral("Pa&ges to Print..."));
    add(file, PrintItem, QStringLiteral("&Print"))->setShortcut(QKeySequence::Print);
    add(file, SavePdfItem, QStringLiteral("Save as PDF..."));
    file->addSeparator();
    add(file, ExitItem, QStringLiteral("E&xit"));
    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    add(view, NextItem, QStringLiteral("&Next Page(s)"));
    add(view, PreviousItem, QStringLiteral("&Previous Page(s)"));
    add(view, JumpItem, QStringLiteral("&Jump to a page"));
    add(view, ChangeDisplayItem, QStringLiteral("&Change Display"));
    QMenu* zoom = bar->addMenu(QStringLiteral("&Zoom"));
    auto* group = new QActionGroup(zoom);
    const auto& table = PrintPreview::ZoomTable();
    for (size_t n = 0; n < table.size(); ++n) {
        QAction* a = add(zoom, FirstZoomItem + int(n), table[n].MenuText);
        a->setCheckable(true);
        group->addAction(a);
    }
}

QAction* PreviewWindow::MenuItem(int control) const {
    const auto found = items_.find(control);
    return found == items_.end() ? nullptr : found->second;
}

int PreviewWindow::zoomValue() const {
    const auto& table = PrintPreview::ZoomTable();
    if (p_.ZoomIndex >= 0 && p_.ZoomIndex < int(table.size()))
        return table[size_t(p_.ZoomIndex)].Value;
    return p_.UserPercentile;
}

void PreviewWindow::SetZoom(int value) {
    const auto& table = PrintPreview::ZoomTable();
    p_.ZoomIndex = -1;
    for (size_t n = 0; n < table.size(); ++n)
        if (table[n].Value == value) p_.ZoomIndex = int(n);
    if (p_.ZoomIndex < 0) {
        // A value not in the table is a percentage of the user's.
        p_.UserPercentile = std::clamp(value, LeastZoom, MostZoom);
    }
    if (main_) show();
}

void PreviewWindow::takeZoomList() {
    const QString typed = zoomText_.trimmed();
    for (const PrintPreview::ZoomEntry& z : PrintPreview::ZoomTable())
        if (typed.compare(z.MenuText, Qt::CaseInsensitive) == 0) return SetZoom(z.Value);
    QString digits = typed;
    digits.remove(QLatin1Char('%'));
    bool ok = false;
    const int percent = digits.trimmed().toInt(&ok);
    if (ok && percent > 0)
        SetZoom(percent);
    else
        show(); // back to what it was
}

void PreviewWindow::show() {
    const int count = pages_.Count();
    const bool paging = count >= 2;
    p_.CurrentPage = std::clamp(p_.CurrentPage, 1, std::max(1, count));
    p_.PagesAcross = std::clamp(p_.PagesAcross, 1, int(PreviewDisplay::MostPages));
    p_.PagesDown = std::clamp(p_.PagesDown, 1, int(PreviewDisplay::MostPages));
    page_ = p_.CurrentPage;
    across_ = p_.PagesAcross;
    down_ = p_.PagesDown;
    view_->Show(p_.CurrentPage, p_.PagesAcross, p_.PagesDown, zoomValue());
    for (const int n : {int(PageSpin), int(AcrossSpin), int(DownSpin)})
        C().Display(n);
    C().Enable(PageSpin, paging);
    C().Enable(PagePrompt, paging);
    items_[JumpItem]->setEnabled(paging);
    items_[NextItem]->setEnabled(paging && p_.CurrentPage + screenOfPages() <= count);
    items_[PreviousItem]->setEnabled(paging && p_.CurrentPage > 1);
    for (size_t n = 0; n < PrintPreview::ZoomTable().size(); ++n)
        items_[FirstZoomItem + int(n)]->setChecked(int(n) == p_.ZoomIndex);
    zoomText_ = p_.ZoomIndex >= 0 ? PrintPreview::ZoomTable()[size_t(p_.ZoomIndex)].MenuText
                                  : QString::number(p_.UserPercentile) + QLatin1Char('%');
    C().Display(ZoomList);
    for (int zone = 2; zone <= 3; ++zone)
        zones_[zone - 1]->setText(StatusText(zone));
}

QString PreviewWindow::StatusText(int zone) const {
    switch (zone) {
    case 1:
        return zones_[0] ? zones_[0]->text() : QString();
    case 2: {
        const QString of = QStringLiteral(" of ") + QString::number(pages_.Count());
        const int first = view_->FirstShown(), last = view_->LastShown();
        if (zoomValue() == PreviewPages::TilePages && last > first)
            return QStringLiteral("Page %1-%2").arg(first).arg(last) + of;
        return QStringLiteral("Page ") + QString::number(p_.CurrentPage) + of;
    }
    case 3:
        if (p_.ZoomIndex >= 0) return PrintPreview::ZoomTable()[size_t(p_.ZoomIndex)].StatusText;
        return QStringLiteral("Zoom: ") + QString::number(p_.UserPercentile) + QLatin1Char('%');
    default:
        return {};
    }
}

// ---- commands ----------------------------------------------------------------------------

void PreviewWindow::GoToPage(int page) {
    p_.CurrentPage = page;
    show();
}

void PreviewWindow::NextPages() {
    if (pages_.Count() < 2 || p_.CurrentPage + screenOfPages() > pages_.Count()) return;
    GoToPage(p_.CurrentPage + screenOfPages());
}

void PreviewWindow::PreviousPages() {
    if (pages_.Count() < 2 || p_.CurrentPage <= 1) return;
    GoToPage(std::max(1, p_.CurrentPage - screenOfPages()));
}

void PreviewWindow::JumpToPage() {
    if (pages_.Count() < 2) return;
    PreviewJump jump(pages_.Count(), p_.CurrentPage);
    jump.Settings = Settings;
    if (jump.Run() == RequestCompleted && jump.Page != p_.CurrentPage) GoToPage(jump.Page);
}

void PreviewWindow::SetDisplay(int across, int down) {
    p_.PagesAcross = across;
    p_.PagesDown = down;
    show();
}

void PreviewWindow::ChangeDisplay() {
    PreviewDisplay display(p_.PagesAcross, p_.PagesDown);
    display.Settings = Settings;
    if (display.Run() == RequestCompleted) SetDisplay(display.Across, display.Down);
}

bool PreviewWindow::AskPages() {
    PreviewAskPages ask(p_.PagesToPrint, pages_.Count());
    ask.Settings = Settings;
    if (ask.Run() != RequestCompleted) return false;
    p_.PagesToPrint = ask.Pages;
    return true;
}

void PreviewWindow::message(const QString& text, const QString& caption) {
    Host::instance().message(text, caption, Icon::Exclamation, ButtonOk, ButtonOk);
}

void PreviewWindow::Print() {
    zones_[0]->clear();
    if (p_.ConfirmPages && !AskPages()) return;
    PageSelection selection;
    QString error;
    if (!PageSelection::Parse(p_.PagesToPrint, pages_.Count(), selection, error)) {
        message(error, QStringLiteral("Pages to Print"));
        return;
    }
    if (!Host::instance().printDialog(QStringLiteral("Print"), PrintService::Printer())) return;
    bool printed;
    {
        const BusyCursor busy;
        OutputProgress progress(main_, QStringLiteral("Printing page %1 of %2"));
        printed = PrintService::Print(pages_, selection, PrintService::Printer(), error,
                                      progress.Callback());
    }
    if (!printed) {
        if (!error.isEmpty()) message(error, Caption); // none when the user stopped it
        return;
    }
    p_.PrintOK = true;
    SetResponse(RequestCompleted);
}

void PreviewWindow::SavePdf() {
    zones_[0]->clear(); // what an earlier save said
    PageSelection selection;
    QString error;
    if (!PageSelection::Parse(p_.PagesToPrint, pages_.Count(), selection, error)) {
        message(error, QStringLiteral("Pages to Print"));
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString name = (p_.DocumentName.isEmpty() ? QStringLiteral("Report") : p_.DocumentName) +
                         QStringLiteral(".pdf");
    QString path = Host::instance().fileDialog(QStringLiteral("Save as PDF"),
                                               QStringLiteral("PDF files|*.pdf"),
                                               QDir(folder).filePath(name), true);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    bool saved;
    {
        const BusyCursor busy;
        OutputProgress progress(main_, QStringLiteral("Saving page %1 of %2"));
        saved = PrintService::SavePdf(pages_, selection, path, error, progress.Callback());
    }
    if (!saved) {
        if (!error.isEmpty()) message(error, Caption); // none when the user stopped it
        return;
    }
    zones_[0]->setText(QStringLiteral("Saved as %1").arg(QDir::toNativeSeparators(path)));
}

// The right-click menu of the pages.
void PreviewWindow::popup() {
    const bool paging = pages_.Count() >= 2;
    auto item = [](bool enabled, const char* text) {
        return (enabled ? QString() : QStringLiteral("~")) + QString::fromLatin1(text);
    };
    const QStringList items = {
        item(items_[NextItem]->isEnabled(), "&Next Page(s)"),
        item(items_[PreviousItem]->isEnabled(), "&Previous Page(s)"),
        item(paging, "&Jump to a page"),
        item(true, "&Change Display"),
        QStringLiteral("-"),
        item(true, "&Print"),
        item(true, "Save as PDF..."),
    };
    switch (Host::instance().popupMenu(items.join(QLatin1Char('|')))) {
    case 1:
        return NextPages();
    case 2:
        return PreviousPages();
    case 3:
        return JumpToPage();
    case 4:
        return ChangeDisplay();
    case 5:
        return Print();
    case 6:
        return SavePdf();
    default:
        return;
    }
}

// ---- events ------------------------------------------------------------------------------

int PreviewWindow::TakeAccepted() {
    const int control = Field();
    if (control >= FirstZoomItem &&
        control < FirstZoomItem + int(PrintPreview::ZoomTable().size())) {
        SetZoom(PrintPreview::ZoomTable()[size_t(control - FirstZoomItem)].Value);
        return LevelNotify;
    }
    switch (control) {
    case Pages:
        popup();
        break;
    case PageSpin:
        GoToPage(page_);
        break;
    case AcrossSpin:
    case DownSpin:
        SetDisplay(across_, down_);
        break;
    case ZoomList:
        takeZoomList();
        break;
    case PagesToPrintItem:
        AskPages();
        break;
    case PrintItem:
        Print();
        break;
    case SavePdfItem:
        SavePdf();
        break;
    case ExitItem:
        SetResponse(RequestCancelled);
        break;
    case NextItem:
        NextPages();
        break;
    case PreviousItem:
        PreviousPages();
        break;
    case JumpItem:
        JumpToPage();
        break;
    case ChangeDisplayItem:
        ChangeDisplay();
        break;
    default:
        return WindowController::TakeAccepted();
    }
    return LevelNotify;
}

int PreviewWindow::TakeWindowEvent() {
    switch (Event().Kind) {
    case EventKind::Sized:
    case EventKind::Moved:
        keepPlace();
        if (Event().Kind == EventKind::Sized) show(); // the zoom may fit another size
        break;
    default:
        break;
    }
    return WindowController::TakeWindowEvent();
}

void PreviewWindow::keepPlace() {
    if (!main_ || main_->isMaximized() || main_->isMinimized()) return;
    p_.SaveSize = {true, main_->x(), main_->y(), main_->width(), main_->height()};
}
