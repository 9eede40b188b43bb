#include "framework/report/PageSelection.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> pages(const QString& text, int count) {
    PageSelection s;
    QString error;
    EXPECT_TRUE(PageSelection::Parse(text, count, s, error)) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    return s.Pages();
}

QString refused(const QString& text, int count) {
    PageSelection s;
    QString error;
    EXPECT_FALSE(PageSelection::Parse(text, count, s, error)) << text.toStdString();
    EXPECT_TRUE(s.Ranges().empty());
    return error;
}

TEST(PageSelection, PagesAndRangesInTheOrderWritten) {
    EXPECT_EQ(pages("1-3,5,8-", 10), std::vector<int>({1, 2, 3, 5, 8, 9, 10}));
    EXPECT_EQ(pages(" 4 - 5 , 2 ", 9), std::vector<int>({4, 5, 2}));
    EXPECT_EQ(pages("-2", 5), std::vector<int>({1, 2}));
    EXPECT_EQ(pages("3-3", 5), std::vector<int>({3}));
    EXPECT_EQ(pages("2,2,1-3,", 5), std::vector<int>({2, 1, 3})); // each page once
    EXPECT_EQ(pages(PageSelection::DefaultText(4), 4), std::vector<int>({1, 2, 3, 4}));
    EXPECT_EQ(PageSelection::DefaultText(12), "1-12");
    EXPECT_EQ(PageSelection::All(3).Pages(), std::vector<int>({1, 2, 3}));
}

TEST(PageSelection, ContainsAnswersWithoutListingEveryPage) {
    PageSelection s;
    QString error;
    ASSERT_TRUE(PageSelection::Parse("2-1000000,7", 2000000, s, error));
    EXPECT_TRUE(s.Contains(999999));
    EXPECT_TRUE(s.Contains(7));
    EXPECT_FALSE(s.Contains(1));
    EXPECT_FALSE(s.Contains(1000001));
}

TEST(PageSelection, BadSelectionsAreRefusedWithAMessageThatSaysWhy) {
    EXPECT_TRUE(refused("1-3;5", 10).contains("\"1-3;5\" is not a page or a range"));
    EXPECT_TRUE(refused("a", 10).contains("pages 1 to 10"));
    EXPECT_TRUE(refused("1-2-3", 10).contains("is not a page or a range"));
    EXPECT_TRUE(refused("-", 10).contains("names no page"));
    EXPECT_EQ(refused("0", 10), "There is no page 0: the report has pages 1 to 10.");
    EXPECT_EQ(refused("4-11", 10), "There is no page 11: the report has pages 1 to 10.");
    EXPECT_EQ(refused("99999999999999", 10),
              "There is no page 99999999999999: the report has pages 1 to 10.");
    EXPECT_EQ(refused("5-2", 10), "The range 5-2 runs backwards: write the first page first.");
    EXPECT_TRUE(refused("", 10).startsWith("No pages are chosen."));
    EXPECT_TRUE(refused(" , ", 10).startsWith("No pages are chosen."));
    EXPECT_TRUE(refused("1.5", 10).contains("is not a page"));
    EXPECT_TRUE(refused("+3", 10).contains("is not a page"));
}

} // namespace
