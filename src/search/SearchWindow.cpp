#include "search/SearchWindow.h"

#include "core/Calendar.h"
#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Notices.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/host/Images.h"
#include "framework/window/BusyCursor.h"
#include "search/ArchiveSearch.h"
#include "search/SearchResultWindow.h"

#include <QApplication>
#include <QProgressBar>
#include <QWidget>

namespace {

const char* const SubjectTexts[] = {"&Name",     "&File Name", "Date",
                                    "Pro&ducer", "&Remarks",   "&Description"};
constexpr int Subjects = 6;

bool isDate(qint32 subject) {
    return subject == int(search::Subject::Date);
}

} // namespace

SearchWindow::SearchWindow() : WindowController(QStringLiteral("Search")) {
    SingleInstance = {[] { return int(GLO.Threads.thread(Instance::Search)); },
                      [](int t) { GLO.Threads.set(Instance::Search, quint32(t)); }};
}

void Search() {
    (new SearchWindow)->Start();
}

int SearchWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    Relate::Archief().Open();
    build();
    AddButton(CancelButton, RequestCancelled);
    FirstField = PhraseEntry;
    return Open();
}

void SearchWindow::build() {
    SetTitle(QStringLiteral("Extended Search"));
    Window().setWindowIcon(Images::icon(QStringLiteral("Seek.ico")));
    C().group(SubjectGroup, QStringLiteral("Subject"))
        .at(0, 0, 1, 4)
        .tip(QStringLiteral("Choose subject"));
    for (int i = 0; i < Subjects; ++i)
        C().radio(FirstSubject + i, QString::fromUtf8(SubjectTexts[i]), i + 1)
            .in(SubjectGroup)
            .at(i / 3, i % 3)
            .use(subject_)
            .tip(QStringLiteral("Choose subject"));
    C().button(FromCalendar, QStringLiteral("...")).at(1, 0);
    C().prompt(FromPrompt, QStringLiteral("From :")).at(1, 1);
    C().entry(FromEntry, QStringLiteral("@D6B")).at(1, 2).use(from_).width(10);
    C().prompt(TillPrompt, QStringLiteral("Till :")).at(2, 1);
    C().entry(TillEntry, QStringLiteral("@D6B")).at(2, 2).use(till_).width(10);
    C().button(TillCalendar, QStringLiteral("...")).at(2, 3);
    progress_ = new QProgressBar;
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    C().custom(Progress, progress_).at(3, 0, 1, 4);
    C().prompt(PhrasePrompt, QStringLiteral("Find Phrase:")).at(4, 0, 1, 2);
    C().entry(PhraseEntry, QStringLiteral("@s20"))
        .at(4, 2, 1, 2)
        .use(phrase_)
        .tip(QStringLiteral("Enter phrase and/or number"));
    C().button(GoButton, QStringLiteral("&Go")).at(5, 1).defaultButton();
    C().button(NewSearchButton, QStringLiteral("&New search")).at(5, 2);
    C().button(CancelButton, QStringLiteral("&Cancel")).at(5, 3);
    // Hidden date controls keep their room, so the window does not change size.
    for (int c : {FromCalendar, FromPrompt, FromEntry, TillPrompt, TillEntry, TillCalendar}) {
        QSizePolicy policy = C().widget(c)->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        C().widget(c)->setSizePolicy(policy);
        C().Hide(c);
    }
}

int SearchWindow::Kill() {
    GLO.SearchResultQueue.free();
    if (Opened) INIMgr().Update(FrameRules::userSection(), Settings::SearchOption, subject_ + 1);
    const int level = WindowController::Kill();
    Relate::Archief().Close();
    return level;
}

int SearchWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::OpenWindow) {
        const int option = INIMgr().FetchNumber(FrameRules::userSection(), Settings::SearchOption);
        subject_ = option >= 2 && option <= Subjects + 1 ? option - 1 : 0;
        Display();
        showDates();
    }
    return WindowController::TakeWindowEvent();
}

// Date shows the date controls and leads to From; every other subject leads to the phrase.
void SearchWindow::showDates() {
    const bool dates = isDate(subject_);
    for (int c : {FromCalendar, FromPrompt, FromEntry, TillPrompt, TillEntry, TillCalendar})
        C().Show(c, dates);
    Select(dates ? FromEntry : PhraseEntry);
}

int SearchWindow::TakeAccepted() {
    const int field = Field();
    if (field >= FirstSubject && field < FirstSubject + Subjects) {
        showDates();
        return LevelBenign;
    }
    switch (field) {
    case GoButton:
        go();
        return LevelNotify;
    case NewSearchButton:
        newSearch();
        return LevelNotify;
    case FromCalendar:
        pickDate(from_, from_);
        return LevelNotify;
    case TillCalendar:
        pickDate(till_, 0);
        return LevelNotify;
    default:
        break;
    }
    return WindowController::TakeAccepted();
}

// The date clicked in the calendar goes into the field; a calendar left without one
// changes nothing.
void SearchWindow::pickDate(qint32& date, qint32 start) {
    C().TakePending();
    bool chosen = false;
    const qint32 picked = PickDate(start, &chosen);
    if (!chosen) return;
    date = picked;
    Display();
}

void SearchWindow::go() {
    C().TakePending();
    if (subject_ != 0 && (!phrase_.isBlank() || isDate(subject_))) {
        search();
        return;
    }
    if (subject_ == 0) Notices::notice(QStringLiteral("No subject selected"));
    if (phrase_.isBlank() && !isDate(subject_)) {
        Notices::notice(QStringLiteral("No phrase to search for.."));
        Select(PhraseEntry);
    }
}

void SearchWindow::showProgress(qint64 done, qint64 total) {
    progress_->setValue(total > 0 ? int(done * 100 / total) : 0);
    // The windows are painted while the index is built; nothing typed is taken meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SearchWindow::search() {
    const auto subject = search::Subject(subject_);
    GLO.SearchResultQueue.free();
    std::optional<search::ResultList> found;
    if (isDate(subject_) && from_ == 0 && till_ == 0) {
        QApplication::beep();
        Select(FromEntry);
    } else {
        search::Question q{subject, phrase_.str(), from_, till_};
        QString error;
        const std::optional<BusyCursor> busy =
            search::archiveIndex().built() ? std::nullopt : std::make_optional<BusyCursor>();
        Relate::Archief().Manager().UseFile();
        found = search::searchArchive(
            *Relate::Archief().Manager().File, q,
            [this](qint64 d, qint64 t) { showProgress(d, t); }, error);
        if (!found) {
            Notices::notice(error);
            progress_->setValue(0);
            return;
        }
        recordsRead_ += quint32(search::archiveIndex().entries());
        progress_->setValue(int(std::min<quint32>(recordsRead_, 100)));
    }
    progress_->setValue(0);
    if (found && !found->empty()) {
        const size_t count = found->records();
        GLO.SearchResultQueue = std::move(*found);
        SearchResult(qint64(count), from_, till_, phrase_.str(), search::subjectLabel(subject));
        return;
    }
    if (Notices::ask(QStringLiteral("No matching phrase found, new search?"), true))
        newSearch();
    else
        Post(windowEvent(EventKind::CloseWindow));
}

void SearchWindow::newSearch() {
    GLO.SearchResultQueue.free();
    phrase_.clear();
    C().Display(PhraseEntry);
    Select(PhraseEntry);
}
