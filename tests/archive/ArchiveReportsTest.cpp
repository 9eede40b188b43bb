#include "archive/ArchiveReports.h"
#include "core/Globals.h"
#include "framework/report/ReportWriter.h"
#include "framework/report/TextMeasure.h"
#include "support/DataDirTest.h"

namespace {

class ArchiveReportsTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        ARC.clear();
    }
    void TearDown() override {
        ARC.clear();
        DataDirTest::TearDown();
    }
    // A program on CD 12, as the scan imports it.
    static void onCd() {
        ARC.clear();
        ARC.NR = 42;
        ARC.CdNr = 12;
        ARC.CDiskNaam = "D:\\";
        ARC.Soort = "Games";
        ARC.Naam = "SETUP\\INSTALL.EXE";
        ARC.Size = 123456; // 1234.56 KB
        ARC.Date = 82000;
        ARC.Time = 3600001;
        ARC.Producer = "Acme Software Corporation International Ltd";
        ARC.Version = "2.01";
        ARC.Registration = "REG-77";
        ARC.Opmerkingen = "Needs a restart";
    }
    // Every page's texts.
    static std::vector<QStringList> pagesOf(const PageStore& store) {
        std::vector<QStringList> out;
        for (int n = 1; n <= store.Count(); ++n)
            out.push_back(store.Read(n).lines());
        return out;
    }
    // No two texts of one row of a page share any width: no column runs into another.
    static void expectColumnsApart(const PageStore& store) {
        for (int n = 1; n <= store.Count(); ++n) {
            const Page page = store.Read(n);
            for (size_t a = 0; a < page.items.size(); ++a)
                for (size_t b = a + 1; b < page.items.size(); ++b) {
                    const PageItem &p = page.items[a], &q = page.items[b];
                    if (p.kind != ItemKind::Text || q.kind != ItemKind::Text) continue;
                    const bool rowsMeet = p.y < q.y + q.height && q.y < p.y + p.height;
                    const bool columnsMeet = p.x < q.x + q.width && q.x < p.x + p.width;
                    EXPECT_FALSE(rowsMeet && columnsMeet)
                        << p.text.toStdString() << " | " << q.text.toStdString();
                }
            for (const PageItem& item : page.items)
                EXPECT_LE(item.x + item.width, store.Paper.width) << item.text.toStdString();
        }
    }
};

TEST_F(ArchiveReportsTest, EverythingListsEachEntryWithItsOwnClass) {
    SelectionReport report(QStringLiteral("Everything"), ARC);
    PageStore store;
    ReportWriter writer(report.Layout, store);
    onCd();
    report.TakeRecord();
    writer.PrintDetail();
    ARC.CdNr = 0;
    ARC.DiskNr = 3;
    ARC.Soort = "Utilities";
    ARC.Naam = "PKUNZIP.EXE";
    ARC.Size = 0;
    report.TakeRecord();
    writer.PrintDetail();
    writer.Close();
    const QStringList lines = store.Read(1).lines();
    EXPECT_EQ(lines[0], "Available Software");
    EXPECT_EQ(lines[1], "Date : 08/12/2026 Time : 10:30:00");
    EXPECT_EQ(lines[2], "Cd Nr. Disk Nr. Name File Name Software Class Size Version");
    // The name column shows the medium's first three characters; the size its text.
    EXPECT_EQ(lines[3], "12 D:\\ SETUP\\INSTALL.EXE Games 1234.5 2.01");
    EXPECT_EQ(lines[4], "3 D:\\ PKUNZIP.EXE Utilities 0.00 2.01");
    EXPECT_EQ(lines.last(), "Page 1");
    EXPECT_EQ(report.Class, "");
}

TEST_F(ArchiveReportsTest, AClassListsItsProducersUnderTheClassHeading) {
    SelectionReport report(QStringLiteral("Games"), ARC);
    EXPECT_FALSE(report.Everything);
    PageStore store;
    ReportWriter writer(report.Layout, store);
    onCd();
    report.TakeRecord();
    writer.PrintDetail();
    writer.Close();
    const QStringList lines = store.Read(1).lines();
    EXPECT_EQ(lines[0], "Selection Report of : Games");
    EXPECT_EQ(lines[2], "Cd Nr. Disk Nr. Name File Name Producer Size Version");
    EXPECT_EQ(lines[3], "12 D:\\ SETUP\\INSTALL.EXE Acme Software Corporation Inte 1234.5 2.01");
}

TEST_F(ArchiveReportsTest, FullLengthAndForeignNamesStayInTheirColumns) {
    SelectionReport selection(QStringLiteral("Everything"), ARC);
    DatabaseReport database(ARC);
    for (ReportLayout* layout : {&selection.Layout, &database.Layout}) {
        PageStore store;
        ReportWriter writer(*layout, store);
        for (const QString& name :
             {QString(255, QLatin1Char('W')),
              QStringLiteral("软件目录软件目录软件目录软件目录软件目录"),
              QStringLiteral("שלום עולם שלום עולם שלום עולם שלום עולם"),
              QStringLiteral("Ærø Café Crème Ñandú Ōsaka Żółć Ëlise Ïle Ümlaut")}) {
            onCd();
            ARC.Naam = name;
            ARC.CDiskNaam = name;
            ARC.Soort = name;
            ARC.Producer = name;
            ARC.Registration = name;
            ARC.Opmerkingen = name;
            ARC.Version = name;
            ARC.CdNr = 65535;
            ARC.DiskNr = 65535;
            ARC.Size = 999999999;
            selection.TakeRecord();
            writer.PrintDetail();
        }
        writer.Close();
        expectColumnsApart(store);
    }
}

TEST_F(ArchiveReportsTest, ASingleEntryPrintsNoneForWhatItLacksAndItsWholeDescription) {
    SingleRecordReport report(ARC);
    onCd();
    ARC.CdNr = 0;
    ARC.DiskNr = 7;
    ARC.CDiskNaam = "";
    ARC.Opmerkingen = "";
    QString description;
    for (int n = 0; description.size() < 10000; ++n)
        description += QStringLiteral("Line %1 of the description. ").arg(n);
    ARC.Omschrijving = description.left(10000);
    report.PrepareTexts(ARC);
    PageStore store;
    ReportWriter writer(report.Layout, store);
    writer.PrintDetail();
    writer.Close();
    ASSERT_GT(store.Count(), 1); // the description runs on
    const auto pages = pagesOf(store);
    EXPECT_EQ(pages[0][0], "Report of SETUP\\INSTALL.EXE");
    EXPECT_EQ(pages[0][1], "Date : 08/12/2026 Time : 10:30:00");
    EXPECT_EQ(pages[0].mid(2, 12),
              QStringList({"Record number : 000042", "Cd Nr. : None", "Disk Nr. : 7", "Name : None",
                           "Program class : Games", "Date : 01/07/2025", "Time : 10:00:00",
                           "Size : 1 234.6", "Producer : Acme Software Corporation Inte",
                           "Version : 2.01", "Registration nr. : REG-77", "Remarks : None"}));
    EXPECT_TRUE(pages[0][14].startsWith("Description : Line 0 of the description."));
    // Every word of the description comes out, in order, on this page and the next.
    QStringList words; // between the header (and on page 1 the fields) and the footer
    for (size_t n = 0; n < pages.size(); ++n)
        words << pages[n].mid(n == 0 ? 14 : 2, pages[n].size() - (n == 0 ? 15 : 3));
    QString joined = words.join(' ');
    joined.remove(QStringLiteral("Description : "));
    EXPECT_EQ(joined.simplified(), ARC.Omschrijving.str().simplified());
    for (size_t n = 1; n < pages.size(); ++n) {
        EXPECT_EQ(pages[n][0], "Report of SETUP\\INSTALL.EXE");
        EXPECT_EQ(pages[n].last(), QStringLiteral("Page %1").arg(n + 1));
    }
    expectColumnsApart(store);
}

TEST_F(ArchiveReportsTest, TheDatabaseListHasItsBoxedTwoLineHeadingAndTwoLinesAnEntry) {
    DatabaseReport report(ARC);
    EXPECT_GT(report.Layout.Paper.width, report.Layout.Paper.height);
    PageStore store;
    ReportWriter writer(report.Layout, store);
    onCd();
    writer.PrintDetail();
    writer.Close();
    const QStringList lines = store.Read(1).lines();
    EXPECT_EQ(lines[0], "Software Database");
    EXPECT_EQ(lines[1], "Date 08/12/26 Time : 10:30:00");
    EXPECT_EQ(lines[2], "Cd Nr Disk Nr Drive / Software Class Naam");
    EXPECT_EQ(lines[3], "Size Label Date Time Registration Opmerkingen");
    EXPECT_EQ(lines[4], "12 0 D:\\ Games SETUP\\INSTALL.EXE");
    EXPECT_EQ(lines[5], "1 234.56 01/07/25 10:00:00 REG-77 Needs a restart");
    int boxes = 0;
    for (const PageItem& item : store.Read(1).items)
        boxes += item.kind == ItemKind::Box;
    EXPECT_EQ(boxes, 1);
}

} // namespace
