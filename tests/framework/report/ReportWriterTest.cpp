#include "framework/report/ReportWriter.h"

#include "framework/report/TextMeasure.h"

#include <gtest/gtest.h>

namespace {

// Every character one unit per point of the font: easy widths to reason about.
class EvenMeasure : public TextMeasure {
public:
    PageUnits Width(const QString& text, const ReportFont& font) override {
        return PageUnits(text.size() * font.points * 10);
    }
};

// A list of numbered entries: a title and the column heads on every page, "Page n" at the
// foot of every page.
class ReportWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        layout.Paper = {10000, 8000}; // 100 × 80 mm
        layout.Left = layout.Right = 1000;
        layout.Top = layout.Bottom = 500;
        body = layout.AddFont({QStringLiteral("Times New Roman"), 10});
        title = layout.AddFont({QStringLiteral("Arial"), 14, true});
        line = layout.LineHeight(body);
        layout.PageHeader = Band(1000);
        layout.PageHeader.Text(0, 0, 8000, QStringLiteral("Entries"), title)
            .Rule(0, 900, 8000, 900, 10);
        layout.PageFooter = Band(line);
        layout.PageFooter.PageNumber(0, 0, 8000);
        layout.Detail = Band(line);
        layout.Detail
            .Value(
                0, 0, 1000, [this] { return FieldValue(number); }, "@N_6")
            .Value(
                1200, 0, 3000, [this] { return FieldValue(name); }, "@s20");
    }

    // Texts of each page.
    std::vector<QStringList> texts() const {
        std::vector<QStringList> out;
        for (int n = 1; n <= store.Count(); ++n)
            out.push_back(store.Read(n).lines());
        return out;
    }
    // Lines that fit between the header and the footer.
    int linesPerPage() const {
        return (layout.Paper.height - layout.Top - layout.Bottom - layout.PageHeader.Height -
                layout.PageFooter.Height) /
               line;
    }

    ReportLayout layout;
    PageStore store;
    int body = 0, title = 0;
    PageUnits line = 0;
    qint64 number = 0;
    QString name;
};

TEST_F(ReportWriterTest, DetailsRunOverPagesEachWithItsHeaderAndPageNumber) {
    ReportWriter writer(layout, store);
    const int perPage = linesPerPage();
    const int entries = perPage * 2 + 3;
    for (int n = 1; n <= entries; ++n) {
        number = n * 1000;
        name = QStringLiteral("Program %1").arg(n);
        ASSERT_TRUE(writer.PrintDetail());
    }
    ASSERT_TRUE(writer.Close());
    ASSERT_EQ(store.Count(), 3);
    const auto pages = texts();
    for (int p = 0; p < 3; ++p) {
        EXPECT_EQ(pages[size_t(p)].first(), "Entries");
        EXPECT_EQ(pages[size_t(p)].last(), QStringLiteral("Page %1").arg(p + 1));
    }
    EXPECT_EQ(pages[0][1], "1 000 Program 1");
    EXPECT_EQ(pages[1][1], QStringLiteral("%1 000 Program %2").arg(perPage + 1).arg(perPage + 1));
    EXPECT_EQ(pages[2].size(), 2 + 3);
    // Nothing is printed into the footer's room.
    const PageUnits footerTop = layout.Paper.height - layout.Bottom - layout.PageFooter.Height;
    for (int n = 1; n <= store.Count(); ++n)
        for (const PageItem& item : store.Read(n).items)
            if (!item.text.startsWith("Page ")) {
                EXPECT_LE(item.y + item.height, footerTop) << item.text.toStdString();
            }
    EXPECT_EQ(store.Fonts, layout.Fonts);
    EXPECT_EQ(store.Paper, layout.Paper);
}

TEST_F(ReportWriterTest, AReportThatPrintsNothingHasNoPage) {
    ReportWriter writer(layout, store);
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(store.Count(), 0);
}

TEST_F(ReportWriterTest, ValuesGoThroughTheirPicturesAndBlankValuesLeaveNoItem) {
    layout.Detail.Value(
        4500, 0, 1000, [] { return FieldValue(qint64(123456)); }, "@N6_.2B", body, Align::Right, 2);
    layout.Detail.Value(
        6000, 0, 1000, [] { return FieldValue(qint64(0)); }, "@N_6B");
    layout.Detail.Value(7000, 0, 1000, [] { return FieldValue(QStringLiteral("   ")); });
    ReportWriter writer(layout, store);
    number = 7;
    name = QStringLiteral("A name that is longer than twenty characters");
    writer.PrintDetail();
    writer.Close();
    const QStringList lines = store.Read(1).lines();
    EXPECT_EQ(lines[1], "7 A name that is longe 1 234.56");
    int texts = 0; // the title, three values of the detail and the page number
    for (const PageItem& item : store.Read(1).items)
        texts += item.kind == ItemKind::Text;
    EXPECT_EQ(texts, 5);
    for (const PageItem& item : store.Read(1).items)
        if (item.text == "1 234.56") {
            EXPECT_EQ(item.align, Align::Right);
            EXPECT_EQ(item.x, layout.Left + 4500);
            EXPECT_EQ(item.width, 1000);
        }
}

TEST_F(ReportWriterTest, AGroupHeaderComesBeforeTheFirstDetailAndAtEachChangeOfItsValue) {
    QString group;
    ReportLayout::Group g;
    g.By = [&] { return FieldValue(group); };
    g.Header = Band(line);
    g.Header.Value(0, 0, 5000, [&] { return FieldValue(QStringLiteral("== ") + group); });
    layout.Groups.push_back(g);
    ReportWriter writer(layout, store);
    for (const char* value : {"Games", "Games", "Tools", "Games"}) {
        group = QString::fromLatin1(value);
        name = QStringLiteral("p");
        writer.PrintDetail();
    }
    writer.Close();
    EXPECT_EQ(store.Read(1).lines(), QStringList({"Entries", "== Games", "0 p", "0 p", "== Tools",
                                                  "0 p", "== Games", "0 p", "Page 1"}));
}

TEST_F(ReportWriterTest, ALongDescriptionWrapsWithinItsColumnOverAsManyPagesAsItNeeds) {
    EvenMeasure measure;
    QString description;
    for (int n = 0; description.size() < 10000; ++n)
        description += QStringLiteral("word%1 ").arg(n);
    description.truncate(10000);
    Band block(line * 3);
    block.Text(0, 0, 2000, QStringLiteral("Description :"), body)
        .Wrapped(
            2200, 0, 5800, [&] { return FieldValue(description); }, body)
        .Text(0, line * 2, 2000, QStringLiteral("End :"), body);
    ReportWriter writer(layout, store);
    writer.SetMeasure(measure);
    ASSERT_TRUE(writer.Print(block));
    ASSERT_TRUE(writer.Close());

    ASSERT_GT(store.Count(), 5);
    QString joined;
    const PageUnits footerTop = layout.Paper.height - layout.Bottom - layout.PageFooter.Height;
    for (int n = 1; n <= store.Count(); ++n) {
        const Page page = store.Read(n);
        EXPECT_EQ(page.lines().first(), "Entries");
        EXPECT_EQ(page.lines().last(), QStringLiteral("Page %1").arg(n));
        for (const PageItem& item : page.items) {
            if (item.x != layout.Left + 2200) continue;
            EXPECT_LE(measure.Width(item.text, layout.Fonts[0]), 5800) << item.text.toStdString();
            EXPECT_LE(item.y + item.height, footerTop);
            joined += (joined.isEmpty() ? "" : " ") + item.text;
        }
    }
    EXPECT_EQ(joined, description.trimmed()); // every character, in order
    EXPECT_EQ(store.Read(1).lines()[1].left(19), "Description : word0");
    // What stands below the wrapped text follows its last line.
    const QStringList last = store.Read(store.Count()).lines();
    EXPECT_EQ(last[last.size() - 2], "End :");
}

TEST_F(ReportWriterTest, ABandTallerThanAPageGoesOnAPageOfItsOwn) {
    ReportWriter writer(layout, store);
    name = QStringLiteral("before");
    writer.PrintDetail();
    Band huge(layout.Paper.height);
    huge.Text(0, 0, 1000, QStringLiteral("huge"));
    writer.Print(huge);
    name = QStringLiteral("after");
    writer.PrintDetail();
    writer.Close();
    ASSERT_EQ(store.Count(), 3);
    EXPECT_EQ(store.Read(2).lines()[1], "huge");
    EXPECT_EQ(store.Read(3).lines()[1], "0 after");
}

TEST(WrapText, BreaksAtBlanksBetweenEastAsianCharactersAndInsideOverlongWords) {
    EvenMeasure measure;
    const ReportFont font{QStringLiteral("Arial"), 10}; // 100 units a character
    EXPECT_EQ(WrapText("one two three four", 900, font, measure),
              QStringList({"one two", "three", "four"}));
    EXPECT_EQ(WrapText("软件目录软件目录", 300, font, measure),
              QStringList({"软件目", "录软件", "目录"}));
    EXPECT_EQ(WrapText("abcdefghij", 400, font, measure), QStringList({"abcd", "efgh", "ij"}));
    EXPECT_EQ(WrapText("first\r\nsecond\n\nthird", 1000, font, measure),
              QStringList({"first", "second", "", "third"}));
    EXPECT_EQ(WrapText("", 1000, font, measure), QStringList({""}));
    // A column narrower than one character still takes a character per line.
    EXPECT_EQ(WrapText("ab", 10, font, measure), QStringList({"a", "b"}));
    // A combining accent stays with its letter.
    EXPECT_EQ(WrapText(QStringLiteral("e\u0301e\u0301"), 150, font, measure),
              QStringList({QStringLiteral("e\u0301"), QStringLiteral("e\u0301")}));
}

TEST(WrapText, TheEstimateCountsWideCharactersDoubleAndMarksNothing) {
    EstimatedMeasure estimate;
    const ReportFont font{QStringLiteral("Arial"), 10};
    const PageUnits latin = estimate.Width("ab", font);
    EXPECT_NEAR(estimate.Width("软件", font), latin * 2 / 1.1, 2);
    EXPECT_EQ(estimate.Width(QStringLiteral("e\u0301"), font), estimate.Width("e", font));
    EXPECT_EQ(estimate.Width("", font), 0);
}

} // namespace
