#include "search/SearchWindow.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "framework/DayNumbers.h"
#include "framework/window/WindowRegistry.h"
#include "search/ResultModel.h"
#include "search/SearchResultWindow.h"
#include "support/CatalogueTest.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

using S = SearchWindow;
using R = SearchResultWindow;

template <class T> T* control(WindowController& w, int number) {
    return qobject_cast<T*>(w.C().widget(number));
}
void press(WindowController& w, int number) {
    control<QPushButton>(w, number)->click();
    settleEvents();
}
void typeInto(WindowController& w, int number, const QString& text) {
    auto* edit = control<QLineEdit>(w, number);
    edit->selectAll();
    edit->insert(text);
    settleEvents();
}
void chooseSubject(WindowController& w, int subject) {
    control<QRadioButton>(w, S::FirstSubject + subject - 1)->click();
    settleEvents();
}

std::vector<quint32> archiveNumbers(R& results) {
    std::vector<quint32> out;
    for (size_t i = 0; i < results.model().list().records(); ++i)
        out.push_back(results.model().list().row(i).archiveNr);
    return out;
}

} // namespace

class SearchWindowTest : public CatalogueTest {
protected:
    R::FormOpener realForm = R::OpenArchiveForm;
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        add("D:\\", "TOOLS\\PKZIP.EXE", Pictures::dayNumber(1998, 3, 14), "PKWare");
        add("Games CD", "readme.zip", Pictures::dayNumber(1997, 1, 2), "Kestrel");
        add("Games CD", "CHESS.EXE", 0, "Kestrel");
        add("Games CD", "NOEXTENSION", Pictures::dayNumber(1997, 1, 2), "Kestrel");
    }
    void TearDown() override {
        closeAll();
        R::OpenArchiveForm = realForm;
        CatalogueTest::TearDown();
    }

    void add(const QString& medium, const QString& file, qint32 date, const QString& producer) {
        ARC.clear();
        ARC.CDiskNaam = medium;
        ARC.Naam = file;
        ARC.Date = date;
        ARC.Time = date ? Pictures::timeValue(12, 0, 0) : 0;
        ARC.Producer = producer;
        ARC.Soort = "Tools";
        ASSERT_EQ(Access::Archief().TryInsert(), LevelBenign);
    }

    S* open() {
        auto* w = new S;
        w->Start();
        settleEvents();
        return GLO.Threads.isOpen(Instance::Search) ? w : nullptr;
    }
    R* results() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                if (auto* view = top->findChild<QTableView*>())
                    if (auto* model = dynamic_cast<ResultModel*>(view->model()))
                        return dynamic_cast<R*>(model->parent());
        return nullptr;
    }
    // Closes this test's windows, and only those.
    void closeAll() {
        for (Instance i : {Instance::SearchResults, Instance::Search})
            if (WindowController* w = WindowRegistry::Top(int(GLO.Threads.thread(i))))
                w->TopLevel().close();
        settleEvents();
    }
    R* search(S& w, int subject, const QString& phrase) {
        chooseSubject(w, subject);
        typeInto(w, S::PhraseEntry, phrase);
        press(w, S::GoButton);
        return results();
    }
};

TEST_F(SearchWindowTest, FindsByFileNameAndOpensTheResultsInTheirStartingOrder) {
    S* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->C().IsHidden(S::FromEntry)) << "no subject: no dates";
    R* r = search(*w, 2, "zip");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->TopLevel().windowTitle(), "Search result of File name: zip -- 2 found");
    // "D:\" sorts before "Games CD"; numbers follow the record order.
    EXPECT_EQ(archiveNumbers(*r), (std::vector<quint32>{1, 2}));
    EXPECT_EQ(r->model().cell(1, search::ResultColumn::Nr), "2");
    EXPECT_EQ(GLO.SearchResultQueue.records(), 2u);
    EXPECT_EQ(r->view().currentIndex().row(), 0) << "the first row is selected";
    EXPECT_EQ(r->action().button, "&Start");
    EXPECT_EQ(r->action().command, "D:\\TOOLS\\PKZIP.EXE");

    // A second start brings the open window forward and opens nothing new.
    Search();
    settleEvents();
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        windows += top->isVisible() && top->windowTitle() == "Extended Search";
    EXPECT_EQ(windows, 1);
}

TEST_F(SearchWindowTest, MissingSubjectAndPhraseAreTold) {
    S* w = open();
    ASSERT_NE(w, nullptr);
    press(*w, S::GoButton);
    ASSERT_EQ(host.messages().size(), 2u);
    EXPECT_EQ(host.messages()[0].text, "No subject selected");
    EXPECT_EQ(host.messages()[0].caption, "Wareloft");
    EXPECT_EQ(host.messages()[1].text, "No phrase to search for..");
    chooseSubject(*w, 1);
    typeInto(*w, S::PhraseEntry, "   ");
    press(*w, S::GoButton);
    EXPECT_EQ(host.lastMessage()->text, "No phrase to search for..") << "blanks are no phrase";
    EXPECT_EQ(results(), nullptr);
}

TEST_F(SearchWindowTest, NothingFoundAsksForANewSearch) {
    S* w = open();
    ASSERT_NE(w, nullptr);
    host.answer(1); // "&Yes": a new search
    EXPECT_EQ(search(*w, 5, "nobody"), nullptr);
    EXPECT_EQ(host.lastMessage()->text, "No matching phrase found, new search?");
    EXPECT_EQ(host.lastMessage()->buttonNames, "&Yes|&No");
    EXPECT_TRUE(control<QLineEdit>(*w, S::PhraseEntry)->text().isEmpty());
    EXPECT_TRUE(GLO.Threads.isOpen(Instance::Search));

    host.answer(2); // "&No" closes the window
    search(*w, 5, "nobody");
    settleEvents();
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::Search));
    EXPECT_EQ(ini.Fetch("System", "SearchOption"), "6") << "Remarks is kept as its place + 1";
}

TEST_F(SearchWindowTest, DatesShowForTheDateSubjectAndFindTheRange) {
    ini.Update("System", "SearchOption", "4");
    S* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->subject(), 3);
    EXPECT_FALSE(w->C().IsHidden(S::FromEntry));

    host.answer(1);
    press(*w, S::GoButton); // no date given: nothing read, the question
    EXPECT_EQ(host.lastMessage()->text, "No matching phrase found, new search?");

    // The calendar puts the day clicked into Till.
    whenShown("Calendar", [](QWidget& calendar) {
        calendar.findChild<QAbstractButton*>(QStringLiteral("control%1").arg(20 + 9))->click();
    });
    press(*w, S::TillCalendar);
    EXPECT_EQ(control<QLineEdit>(*w, S::TillEntry)->text(), "08/12/2026");
    typeInto(*w, S::TillEntry, "31/12/1997");
    press(*w, S::GoButton);
    R* r = results();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->TopLevel().windowTitle(), "Results of search till date 31/12/1997");
    // The undated entry counts as earlier than every date.
    EXPECT_EQ(r->model().list().records(), 3u);

    chooseSubject(*w, 1);
    EXPECT_TRUE(w->C().IsHidden(S::TillEntry));
}

TEST_F(SearchWindowTest, HeaderClicksSortWithTheirFirstDirections) {
    S* w = open();
    ASSERT_NE(w, nullptr);
    R* r = search(*w, 1, "games");
    ASSERT_NE(r, nullptr);
    const int date = int(search::ResultColumn::Date);
    r->clickHeader(date); // oldest first; undated earliest
    EXPECT_EQ(r->model().cell(0, search::ResultColumn::FileName), "CHESS.EXE");
    r->clickHeader(date); // newest first, then file name
    EXPECT_EQ(r->model().cell(0, search::ResultColumn::FileName), "NOEXTENSION");
    EXPECT_EQ(r->model().cell(1, search::ResultColumn::FileName), "readme.zip");
    r->clickHeader(int(search::ResultColumn::FileName)); // descending first
    EXPECT_EQ(r->model().cell(0, search::ResultColumn::FileName), "readme.zip");
    r->view().horizontalHeader()->sectionClicked(int(search::ResultColumn::FileName));
    EXPECT_EQ(r->model().cell(0, search::ResultColumn::FileName), "CHESS.EXE");
}

TEST_F(SearchWindowTest, RowActionsFollowTheExtension) {
    mapDrive('D', "cd");
    S* w = open();
    ASSERT_NE(w, nullptr);
    R* r = search(*w, 4, "e");
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->model().list().records(), 4u);
    // D:\ first: the row runs at once through the shell.
    EXPECT_FALSE(r->C().IsHidden(R::ActionButton));
    press(*r, R::ActionButton);
    EXPECT_EQ(host.shellOpened(), QStringList{"D:\\TOOLS\\PKZIP.EXE"})
        << "the stored form: the host finds its folder";
    r->view().selectRow(2); // Games CD: NOEXTENSION
    settleEvents();
    EXPECT_EQ(r->model().cell(2, search::ResultColumn::FileName), "NOEXTENSION");
    EXPECT_TRUE(r->C().IsHidden(R::ActionButton));
    r->view().selectRow(3);
    settleEvents();
    EXPECT_EQ(r->action().button, "&Read");
    EXPECT_EQ(r->action().fullPath, 0) << "not a drive root: the drive is asked";
}

TEST_F(SearchWindowTest, PropertiesOpenTheEntryAndADeletedOneIsNotFound) {
    static quint32 opened = 0;
    R::OpenArchiveForm = [](quint32 nr) { opened = nr; };
    S* w = open();
    ASSERT_NE(w, nullptr);
    R* r = search(*w, 2, "chess");
    ASSERT_NE(r, nullptr);
    press(*r, R::PropertiesButton);
    EXPECT_EQ(opened, 3u) << "by the entry's ARC:NR";

    // Deleted since the search: the archive form says so and writes nothing.
    R::OpenArchiveForm = realForm;
    ARC.NR = 3;
    ASSERT_EQ(Access::Archief().TryFetch(ArcKey::IDkey), LevelBenign);
    ASSERT_EQ(Relate::Archief().Delete(false), LevelBenign);
    const qint64 before = Access::Archief().File->records();
    press(*r, R::PropertiesButton);
    EXPECT_EQ(host.lastMessage()->text, "Can not find record");
    EXPECT_EQ(Access::Archief().File->records(), before);
}

TEST_F(SearchWindowTest, ColourColumnsAndANewSearchWhileTheResultsAreOpen) {
    ini.Update("System", "Color", "255"); // red
    S* w = open();
    ASSERT_NE(w, nullptr);
    R* r = search(*w, 2, "exe");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->model().data(r->model().index(0, 0), Qt::BackgroundRole).value<QColor>(),
              QColor(255, 0, 0));
    r->view().setColumnWidth(4, 400);

    R* again = search(*w, 4, "kestrel");
    EXPECT_EQ(again, r) << "the open results window takes the new matches";
    EXPECT_EQ(r->TopLevel().windowTitle(), "Search result of Producer: kestrel -- 3 found");
    EXPECT_EQ(r->model().list().records(), 3u);

    r->TopLevel().close();
    settleEvents();
    const std::vector<ListFormat::Column> kept =
        ListFormat::parse(ini.Fetch("System", "SearchBrowse"));
    ASSERT_EQ(kept.size(), 9u);
    EXPECT_EQ(kept[4].heading, "File Name");
    EXPECT_GT(kept[4].width, 100) << "the widened column is kept";
}

TEST_F(SearchWindowTest, AFileOffADriveRootAsksForTheDrive) {
    mapDrive('E', "cd");
    S* w = open();
    ASSERT_NE(w, nullptr);
    R* r = search(*w, 2, "readme");
    ASSERT_NE(r, nullptr);
    ASSERT_EQ(r->action().fullPath, 0);
    // First a drive that stands for no folder, then E:.
    whenShown("RunProgram", [this](QWidget& question) {
        auto* drives = question.findChild<QComboBox*>(QStringLiteral("control2"));
        auto* go = question.findChild<QPushButton*>(QStringLiteral("control3"));
        ASSERT_NE(drives, nullptr);
        EXPECT_EQ(drives->count(), 11) << "A:\\ to K:\\";
        drives->setCurrentIndex(drives->findText("H:\\"));
        Q_EMIT drives->activated(drives->currentIndex());
        settleEvents();
        go->click();
        settleEvents();
        EXPECT_EQ(host.lastMessage()->text, "Invalid drive -- Disk not ready");
        drives->setCurrentIndex(drives->findText("E:\\"));
        Q_EMIT drives->activated(drives->currentIndex());
        settleEvents();
        go->click();
    });
    press(*r, R::ActionButton);
    EXPECT_EQ(host.shellOpened(), QStringList{"E:\\" + r->action().command});
    EXPECT_TRUE(host.hostPath(host.shellOpened().value(0)).endsWith("cd/readme.zip"));
    EXPECT_EQ(ini.Fetch("System", "RunProgram"), "E:\\") << "the drive is proposed next time";
}
