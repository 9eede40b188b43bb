#include "search/ResultList.h"
#include "framework/browse/ListFormat.h"
#include "search/ResultModel.h"
#include "search/ResultTitles.h"
#include "search/RowAction.h"

#include "framework/DayNumbers.h"

#include <gtest/gtest.h>

using namespace search;

namespace {

struct Hit {
    const char* name;
    const char* file;
    qint32 date, time;
    const char* producer;
};

ResultList listOf(const std::vector<Hit>& hits) {
    ResultBuilder b;
    quint32 nr = 100;
    for (const Hit& h : hits)
        b.add(++nr, 1, 0, h.date, h.time, h.name, h.file, h.producer, "");
    return b.take();
}

std::vector<quint32> numbers(const ResultList& list) {
    std::vector<quint32> out;
    for (size_t i = 0; i < list.records(); ++i)
        out.push_back(list.row(i).nr);
    return out;
}

} // namespace

TEST(ResultListTest, StartsByNameFileNewestDateAndTimeThenProducer) {
    ResultList list = listOf({{"disk b", "x.exe", 10, 1, "P"},
                              {"Disk A", "y.exe", 10, 1, "P"},
                              {"DISK A", "x.exe", 10, 1, "P"},
                              {"disk a", "x.exe", 20, 1, "P"},
                              {"disk a", "x.exe", 20, 5, "Q"},
                              {"disk a", "x.exe", 20, 5, "O"}});
    list.sort(startingOrder());
    // Texts compare without regard to case; equal keys keep the numbering order.
    EXPECT_EQ(numbers(list), (std::vector<quint32>{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(list.text(0, ResultList::Name), "disk a") << "shown as written";
}

TEST(ResultListTest, HeaderOrdersHaveTheirFirstDirectionsAndFurtherKeys) {
    EXPECT_TRUE(headerOrder(ResultColumn::Nr, false)[0].descending);
    EXPECT_FALSE(headerOrder(ResultColumn::Nr, true)[0].descending);
    EXPECT_FALSE(headerOrder(ResultColumn::Date, false)[0].descending);
    EXPECT_TRUE(headerOrder(ResultColumn::Time, true)[0].descending);
    const auto remarks = headerOrder(ResultColumn::Remarks, false);
    ASSERT_EQ(remarks.size(), 6u);
    EXPECT_EQ(remarks[1].column, ResultColumn::Date);
    EXPECT_TRUE(remarks[1].descending);
    EXPECT_EQ(remarks[3].column, ResultColumn::Producer);
    EXPECT_EQ(remarks[5].column, ResultColumn::Name);

    ResultList list = listOf({{"a", "b", 5, 0, ""}, {"a", "a", 0, 0, ""}, {"a", "c", 9, 0, ""}});
    list.sort(headerOrder(ResultColumn::Date, false));
    EXPECT_EQ(numbers(list), (std::vector<quint32>{2, 1, 3})) << "oldest first, undated first";
    list.sort(headerOrder(ResultColumn::FileName, false));
    EXPECT_EQ(numbers(list), (std::vector<quint32>{3, 1, 2}));
}

TEST(ResultListTest, ProducersAreShownAndSortedByTheirFirstThirtyCharacters) {
    const char* longer = "Producer with a name of forty characters";
    ResultList list =
        listOf({{"a", "f", 0, 0, longer}, {"a", "f", 0, 0, "Producer with a name of forty"}});
    EXPECT_EQ(list.text(0, ResultList::Producer), "Producer with a name of forty")
        << "cut to 30 characters, the blank at the cut dropped";
    list.sort({{ResultColumn::Producer, true}});
    EXPECT_EQ(numbers(list), (std::vector<quint32>{1, 2})) << "equal as shown";
}

TEST(ResultListTest, RowActionsByExtension) {
    RowAction a = rowAction("E:\\", "TOOLS\\SETUP.EXE", true);
    EXPECT_EQ(a.command, "E:\\TOOLS\\SETUP.EXE");
    EXPECT_EQ(a.fullPath, 1);
    EXPECT_EQ(a.button, "&Start");
    EXPECT_EQ(a.mode, 4);
    a = rowAction("L:\\", "run.bat", true);
    EXPECT_EQ(a.fullPath, 0) << "L is no drive of the launcher";
    EXPECT_EQ(a.button, "&Run");
    EXPECT_EQ(rowAction("CD", "icon.ico", true).mode, 2);
    EXPECT_TRUE(rowAction("CD", "read.me.txt", true).button.isEmpty())
        << "\"ME.\" follows the first dot";
    EXPECT_EQ(rowAction("CD", "notes.txt", false).mode, 3);
    EXPECT_EQ(rowAction("CD", "notes.TXT", true).mode, 4);
    EXPECT_TRUE(rowAction("CD", "Makefile", true).button.isEmpty());
    EXPECT_EQ(rowAction("CD", "Makefile", true).mode, 0);
}

TEST(ResultListTest, TitlesAndHeadingsOfAQuestion) {
    const qint32 d1 = Pictures::dayNumber(1998, 3, 14), d2 = Pictures::dayNumber(1999, 1, 2);
    EXPECT_EQ(resultsTitle(12, 0, 0, "zip  ", "File name"),
              "Search result of File name: zip -- 12 found");
    EXPECT_EQ(resultsTitle(3, d1, 0, "", "Date"), "Results of search from date 14/03/1998");
    EXPECT_EQ(resultsTitle(3, 0, d2, "", "Date"), "Results of search till date 02/01/1999");
    EXPECT_EQ(resultsTitle(3, d1, d2, "", "Date"),
              "Results of search from date 14/03/1998 till date 02/01/1999");
    EXPECT_EQ(reportHeading(0, 0, "zip", "Name"), "Results of search for phrase : zip in Name");
    EXPECT_EQ(previewTitle(0, 0, "zip", "Name"), "Results of search for phrase zip in Name");
}

TEST(ResultListTest, ColumnFormatsKeepWhatIsNotAWidth) {
    const std::vector<ListFormat::Column> columns =
        ListFormat::parse(QString::fromLatin1(ResultsFormat));
    ASSERT_EQ(columns.size(), 9u);
    EXPECT_EQ(columns[0].width, 29);
    EXPECT_TRUE(columns[0].right());
    EXPECT_EQ(columns[5].heading, "Date");
    EXPECT_EQ(columns[5].picture, "D6B");
    EXPECT_FALSE(columns[8].right());
    const QString wider = ListFormat::withWidths(QString::fromLatin1(ResultsFormat),
                                                 {30, 31, 32, 33, 34, 35, 36, 37, 38});
    EXPECT_TRUE(wider.startsWith("30R(1)|M~Nr~L@N_6@31R(1)"));
    EXPECT_TRUE(wider.contains("@s255@?35R(1)|M~Date~"));
    EXPECT_EQ(ListFormat::parse(wider)[8].width, 38);
    EXPECT_TRUE(ListFormat::parse("garbage").empty());
}
