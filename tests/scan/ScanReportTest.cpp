#include "scan/ScanReport.h"
#include "framework/DayNumbers.h"
#include "framework/ErrorManager.h"
#include "framework/Pictures.h"
#include "framework/report/PreviewWindow.h"
#include "framework/textview/TextPrinter.h"
#include "scan/ViewReport.h"
#include "support/CatalogueTest.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace {

ScanFileEntry row(const QString& name, const QString& attribute, qint64 tenthsKb = 0) {
    ScanFileEntry e;
    e.SCANFILENAME = name;
    e.ATTRIB = attribute;
    e.SIZE = tenthsKb;
    e.DATE = Pictures::dayNumber(1999, 4, 30);
    e.TIME = 10 * 360000 + 15 * 6000 + 1;
    return e;
}

class ScanReportTest : public DataDirTest {
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
    // Every page's lines.
    std::vector<QStringList> write(const QString& directory,
                                   const std::vector<ScanFileEntry>& rows) {
        ScanReportPages report(directory, Pictures::dayNumber(2026, 12, 8), 3600001);
        EXPECT_TRUE(report.Write(rows, pages));
        std::vector<QStringList> out;
        for (int n = 1; n <= pages.Count(); ++n)
            out.push_back(pages.Read(n).lines());
        return out;
    }

    ErrorManager errors;
    PageStore pages;
};

TEST_F(ScanReportTest, EveryRowOnceUnderTheHeadingAndColumnTitlesOnEveryPage) {
    std::vector<ScanFileEntry> rows{row("TOOLS", "Directory")};
    for (int i = 1; i <= 150; ++i)
        rows.push_back(row(QStringLiteral("TOOLS\\FILE%1.EXE").arg(i), "File", 12345));
    // The window hands over 32 characters at most; longer texts are cut here too.
    const std::vector<QStringList> shown = write("D:\\A VERY LONG DIRECTORY NAME\\WITH MORE", rows);
    ASSERT_GE(shown.size(), 3u);
    const QString date = Pictures::format(rows[0].DATE, "@D6B");
    const QString time = Pictures::format(rows[0].TIME, "@T4B");
    const QString size = Pictures::format(12345, "@N_8.1", 1);
    QStringList details;
    for (size_t p = 0; p < shown.size(); ++p) {
        const QStringList& page = shown[p];
        ASSERT_GE(page.size(), 4);
        EXPECT_TRUE(page[0].startsWith("Date :")) << page[0].toStdString();
        EXPECT_EQ(page[1], "Content of Dir : D:\\A VERY LONG DIRECTORY NAME\\WI");
        EXPECT_EQ(page[2], "Name Date Time Size Attribute");
        EXPECT_EQ(page.last(), QStringLiteral("Page %1").arg(p + 1));
        details << page.mid(3, page.size() - 4);
    }
    ASSERT_EQ(details.size(), 151);
    EXPECT_EQ(details[0],
              "TOOLS " + date + " " + time + " " + Pictures::format(0, "@N_8.1", 1) + " Directory");
    EXPECT_EQ(details[1], "TOOLS\\FILE1.EXE " + date + " " + time + " " + size + " File");
    EXPECT_EQ(details[150], "TOOLS\\FILE150.EXE " + date + " " + time + " " + size + " File");
}

TEST_F(ScanReportTest, AnEmptyListStillHasItsPage) {
    const std::vector<QStringList> shown = write("E:\\", {});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0][1], "Content of Dir : E:\\");
}

TEST_F(ScanReportTest, ThePreviewPagesBothWaysSavesAPdfAndCancelPrintsNothing) {
    std::vector<ScanFileEntry> rows;
    for (int i = 1; i <= 150; ++i)
        rows.push_back(row(QStringLiteral("FILE%1.TXT").arg(i), "File", 10));
    write("D:\\", rows);
    const int count = pages.Count();
    ASSERT_GE(count, 3);
    ViewReport view(pages, "Scan results of directory D:\\", "ScanReport");
    whenShown("ViewReport", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Scan results of directory D:\\");
        EXPECT_EQ(view.PageShown(), 1);
        view.PreviousPage();
        EXPECT_EQ(view.PageShown(), 1) << "nothing before page 1";
        for (int n = 0; n < count + 2; ++n)
            w.findChild<QPushButton*>(QStringLiteral("control%1").arg(ViewReport::NextButton))
                ->click();
        settleEvents();
        EXPECT_EQ(view.PageShown(), count) << "nothing after the last page";
        EXPECT_FALSE(view.C().widget(ViewReport::NextButton)->isEnabled());
        view.PreviousPage();
        EXPECT_EQ(view.PageShown(), count - 1);
        host.answerFile(dataPath("scan list")); // ".pdf" is added
        EXPECT_TRUE(view.SavePdf());
        EXPECT_TRUE(host.dialogs().back().start.endsWith("/ScanReport.pdf"));
        EXPECT_TRUE(w.isVisible()) << "the preview stays after saving";
        host.answerFile({});
        EXPECT_FALSE(view.SavePdf()) << "the file dialog was cancelled";
        w.findChild<QPushButton*>(QStringLiteral("control%1").arg(ViewReport::CancelButton))
            ->click();
    });
    EXPECT_EQ(view.Run(), RequestCancelled);
    EXPECT_FALSE(view.Printed());
    EXPECT_TRUE(readFile("scan list.pdf").startsWith("%PDF"));
}

TEST_F(ScanReportTest, TextLinesOfTheChosenRangeArePrintedIntoThePreview) {
    QByteArray content;
    for (int i = 1; i <= 200; ++i)
        content += "line " + QByteArray::number(i) + (i % 2 ? "\r\n" : "\n");
    content += QByteArray("tab\there and a NUL \0 byte", 26);
    writeFile("lines.txt", content);
    TextPrinter printer(dataPath("lines.txt"), TextFile::DefaultLineSize, 120, 201, true);
    std::vector<QStringList> shown;
    QString caption;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "TextPrinter" && w->isVisible() && caption.isEmpty())
                caption = w->windowTitle();
            if (w->objectName() == "_PreviewWindow_" && w->isVisible() && shown.empty()) {
                for (int n = 1; n <= printer.PreviewQueue.Count(); ++n)
                    shown.push_back(printer.PreviewQueue.Read(n).lines());
                w->findChild<QAction*>(QStringLiteral("item%1").arg(PreviewWindow::ExitItem))
                    ->trigger();
            }
        }
    });
    watch.start(5);
    printer.Run();
    EXPECT_EQ(caption, "Printing line 120 to 201");
    ASSERT_GE(shown.size(), 2u);
    QStringList lines;
    for (const QStringList& page : shown) {
        EXPECT_EQ(page.first(), dataPath("lines.txt"));
        lines << page.mid(1, page.size() - 2);
    }
    ASSERT_EQ(lines.size(), 82);
    EXPECT_EQ(lines.first(), "line 120");
    EXPECT_EQ(lines[80], "line 200");
    EXPECT_EQ(lines.last(), TextFile::DisplayText(content.mid(content.indexOf("tab"))));
    EXPECT_FALSE(printer.Printed);
}

} // namespace
