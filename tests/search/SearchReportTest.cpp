#include "framework/ErrorManager.h"
#include "framework/Pictures.h"
#include "framework/report/PrintService.h"
#include "search/ResultReport.h"
#include "search/ResultTitles.h"
#include "search/SearchReportWindow.h"
#include "support/CatalogueTest.h"
#include "support/QtPrinters.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>

using namespace search;

namespace {

int pdfPages(const QByteArray& pdf) {
    int count = 0;
    auto it = QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(pdf));
    for (; it.hasNext(); it.next())
        ++count;
    return count;
}

// `count` matches on CD 7, "FILE<n>.EXE" newest last, every tenth without a date.
ResultList matches(int count) {
    ResultBuilder b;
    for (int n = 1; n <= count; ++n) {
        const std::string file = "FILE" + std::to_string(n) + ".EXE";
        b.add(quint32(n), 7, 0, n % 10 ? 80000 + n : 0, n % 10 ? 4320001 : 0, "Games CD", file,
              "Kestrel", "shareware");
    }
    return b.take();
}

class SearchReportTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        WindowController::SetServices(&errors, &ini);
    }
    void TearDown() override {
        settleEvents();
        WindowController::SetServices(nullptr, nullptr);
        DataDirTest::TearDown();
    }
    // The pages of a report over `list`, each as its lines.
    std::vector<QStringList> print(const ResultList& list, const QString& heading) {
        ResultReport report(list, heading);
        QString error;
        EXPECT_TRUE(report.Write(pages, error)) << error.toStdString();
        std::vector<QStringList> out;
        for (int n = 1; n <= pages.Count(); ++n)
            out.push_back(pages.Read(n).lines());
        return out;
    }
    // Shows the preview of `pages`; `whileOpen` runs on it, then it is cancelled if still open.
    bool preview(const std::function<void(SearchReportWindow&)>& whileOpen) {
        SearchReportWindow w(pages, "Results of search for phrase zip in File name");
        whenShown("SearchReport", [&](QWidget&) {
            whileOpen(w);
            settleEvents();
            if (w.Looping()) press(w, SearchReportWindow::CancelButton);
        });
        w.Run();
        return w.Printed;
    }
    void press(SearchReportWindow& w, int button) {
        static_cast<QAbstractButton*>(w.C().widget(button))->click();
        settleEvents();
    }

    ErrorManager errors;
    PageStore pages;
};

} // namespace

TEST_F(SearchReportTest, OneLinePerMatchInTheListsOrderUnderTheSearchsHeading) {
    ResultList list = matches(3);
    list.sort(headerOrder(ResultColumn::Nr, false)); // highest number first
    const auto shown = print(list, reportHeading(0, 0, "file  ", "File name  "));
    ASSERT_EQ(shown.size(), 1u);
    const QStringList& page = shown[0];
    ASSERT_EQ(page.size(), 7);
    EXPECT_EQ(page[0], "Results of search for phrase : file in File name");
    EXPECT_EQ(page[1], "Date : 08/12/2026 Time : 10:30:00");
    EXPECT_EQ(page[2], "Nr Cd Nr. Disk Nr. Name File Name Date Time Producer Remarks");
    EXPECT_EQ(page[3], "3 7 Games CD FILE3.EXE " + Pictures::format(80003, QStringLiteral("@D6")) +
                           " 12:00:00 Kestrel shareware");
    EXPECT_TRUE(page[4].startsWith("2 7 Games CD FILE2.EXE "));
    EXPECT_TRUE(page[5].startsWith("1 7 Games CD FILE1.EXE "));
    EXPECT_EQ(page[6], "Page 1");
}

TEST_F(SearchReportTest, ManyMatchesRunOverPagesEachHeadedAndNumberedWithUncutNumbers) {
    const auto shown = print(matches(12000), reportHeading(0, 80010, "", "Date"));
    ASSERT_GT(shown.size(), 100u);
    int lines = 0;
    for (size_t p = 0; p < shown.size(); ++p) {
        EXPECT_TRUE(shown[p][0].startsWith("Results of search till date ")) << p;
        EXPECT_EQ(shown[p].last(), QStringLiteral("Page %1").arg(p + 1));
        lines += int(shown[p].size()) - 4;
    }
    EXPECT_EQ(lines, 12000);
    // Undated matches leave their date and time blank; numbers beyond four digits are whole.
    const QStringList& last = shown.back();
    EXPECT_EQ(last[last.size() - 2], "12 000 7 Games CD FILE12000.EXE Kestrel shareware");
}

TEST_F(SearchReportTest, ThePreviewPagesForwardAndBackAndSavesAPdf) {
    (void)print(matches(200), "Results of search for phrase : zip in File name");
    ASSERT_GE(pages.Count(), 3);
    const int count = pages.Count();
    const bool printed = preview([&](SearchReportWindow& w) {
        EXPECT_EQ(w.TopLevel().windowTitle(), "Results of search for phrase zip in File name");
        EXPECT_EQ(w.CurrentPage(), 1);
        EXPECT_FALSE(w.C().IsEnabled(SearchReportWindow::PreviousButton));
        EXPECT_EQ(w.C().TextOf(SearchReportWindow::PageText),
                  QStringLiteral("Page 1 of %1").arg(count));
        press(w, SearchReportWindow::NextButton);
        press(w, SearchReportWindow::NextButton);
        EXPECT_EQ(w.CurrentPage(), 3);
        press(w, SearchReportWindow::PreviousButton);
        EXPECT_EQ(w.CurrentPage(), 2);
        EXPECT_TRUE(w.C().IsEnabled(SearchReportWindow::PreviousButton));

        host.answerFile(dataPath("hits")); // ".pdf" is added
        press(w, SearchReportWindow::SavePdfButton);
        EXPECT_TRUE(host.dialogs().back().start.endsWith("/SearchReport.pdf"));
        host.answerFile(dataPath("missing/hits.pdf"));
        press(w, SearchReportWindow::SavePdfButton);
        EXPECT_TRUE(w.Looping()) << "a file that cannot be written leaves the preview open";
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->caption, "Search Results");
        EXPECT_TRUE(host.lastMessage()->text.startsWith("The PDF file \""));
    });
    EXPECT_FALSE(printed) << "left by Cancel";
    EXPECT_EQ(pdfPages(readFile("hits.pdf")), count);
}

TEST_F(SearchReportTest, PrintReportSendsEveryPageAndClosesAFailingPrinterLeavesItOpen) {
    (void)print(matches(120), "Results of search for phrase : zip in File name");
    const int count = pages.Count();
    QPrinter& printer = PrintService::Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dataPath("no folder/printed.pdf"));
    bool printed = preview([&](SearchReportWindow& w) {
        press(w, SearchReportWindow::PrintButton);
        EXPECT_TRUE(w.Looping());
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_TRUE(host.lastMessage()->text.contains("printed.pdf\" cannot be written"))
            << host.lastMessage()->text.toStdString();
    });
    EXPECT_FALSE(printed);
    printer.setOutputFileName(dataPath("printed.pdf"));
    printed = preview([&](SearchReportWindow& w) {
        press(w, SearchReportWindow::NextButton);
        press(w, SearchReportWindow::PrintButton);
        EXPECT_FALSE(w.Looping()) << "closing";
    });
    printer.setOutputFileName({});
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_TRUE(printed);
    EXPECT_EQ(pdfPages(readFile("printed.pdf")), count) << "all pages";
    for (const ScriptedHost::ShownDialog& d : host.dialogs())
        EXPECT_NE(d.kind, ScriptedHost::DialogKind::Print) << "straight to the printer";
}

TEST_F(SearchReportTest, APreviewOfOnePageCannotPage) {
    (void)print(matches(1), "Results of search from date 01/01/1990");
    preview([&](SearchReportWindow& w) {
        EXPECT_FALSE(w.C().IsEnabled(SearchReportWindow::NextButton));
        EXPECT_FALSE(w.C().IsEnabled(SearchReportWindow::PreviousButton));
        EXPECT_EQ(w.C().TextOf(SearchReportWindow::PageText), "Page 1 of 1");
    });
}
