#include "scan/ScanResultsWindow.h"

#include "archive/MediaFiles.h"
#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/ListSettings.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/browse/ColumnUnit.h"
#include "framework/host/Host.h"
#include "framework/host/Images.h"
#include "framework/window/BusyCursor.h"
#include "framework/window/WindowRegistry.h"
#include "scan/FileViewer.h"
#include "scan/ScanFileModel.h"
#include "scan/ScanListing.h"
#include "scan/ScanReport.h"
#include "scan/ScanResults.h"
#include "scan/ScanSettingKeys.h"
#include "scan/TreeFiles.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QTableView>
#include <QTimer>

namespace {

const QString Caption = QStringLiteral("Wareloft");
void notice(const QString& text) {
    Host::instance().message(text, Caption, Icon::Information, ButtonOk, ButtonOk);
}

std::vector<ScanFileEntry>& rows() {
    return GLO.ScanFileQueue.rows;
}

} // namespace

ScanResultsWindow::OptionsDialog ScanResultsWindow::AskOptions = ScanOptions;
ScanResultsWindow::ListPrinter ScanResultsWindow::PrintList = ScanReport;

void ScanResults() {
    (new ScanResultsWindow)->Start();
}

ScanResultsWindow::ScanResultsWindow() : WindowController(QStringLiteral("ScanResults")) {
    SingleInstance = {[] { return int(GLO.Threads.thread(Instance::ScanResults)); },
                      [](int t) { GLO.Threads.set(Instance::ScanResults, quint32(t)); }};
}

ScanResultsWindow::~ScanResultsWindow() = default;

int ScanResultsWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    if (!startScan()) return LevelFatal;
    build();
    AddButton(ExitButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    showList();
    return Open();
}

// Runs the scan options; false when they were cancelled.
bool ScanResultsWindow::startScan() {
    GLO.ScanFileQueue.free();
    parameters_ = ScanParameters();
    AskOptions(parameters_);
    if (parameters_.Cancelled != 0) return false;
    source_.name = parameters_.Name.str();
    source_.medium = parameters_.MediumKind;
    source_.drive = parameters_.Drive.str().trimmed();
    source_.driveKind.clear();
    for (const DriveQueueEntry& d : GLO.DriveQueue.rows)
        if (d.DRIVE.str().compare(source_.drive, Qt::CaseInsensitive) == 0)
            source_.driveKind = d.KINDOFDRIVE.str();
    source_.producer = parameters_.Producer.str();
    source_.softwareClass = parameters_.SoftwareClass.str();
    source_.optionCode = parameters_.OptionCode;
    kindLabel_ = source_.medium == 1 ? QStringLiteral("CD") : QStringLiteral("Disk");
    path_.clear();
    directoryText_ = source_.drive;
    history_.clear();
    if (!openedArchive_) openedArchive_ = Access::Archief().Open() == LevelBenign;
    ScanRows::sortForScan(rows());
    remaining_ = parameters_.FileCount;
    return true;
}

void ScanResultsWindow::build() {
    Window().setWindowIcon(Images::icon(QStringLiteral("download.ico")));
    Window().setToolTip(QStringLiteral("Browse Scan Results"));
    C().prompt(CurrentDirectory, QString())
        .at(0, 0, 1, 5)
        .use(directoryText_)
        .tip(QStringLiteral("Current Directory"));
    C().button(UpButton, QStringLiteral("/\\")).at(0, 5).tip(QStringLiteral("Directory Up"));
    C().toolButton(ExploreButton, QStringLiteral("Explore"), QStringLiteral("folder.ico"))
        .at(0, 6)
        .tip(QStringLiteral("Explore Directory"));

    model_ = new ScanFileModel(rows(), this);
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
    view_->setToolTip(QStringLiteral("Browse Scan list"));
    view_->setAccessibleName(QStringLiteral("Browse Scan list"));
    view_->setMinimumHeight(320);
    C().custom(List, view_).at(1, 0, 1, 7);

    C().prompt(ProgressPrompt, QStringLiteral("Import progress :")).at(2, 0);
    progress_ = new QProgressBar;
    progress_->setRange(0, 100);
    C().custom(ProgressBar, progress_).at(2, 1, 1, 5);
    C().button(CancelImportButton, QStringLiteral("&Cancel")).at(2, 6);

    C().button(AddSelectedButton, QStringLiteral("Add &Selected")).at(3, 0);
    C().button(AddAllButton, QStringLiteral("&Add All")).at(3, 1);
    C().button(AddTreeButton, QStringLiteral("Add &Tree"))
        .at(3, 2)
        .tip(QStringLiteral("Import this directory and every directory below it"));
    C().button(ActionButton, QString()).at(3, 3);
    C().check(OwnNumberCheck, QStringLiteral("Nr"))
        .at(3, 4)
        .use(ownNumberShown_)
        .tip(QStringLiteral("Choose own number"));
    C().prompt(OwnNumberPrompt, QStringLiteral("CD/DiskNr")).at(3, 5);
    C().entry(OwnNumberEntry, QStringLiteral("@N_10B"))
        .at(3, 6)
        .width(8)
        .use(ownNumber_)
        .tip(QStringLiteral("Include scan to CD/Disk number"));

    C().group(CounterGroup, QString()).at(4, 0, 1, 4);
    C().prompt(SoFarPrompt, QStringLiteral(" Imported so far :")).in(CounterGroup).at(0, 0);
    C().entry(SoFarCount, QStringLiteral("@N_6B"))
        .in(CounterGroup)
        .at(0, 1)
        .width(8)
        .use(soFar_)
        .readOnly();
    C().prompt(TotalPrompt, QStringLiteral("Totaly imported :")).in(CounterGroup).at(0, 2);
    C().entry(TotalCount, QStringLiteral("@N_6B"))
        .in(CounterGroup)
        .at(0, 3)
        .width(8)
        .use(total_)
        .readOnly();

    C().button(NewScanButton, QStringLiteral("&New Scan")).at(5, 0);
    C().button(PrintButton, QStringLiteral("&Print")).at(5, 1);
    C().button(HelpButton, QStringLiteral("&Help")).at(5, 2);
    C().button(ExitButton, QStringLiteral("&Exit")).at(5, 3);

    // What comes and goes keeps its place, so that the list and the buttons do not jump.
    for (int coming : {ProgressPrompt, ProgressBar, CancelImportButton, CounterGroup, SoFarPrompt,
                       SoFarCount, OwnNumberPrompt, OwnNumberEntry}) {
        QWidget* w = C().widget(coming);
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    for (int hidden : {ProgressPrompt, ProgressBar, CancelImportButton, CounterGroup,
                       OwnNumberPrompt, OwnNumberEntry})
        C().Hide(hidden);
    if (GLO.UserLevel < 2) {
        C().Disable(AddSelectedButton);
        C().Disable(AddAllButton);
        C().Disable(AddTreeButton);
    }

    slices_ = new QTimer(this);
    slices_->setInterval(0);
    connect(slices_, &QTimer::timeout, this, [this] { runSlices(); });
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { clickHeader(column); });
    connect(view_, &QTableView::doubleClicked, this, [this] {
        if (doubleClickHandled_ || importing_) return;
        doubleClickHandled_ = true;
        openRow();
    });
    connect(view_, &QWidget::customContextMenuRequested, this, [this] { popup(); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { rowChanged(); });
    restoreColumns();
    applyColour();
}

void ScanResultsWindow::restoreColumns() {
    std::vector<ListFormat::Column> columns = ListSettings::keptColumns(
        Settings::ScanList, ScanFileModel::Format, size_t(ScanRows::Columns));
    std::vector<int> widths;
    for (const ListFormat::Column& c : columns)
        widths.push_back(c.width);
    model_->setColumns(std::move(columns));
    int total = 0;
    for (int c = 0; c < ScanRows::Columns; ++c) {
        view_->setColumnWidth(c, columnPixels(*view_, widths[size_t(c)]));
        total += view_->columnWidth(c);
    }
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setMinimumWidth(std::min(total + 24, 1000));
}

void ScanResultsWindow::saveColumns() {
    std::vector<int> widths;
    for (int c = 0; c < ScanRows::Columns; ++c)
        widths.push_back(columnKeptWidth(*view_, view_->columnWidth(c)));
    ListSettings::storeWidths(Settings::ScanList, ScanFileModel::Format, widths);
}

void ScanResultsWindow::applyColour() {
    model_->setBackground(ListSettings::storedColour());
}

void ScanResultsWindow::setTitle() {
    if (importing_) {
        SetTitle(QStringLiteral("Importing... please wait"));
        return;
    }
    const quint16 cd = numbers_.settled ? numbers_.cdNr : 0;
    const quint16 disk = numbers_.settled ? numbers_.diskNr : 0;
    SetTitle(ScanRows::title(kindLabel_, cd, disk, source_.drive, path_, remaining_));
    if (disk != 0 || cd != 0) {
        ownNumber_ = disk != 0 ? disk : cd;
        C().Display(OwnNumberEntry);
    }
}

// What may be pressed, by the list, the files left and the user's level.
void ScanResultsWindow::setButtons() {
    const bool empty = rows().empty();
    const bool canImport = !importing_ && GLO.UserLevel >= 2;
    if (empty) remaining_ = 0;
    C().Enable(AddAllButton, canImport && !empty && remaining_ != 0);
    C().Enable(AddSelectedButton, canImport && !empty && remaining_ != 0);
    C().Enable(AddTreeButton, canImport && !empty);
    C().Enable(PrintButton, !importing_ && !empty && PrintList != nullptr);
    C().Enable(ActionButton, !importing_ && !empty);
    C().Enable(UpButton, !importing_ && !history_.isEmpty());
    C().Enable(NewScanButton, !importing_);
    C().Enable(List, true);
    rowChanged();
}

int ScanResultsWindow::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() && size_t(current.row()) < rows().size() ? current.row() : -1;
}

void ScanResultsWindow::selectRow(int row) {
    if (rows().empty()) return;
    row = std::clamp(row, 0, int(rows().size()) - 1);
    view_->selectRow(row);
    view_->scrollTo(model_->index(row, 0));
}

void ScanResultsWindow::rowChanged() {
    doubleClickHandled_ = false;
    const int row = currentRow();
    action_ = row < 0 ? ScanRows::Action::None : ScanRows::actionOf(rows()[size_t(row)]);
    const QString text = ScanRows::buttonText(action_);
    C().Show(ActionButton, !text.isEmpty());
    if (!text.isEmpty()) C().SetText(ActionButton, text);
    const bool directory = action_ == ScanRows::Action::Explore;
    C().Enable(ExploreButton, directory && !importing_);
    if (row >= 0)
        C().Enable(AddSelectedButton,
                   !directory && !importing_ && remaining_ != 0 && GLO.UserLevel >= 2);
}

// The list shown again after the queue changed, `keepRow` selected.
void ScanResultsWindow::showList(int keepRow) {
    model_->reload();
    selectRow(keepRow);
    setButtons();
    setTitle();
}

void ScanResultsWindow::listDirectory() {
    GLO.ScanFileQueue.free();
    remaining_ = 0;
    Host::instance().setCurrentDirectory(source_.drive + path_);
    const ScanListing::Result listed =
        ScanListing::List(GLO.ScanFileQueue, source_.drive, path_, source_.optionCode,
                          parameters_.OtherPattern.str(), QStringLiteral("Unknown"));
    remaining_ = listed.files;
    if (sort_) ScanRows::sortByHeader(rows(), *sort_);
    showList();
    if (!listed.ready)
        notice(MediaFiles::notReadyText(source_.drive, MediaFiles::driveState(source_.drive)) +
               (listed.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(listed.error)));
}

void ScanResultsWindow::enterDirectory() {
    const int row = currentRow();
    if (row < 0 || !ScanRows::isDirectory(rows()[size_t(row)])) return;
    const QString name = rows()[size_t(row)].SCANFILENAME.str();
    history_ << path_;
    path_ = name + QLatin1Char('\\');
    directoryText_ = source_.drive + name;
    C().Display(CurrentDirectory);
    listDirectory();
}

void ScanResultsWindow::directoryUp() {
    if (history_.isEmpty()) return;
    path_ = history_.takeLast();
    directoryText_ = source_.drive + (path_.endsWith(QLatin1Char('\\')) ? path_.chopped(1) : path_);
    C().Display(CurrentDirectory);
    listDirectory();
}

void ScanResultsWindow::clickHeader(int column) {
    if (column < 0 || column >= ScanRows::Columns || importing_) return;
    const int row = currentRow();
    const QString kept = row >= 0 ? rows()[size_t(row)].SCANFILENAME.str() : QString();
    // Each column's toggle starts at descending and flips with every click.
    const ScanRows::Sort sort{ScanRows::Column(column), !ascendingNext_[size_t(column)]};
    ascendingNext_[size_t(column)] = !ascendingNext_[size_t(column)];
    sort_ = sort;
    ScanRows::sortByHeader(rows(), sort);
    int again = 0;
    for (size_t i = 0; !kept.isEmpty() && i < rows().size(); ++i)
        if (rows()[i].SCANFILENAME.str() == kept) {
            again = int(i);
            break;
        }
    model_->reload();
    selectRow(again);
    rowChanged();
}

// The selected file opened by its extension; a directory entered.
void ScanResultsWindow::openRow() {
    const int row = currentRow();
    if (row < 0) return;
    const ScanFileEntry entry = rows()[size_t(row)];
    if (ScanRows::isDirectory(entry)) {
        enterDirectory();
        return;
    }
    const QString file = source_.drive + entry.SCANFILENAME.str();
    switch (ScanRows::openingOf(entry.SCANFILENAME)) {
    case ScanRows::Opening::TextViewer:
        if (ReadTextFile(file, 0) == 1) {
            selectRow(row);
            addSelected(true);
            return;
        }
        break;
    case ScanRows::Opening::Picture:
        ShowWindow(file);
        break;
    case ScanRows::Opening::Shell: {
        const QString name = source_.name.trimmed().toUpper();
        const bool root = name.size() == 3 && name[0] >= QLatin1Char('A') &&
                          name[0] <= QLatin1Char('K') && name.mid(1) == QLatin1String(":\\");
        RunProgram(root ? name + entry.SCANFILENAME.str() : entry.SCANFILENAME.str(), root ? 1 : 0,
                   LaunchMode::ShellOpen);
        break;
    }
    }
    selectRow(row);
}

void ScanResultsWindow::popup() {
    if (GLO.UserLevel < 2 || importing_) return;
    const QString items = ScanRows::popupItems(action_, rows().empty(), history_.isEmpty());
    const ScanRows::Command command =
        ScanRows::popupCommand(items, Host::instance().popupMenu(items));
    if (command == ScanRows::Command::Help && action_ == ScanRows::Action::View &&
        !history_.isEmpty()) {
        Host::instance().showHelp(QStringLiteral("Wareloft Program"));
        return;
    }
    runCommand(command);
}

void ScanResultsWindow::runCommand(ScanRows::Command command) {
    using ScanRows::Command;
    switch (command) {
    case Command::Back:
        directoryUp();
        break;
    case Command::Read:
    case Command::Start:
    case Command::Run:
    case Command::View:
    case Command::Explore:
        openRow();
        break;
    case Command::AddSelected:
        if (currentRow() >= 0 && !ScanRows::isDirectory(rows()[size_t(currentRow())]))
            addSelected();
        break;
    case Command::AddAll:
        addAll();
        break;
    case Command::Print:
        if (PrintList && !rows().empty()) PrintList(directoryText_.left(32));
        break;
    case Command::Help:
        Host::instance().showHelp(QLatin1String(HelpKeyword));
        break;
    case Command::Close:
        Post(windowEvent(EventKind::CloseWindow));
        break;
    case Command::None:
        break;
    }
}

void ScanResultsWindow::showOwnNumber() {
    C().Show(OwnNumberPrompt, ownNumberShown_ != 0);
    C().Show(OwnNumberEntry, ownNumberShown_ != 0);
    Select(ownNumberShown_ != 0 ? OwnNumberEntry : NewScanButton);
}

int ScanResultsWindow::TakeAccepted() {
    if (importing_ && Field() != CancelImportButton) return LevelNotify;
    switch (Field()) {
    case ExploreButton:
        enterDirectory();
        return LevelNotify;
    case UpButton:
        directoryUp();
        return LevelNotify;
    case ActionButton:
        openRow();
        return LevelNotify;
    case AddSelectedButton:
        addSelected();
        return LevelNotify;
    case AddAllButton:
        addAll();
        return LevelNotify;
    case AddTreeButton:
        addTree();
        return LevelNotify;
    case CancelImportButton:
        if (job_) job_->cancel();
        if (tree_) tree_->cancel();
        return LevelNotify;
    case OwnNumberCheck:
        showOwnNumber();
        return LevelNotify;
    case NewScanButton:
        Host::instance().setCurrentDirectory(GLO.ProgramDir);
        if (!startScan()) {
            GLO.ScanFileQueue.free();
            Post(windowEvent(EventKind::CloseWindow));
            return LevelNotify;
        }
        C().Display(CurrentDirectory);
        showList();
        return LevelNotify;
    case PrintButton:
        runCommand(ScanRows::Command::Print);
        return LevelNotify;
    case HelpButton:
        Host::instance().showHelp(QLatin1String(HelpKeyword));
        return LevelNotify;
    default:
        return WindowController::TakeAccepted();
    }
}

int ScanResultsWindow::TakeCloseEvent() {
    // What the slices committed stays; the rest of the import is left.
    if (importing_) {
        if (job_) job_->cancel();
        if (tree_) tree_->cancel();
        endImport();
    }
    return WindowController::TakeCloseEvent();
}

int ScanResultsWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::GainFocus && Opened && !importing_) {
        applyColour();
        if (currentRow() < 0) selectRow(0);
    }
    return WindowController::TakeWindowEvent();
}

int ScanResultsWindow::Kill() {
    if (slices_) slices_->stop();
    tree_.reset();
    job_.reset();
    busy_.reset();
    if (Opened) saveColumns();
    const int level = WindowController::Kill();
    if (openedArchive_) Access::Archief().Close();
    openedArchive_ = false;
    GLO.ScanFileQueue.free();
    if (!GLO.ProgramDir.isEmpty()) Host::instance().setCurrentDirectory(GLO.ProgramDir);
    for (Instance told : {Instance::MainFrame, Instance::Toolbar})
        if (const int thread = int(GLO.Threads.thread(told))) WindowRegistry::PostGainFocus(thread);
    return level;
}
