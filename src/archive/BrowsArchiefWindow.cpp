#include "archive/BrowsArchiefWindow.h"

#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/ListSettings.h"
#include "core/Procedures.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/FieldBindings.h"
#include "framework/host/Images.h"
#include "framework/window/BusyCursor.h"

#include <QGridLayout>
#include <QTabBar>
#include <QTabWidget>
#include <array>

namespace {

// The row fields in order: the twelve columns, then the entry's number.
constexpr const char* RowFields[] = {
    "ARC:CDiskNaam",    "ARC:Naam",        "ARC:CdNr", "ARC:DiskNr",   "ARC:Soort",
    "ARC:Size",         "ARC:Date",        "ARC:Time", "ARC:Producer", "ARC:Version",
    "ARC:Registration", "ARC:Opmerkingen", "ARC:NR"};

struct ColumnLook {
    const char* header;
    int width;
    Qt::Alignment align;
    Qt::Alignment headerAlign;
    const char* picture;
};

constexpr ColumnLook Looks[] = {
    {"Name", 27, Qt::AlignLeft, Qt::AlignLeft, "@s40"},
    {"File Name", 157, Qt::AlignLeft, Qt::AlignLeft, "@s255"},
    {"Cd Nr.", 23, Qt::AlignRight, Qt::AlignLeft, "@N_6B"},
    {"Disk Nr.", 27, Qt::AlignRight, Qt::AlignLeft, "@N_6B"},
    {"Software Class", 73, Qt::AlignLeft, Qt::AlignLeft, "@s20"},
    {"Kb", 34, Qt::AlignRight, Qt::AlignHCenter, "@N_8_.1B"},
    {"Date", 39, Qt::AlignRight, Qt::AlignHCenter, "@D5B"},
    {"Time", 38, Qt::AlignRight, Qt::AlignHCenter, "@T4B"},
    {"Producer", 78, Qt::AlignLeft, Qt::AlignLeft, "@s30"},
    {"Version", 48, Qt::AlignLeft, Qt::AlignLeft, "@s11"},
    {"Reg. nr.", 63, Qt::AlignLeft, Qt::AlignLeft, "@s35"},
    {"Remarks", 145, Qt::AlignLeft, Qt::AlignLeft, "@s35"},
};

constexpr const char* TabTexts[BrowsArchiefWindow::Tabs] = {
    "&Cd Nr.", "&DiskNr", "&Name", "&Software Class", "&File Name", "Date", "&Producer"};

// The standing filter set when the list opens; the first reset replaces it.
constexpr const char* Standing = "(Arc:Soort<>'Everything')";
constexpr const char* ClassFilter = "ARC:Soort=SoftwareClass";

constexpr SettingKey ClassSel{nullptr, "ClassSel", ""};
constexpr SettingKey WhichTabKey{nullptr, "WhichTab", "1"};
constexpr SettingKey KeepSel{nullptr, "KeepSel", "0"};

int field(const char* label) {
    return Dictionary::Archief().fieldIndex(QString::fromLatin1(label));
}

bool isEverything(const QString& name) {
    return name.compare(QLatin1String(BrowsArchiefWindow::Everything), Qt::CaseInsensitive) == 0;
}

} // namespace

// The eight orders' thumbs and locators: tabs 1, 2 and 6 number keys with an incremental
// locator, the others text keys with a step locator; the eighth is the class order any other
// tab number gives.
struct BrowsArchiefWindow::Orders {
    StepLongManager cdThumb, diskThumb;
    StepLongManager dateThumb{StepManager::Descending};
    std::array<StepStringManager, 5> textThumbs; // name, class, file name, producer, other
    std::array<IncrementalLocator, 3> numberLocators;
    std::array<StepLocator, 5> textLocators;
    // Counts the entries of class "Everything" in the view, which the caption leaves out.
    ViewManager uncounted;
};

BrowsArchiefWindow::BrowsArchiefWindow()
    : WindowController(QStringLiteral("BrowsArchief")), orders_(std::make_unique<Orders>()),
      chosen_(Dictionary::SoortTabel()) {}

BrowsArchiefWindow::~BrowsArchiefWindow() = default;

QString BrowsArchiefWindow::ChosenClass() const {
    return chosen_.text(0);
}

int BrowsArchiefWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    build();
    Relate::Archief().Open();
    Relate::SoortTabel().Open();
    filesOpened_ = true;
    // The class the filter compares with is the list's own: another window reading the
    // class file moves Srt:Soort, which must not change what this list shows.
    FieldBindings::instance().BindName(QStringLiteral("SoftwareClass"), chosen_, 0);
    browse_.Init(*list_, *this, Relate::Archief());
    addOrders();
    std::vector<BrowseColumn> columns;
    for (size_t i = 0; i < std::size(Looks); ++i) {
        const ColumnLook& l = Looks[i];
        const int f = field(RowFields[i]);
        columns.push_back({QString::fromLatin1(l.header), l.width, l.align, l.headerAlign,
                           QString::fromLatin1(l.picture), f,
                           Dictionary::Archief().fields[size_t(f)].places});
    }
    list_->setColumns(std::move(columns));
    browse_.InsertControl = IncludeButton;
    browse_.ChangeControl = PropertiesButton;
    browse_.DeleteControl = DeleteButton;
    browse_.SelectControl = SelectButton;
    browse_.HideSelect = true;
    browse_.AskProcedure = 1;
    fillClasses();
    readUserSettings();
    explorer_ = std::make_unique<ColumnExplorer>(*list_, browse_, *Settings, ProcedureName);
    explorer_->Title = QStringLiteral("Wareloft");
    AddButton(CloseButton, RequestCancelled);
    HelpControl = HelpButton;
    FirstField = List;
    const int level = Open();
    // The toolbar weighs its buttons anew now that a list is there to act on.
    if (level == LevelBenign) tellToolbar();
    return level;
}

void BrowsArchiefWindow::build() {
    SetTitle(QStringLiteral("Wareloft"));
    Window().setWindowIcon(Images::icon(QStringLiteral("Diskfile.ico")));
    list_ = new BrowseList(List, [this](const WindowEvent& e) { Post(e); });
    list_->setMinimumSize(760, 300);
    C().custom(List, list_).at(2, 0, 1, 6).tip(QStringLiteral("Browse Wareloft"));
    C().prompt(FileNamePrompt, QStringLiteral("File name :")).at(0, 0);
    C().dropList(ClassList, {})
        .at(0, 4)
        .use(SRT, 0)
        .tip(QStringLiteral("Make Software Class selection"));
    C().toolButton(NoSelectionButton, QStringLiteral("No Selection"), QStringLiteral("Cancel.ico"))
        .at(0, 5)
        .tip(QStringLiteral("No Selection"));
    C().entry(FileNameEntry, QStringLiteral("@s255")).at(0, 1, 1, 3).use(fileName_).readOnly();
    C().button(SelectButton, QStringLiteral("&Select")).at(5, 0);
    C().button(IncludeButton, QStringLiteral("&Include")).at(3, 2);
    C().button(DeleteButton, QStringLiteral("Dele&te")).at(3, 4);
    C().button(PrintButton, QStringLiteral("Print &All/Sel")).at(4, 2);
    C().button(PrintRecordButton, QStringLiteral("Print &Record")).at(4, 3);
    C().button(SearchButton, QStringLiteral("&Search")).at(4, 1);
    C().button(DeleteMediumButton, QStringLiteral("D&el CD/Disk")).at(3, 5);
    C().button(ScanButton, QStringLiteral("Scan/Imp&ort")).at(4, 0);
    C().button(NewDiskButton, QStringLiteral("New &Disk")).at(3, 1);
    C().button(PropertiesButton, QStringLiteral("&Properties")).at(3, 3);
    C().sheet(Sheet).at(1, 0, 1, 6);
    for (int t = 0; t < Tabs; ++t)
        C().tab(CdTab + t, QString::fromLatin1(TabTexts[t])).in(Sheet);
    C().button(CloseButton, QStringLiteral("&Close")).at(5, 5);
    C().button(HelpButton, QStringLiteral("&Help")).at(5, 4);
    C().button(NewCdButton, QStringLiteral("&New CD")).at(3, 0);
    C().button(WebsiteButton, QStringLiteral("&Website")).at(4, 4);
    C().button(EmailButton, QStringLiteral("E&mail")).at(4, 5);
    C().Hide(SelectButton);
    // The tabs choose the order of the one list below them: only their bar is shown.
    if (auto* sheet = qobject_cast<QTabWidget*>(C().widget(Sheet))) {
        sheet->setDocumentMode(true);
        sheet->setMaximumHeight(sheet->tabBar()->sizeHint().height());
    }
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout())) {
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        grid->setRowStretch(2, 1);
    }
}

void BrowsArchiefWindow::addOrders() {
    Orders& o = *orders_;
    for (StepStringManager& t : o.textThumbs)
        t.Init(StepManager::AllowAlpha | StepManager::AllowNumeric);
    struct Tab {
        StepManager* thumb;
        int key;
        Locator* locator;
    };
    const Tab tabs[] = {
        {&o.cdThumb, ArcKey::KeyCdNr, &o.numberLocators[0]},
        {&o.diskThumb, ArcKey::KeyDiskNr, &o.numberLocators[1]},
        {&o.textThumbs[0], ArcKey::KeyDiskCdNaam, &o.textLocators[0]},
        {&o.textThumbs[1], ArcKey::KeySoort, &o.textLocators[1]},
        {&o.textThumbs[2], ArcKey::KeyNaam, &o.textLocators[2]},
        {&o.dateThumb, ArcKey::Key_Date, &o.numberLocators[2]},
        {&o.textThumbs[3], ArcKey::KeyProducer, &o.textLocators[3]},
        {&o.textThumbs[4], ArcKey::KeySoort, &o.textLocators[4]},
    };
    for (const Tab& t : tabs) {
        browse_.AddSortOrder(t.thumb, t.key);
        browse_.AddLocator(t.locator);
        browse_.SetFilter(QString::fromLatin1(Standing));
    }
    for (const char* f : RowFields)
        browse_.AddField(field(f));
    o.uncounted.Init(Relate::Archief());
    for (const Tab& t : tabs) {
        o.uncounted.AddSortOrder(t.key);
        o.uncounted.SetFilter(QStringLiteral("ARC:Soort='Everything'"));
    }
}

// Every class, "Everything" included, in name order.
void BrowsArchiefWindow::fillClasses() {
    QStringList classes;
    FileManager& soorten = Access::SoortTabel();
    if (soorten.UseFile() == LevelBenign) {
        SoortTabelRecord row;
        soorten.File->setOrder(SrtKey::KeySoort);
        while (soorten.File->next(row) == store::Ok)
            classes << row.Soort.str();
    }
    const QString current = SRT.Soort.str();
    C().SetChoices(ClassList, classes);
    SRT.Soort = current;
    C().Display(ClassList);
}

void BrowsArchiefWindow::readUserSettings() {
    const QString user = FrameRules::userSection();
    QString cls = INIMgr().Fetch(user, ClassSel).trimmed();
    if (cls.isEmpty()) cls = QString::fromLatin1(Everything);
    GLO.ClassFilter = cls;
    SRT.Soort = GLO.ClassFilter.str();
    chosen_.setValue(0, SRT.Soort.str());
    C().Display(ClassList);
    bool ok = false;
    const int tab = INIMgr().Fetch(user, WhichTabKey).toInt(&ok);
    selectTab(ok ? tab : 1);
    ListSettings::paintStored(*list_);
    // The class filter is in place before the list is first filled.
    Post(controlEvent(EventKind::NewSelection, ClassList));
}

void BrowsArchiefWindow::writeUserSettings() {
    const QString user = FrameRules::userSection();
    INIMgr().Update(user, KeepSel, qint64(GLO.KeepSelection));
    if (GLO.KeepSelection == 0) GLO.ClassFilter = QString::fromLatin1(Everything);
    INIMgr().Update(user, ClassSel, GLO.ClassFilter.str());
    INIMgr().Update(user, WhichTabKey, qint64(whichTab_));
}

// A stored tab outside 1 to 7 lists by class, with the first tab shown.
void BrowsArchiefWindow::selectTab(int tab) {
    whichTab_ = tab;
    browse_.SetSort(tab >= 1 && tab <= Tabs ? tab : Tabs + 1);
    C().SetChoice(Sheet, tab >= 1 && tab <= Tabs ? tab : 1);
}

void BrowsArchiefWindow::ChooseClass(const QString& name) {
    SRT.Soort = name;
    C().Display(ClassList);
    Post(controlEvent(EventKind::NewSelection, ClassList));
}

void BrowsArchiefWindow::ChooseTab(int tab) {
    C().SetChoice(Sheet, tab);
    Post(controlEvent(EventKind::NewSelection, Sheet));
}

// A start refused because a list is open already ends here without touching the settings.
int BrowsArchiefWindow::Kill() {
    const bool opened = filesOpened_;
    if (opened) {
        if (Opened && explorer_) explorer_->Save();
        writeUserSettings();
        FieldBindings::instance().UnbindName(QStringLiteral("SoftwareClass"));
        orders_->uncounted.Kill();
        Relate::SoortTabel().Close();
        Relate::Archief().Close();
    }
    filesOpened_ = false;
    const int level = WindowController::Kill();
    if (opened) tellToolbar();
    return level;
}

// Every reset puts the class filter in place (it replaces the standing one), and a reload
// counts the entries again; the caption, the buttons and the highlight follow.
void BrowsArchiefWindow::Reset(bool force) {
    applyClassFilter();
    WindowController::Reset(force);
    if (force || count_ < 0) recount();
    SetTitle(GLO.ClassFilter.str() + QLatin1String(CountText) + QString::number(count_));
    enableButtons();
    showHighlight();
}

void BrowsArchiefWindow::applyClassFilter() {
    const QString cls = chosen_.text(0);
    for (int order = 0; order < int(browse_.Orders.size()); ++order) {
        ViewManager::SortOrder& o = browse_.Orders[size_t(order)];
        o.Filter.clear();
        if (!isEverything(cls))
            o.Filter.push_back({QString::fromLatin1(ViewManager::StandardFilter),
                                QString::fromLatin1(ClassFilter)});
    }
    if (browse_.Opened) browse_.ApplyFilter();
}

// The view counted by the engine, less its entries of class "Everything" when every class
// is listed; a failed count leaves the last one.
void BrowsArchiefWindow::recount() {
    const BusyCursor busy;
    const qint64 all = browse_.Count();
    if (all < 0) return;
    qint64 left = 0;
    if (isEverything(chosen_.text(0))) {
        ViewManager& u = orders_->uncounted;
        u.SetSort(browse_.Sort + 1);
        left = u.Count();
        if (left < 0) return;
    }
    count_ = all - left;
    GLO.ArchiveCount = quint32(std::max<qint64>(0, count_));
}

void BrowsArchiefWindow::enableButtons() {
    const bool some = count_ > 0;
    const bool changes = GLO.UserLevel >= 2;
    const bool exists[] = {
        Procedures::exists(Procedure::PrintSelection), Procedures::exists(Procedure::PrintRecord),
        Procedures::exists(Procedure::ScanResults), Procedures::exists(Procedure::Search)};
    C().Enable(IncludeButton, changes && some);
    C().Enable(DeleteButton, changes && some);
    C().Enable(DeleteMediumButton, changes && some);
    C().Enable(NewCdButton, changes);
    C().Enable(NewDiskButton, changes);
    C().Enable(PropertiesButton, some);
    C().Enable(WebsiteButton, some);
    C().Enable(EmailButton, some);
    C().Enable(PrintButton, some && exists[0]);
    C().Enable(PrintRecordButton, some && exists[1]);
    C().Enable(ScanButton, exists[2]);
    C().Enable(SearchButton, exists[3]);
}

// The highlighted entry's file name above the list, its medium in the current-medium
// globals the record form adds a file to.
void BrowsArchiefWindow::showHighlight() {
    const int row = browse_.CurrentChoice;
    if (row < 1 || row > int(browse_.ListQueue.size())) {
        if (highlighted_ == RecordId{}) return;
        highlighted_ = {};
        fileName_.clear();
        C().Display(FileNameEntry);
        return;
    }
    const BrowseRow& r = browse_.ListQueue[size_t(row - 1)];
    if (r.Identity == highlighted_ && !fileName_.isEmpty()) return;
    highlighted_ = r.Identity;
    auto text = [&](const char* f) { return std::get<QString>(r.Values.at(size_t(field(f)))); };
    auto number = [&](const char* f) { return std::get<qint64>(r.Values.at(size_t(field(f)))); };
    fileName_ = text("ARC:Naam");
    GLO.CurrentMediumName = text("ARC:CDiskNaam");
    GLO.CurrentCdNr = quint16(number("ARC:CdNr"));
    GLO.CurrentDiskNr = quint16(number("ARC:DiskNr"));
    C().Display(FileNameEntry);
}
