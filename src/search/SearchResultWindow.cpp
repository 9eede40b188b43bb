#include "search/SearchResultWindow.h"

#include "archive/UpdateArchief.h"
#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/ListSettings.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/browse/ColumnUnit.h"
#include "framework/browse/ListFormat.h"
#include "framework/host/Host.h"
#include "framework/host/Images.h"
#include "framework/window/Requests.h"
#include "search/ResultModel.h"
#include "search/ResultTitles.h"
#include "search/RowLaunch.h"
#include "search/SearchReportWindow.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace {

// The question of the latest search, for a window that is open already.
SearchResultWindow::Question& latest() {
    static SearchResultWindow::Question q;
    return q;
}

} // namespace

SearchResultWindow::FormOpener SearchResultWindow::OpenArchiveForm = [](quint32 archiveNr) {
    Protocol::GlobalRequest = ChangeRecord;
    UpdateArchief(4, 0, archiveNr);
};

void SearchResult(qint64 count, qint32 from, qint32 till, const QString& phrase,
                  const QString& subjectLabel) {
    latest() = {count, from, till, phrase, subjectLabel};
    (new SearchResultWindow(latest()))->Start();
}

SearchResultWindow::SearchResultWindow(Question question)
    : WindowController(QStringLiteral("SearchResult")), question_(std::move(question)) {
    SingleInstance = {[] { return int(GLO.Threads.thread(Instance::SearchResults)); },
                      [](int t) { GLO.Threads.set(Instance::SearchResults, quint32(t)); }};
}

int SearchResultWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    build();
    AddButton(CloseButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    return Open();
}

void SearchResultWindow::build() {
    Window().setWindowIcon(Images::icon(QStringLiteral("Seek.ico")));
    model_ = new ResultModel(this);
    view_ = new QTableView;
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    view_->setWordWrap(false);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->setAccessibleName(QStringLiteral("Browse Search Results"));
    view_->setMinimumHeight(300);
    C().custom(List, view_).at(0, 0, 1, 5);
    C().button(PrintButton, QStringLiteral("Pr&int")).at(1, 0);
    C().button(ActionButton, QString()).at(1, 1);
    C().button(PropertiesButton, QStringLiteral("&Properties")).at(1, 2);
    C().button(CloseButton, QStringLiteral("&Close")).at(1, 3);
    C().button(HelpButton, QStringLiteral("&Help")).at(1, 4);
    if (!OpenArchiveForm) C().Disable(PropertiesButton);
    C().Hide(ActionButton);

    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { clickHeader(column); });
    connect(view_, &QTableView::doubleClicked, this, [this] {
        if (action_.mode != 0) runAction();
    });
    connect(view_, &QWidget::customContextMenuRequested, this, [this] { popup(); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowChanged(); });
    restoreColumns();
    applyColour();
    load();
}

// Takes over SearchResultQueue as it is now, titled by the question, in the starting order.
void SearchResultWindow::load() {
    SetTitle(search::resultsTitle(question_.count, question_.from, question_.till, question_.phrase,
                                  question_.subjectLabel));
    search::ResultList list = GLO.SearchResultQueue;
    shown_ = list.serial();
    list.sort(search::startingOrder());
    model_->setList(std::move(list));
    toggled_ = {};
    if (model_->rowCount() > 0) view_->selectRow(0);
    rowChanged();
}

void SearchResultWindow::restoreColumns() {
    std::vector<ListFormat::Column> columns = ListSettings::keptColumns(
        Settings::SearchBrowse, search::ResultsFormat, size_t(search::ResultColumns));
    std::vector<int> widths;
    for (const ListFormat::Column& c : columns)
        widths.push_back(c.width);
    model_->setColumns(std::move(columns));
    int total = 0;
    for (int c = 0; c < search::ResultColumns; ++c) {
        view_->setColumnWidth(c, columnPixels(*view_, widths[size_t(c)]));
        total += view_->columnWidth(c);
    }
    view_->setMinimumWidth(std::min(total + 24, 1000));
}

void SearchResultWindow::saveColumns() {
    std::vector<int> widths;
    for (int c = 0; c < search::ResultColumns; ++c)
        widths.push_back(columnKeptWidth(*view_, view_->columnWidth(c)));
    ListSettings::storeWidths(Settings::SearchBrowse, search::ResultsFormat, widths);
}

void SearchResultWindow::applyColour() {
    model_->setBackground(ListSettings::storedColour());
}

int SearchResultWindow::Kill() {
    if (Opened) saveColumns();
    return WindowController::Kill();
}

int SearchResultWindow::TakeWindowEvent() {
    // Another search while the window is open: its matches are shown here.
    if (Event().Kind == EventKind::GainFocus && Opened && !GLO.SearchResultQueue.empty() &&
        GLO.SearchResultQueue.serial() != shown_) {
        question_ = latest();
        load();
    }
    return WindowController::TakeWindowEvent();
}

int SearchResultWindow::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void SearchResultWindow::rowChanged() {
    const int row = currentRow();
    if (row < 0) {
        action_ = {};
    } else {
        const bool viewerOn =
            INIMgr().FetchNumber(FrameRules::userSection(), Settings::Viewer) != 0;
        action_ =
            search::rowAction(model_->list().text(size_t(row), search::ResultList::Name),
                              model_->list().text(size_t(row), search::ResultList::File), viewerOn);
    }
    if (action_.button.isEmpty()) {
        C().Hide(ActionButton);
    } else {
        C().SetText(ActionButton, action_.button);
        C().Show(ActionButton);
    }
}

void SearchResultWindow::clickHeader(int column) {
    if (column < 0 || column >= search::ResultColumns) return;
    const int row = currentRow();
    const quint32 nr = row >= 0 ? model_->list().row(size_t(row)).nr : 0;
    model_->sort(search::headerOrder(search::ResultColumn(column), toggled_[size_t(column)]));
    toggled_[size_t(column)] = !toggled_[size_t(column)];
    // The selected match stays selected.
    for (size_t i = 0; nr != 0 && i < model_->list().records(); ++i)
        if (model_->list().row(i).nr == nr) {
            view_->selectRow(int(i));
            view_->scrollTo(model_->index(int(i), 0));
            break;
        }
}

void SearchResultWindow::runAction() {
    if (action_.mode != 0) launchRow(action_);
}

// The archive form says "Can not find record" itself for an entry deleted since the search.
void SearchResultWindow::properties() {
    const int row = currentRow();
    if (row < 0 || !OpenArchiveForm) return;
    OpenArchiveForm(model_->list().row(size_t(row)).archiveNr);
}

// The matches in the order shown.
void SearchResultWindow::print() {
    search::SearchReport(model_->list(), question_.from, question_.till, question_.phrase,
                         question_.subjectLabel);
}

void SearchResultWindow::popup() {
    const QString items =
        QString(OpenArchiveForm ? "" : "~") + "&Properties|-|P&rint|-|&Help|-|&Close";
    switch (Host::instance().popupMenu(items)) {
    case 1:
        properties();
        break;
    case 2:
        print();
        break;
    case 3:
        Host::instance().showHelp(QStringLiteral("Wareloft Program"));
        break;
    case 4:
        Post(windowEvent(EventKind::CloseWindow));
        break;
    default:
        break;
    }
}

int SearchResultWindow::TakeAccepted() {
    switch (Field()) {
    case ActionButton:
        runAction();
        return LevelNotify;
    case PropertiesButton:
        properties();
        return LevelNotify;
    case PrintButton:
        print();
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QLatin1String(HelpKeyword));
        return LevelNotify;
    default:
        break;
    }
    return WindowController::TakeAccepted();
}
