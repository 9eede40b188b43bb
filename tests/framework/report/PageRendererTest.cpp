#include "framework/report/PageRenderer.h"
#include "framework/report/PrintService.h"
#include "support/DataDirTest.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

constexpr double Scale = 0.05; // pixels per page unit: 5 pixels a millimetre

PageItem text(PageUnits x, PageUnits width, const QString& s, Align align = Align::Left) {
    PageItem item;
    item.x = x;
    item.y = 1000;
    item.width = width;
    item.height = 500;
    item.align = align;
    item.text = s;
    return item;
}

QImage draw(const Page& page) {
    QImage image(1050, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageRenderer::Draw(painter, page, {{QStringLiteral("Arial"), 12}}, QPointF(0, 0), Scale);
    return image;
}

// Inked pixels in the columns from `from` to `to` (pixels).
int ink(const QImage& image, int from, int to) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = std::max(0, from); x < std::min(to, image.width()); ++x)
            n += qGray(image.pixel(x, y)) < 160;
    return n;
}

// A column 40 mm wide from 10 mm, its right neighbour from 50 mm.
TEST(PageRenderer, TextsWiderThanTheirColumnStopAtItsEdgeWhateverTheirScript) {
    const QStringList texts = {
        QString(80, QLatin1Char('W')),
        QStringLiteral("ÀÉÎÕÜ ÇÑ àéîõü çñ ÀÉÎÕÜ ÇÑ àéîõü çñ ÀÉÎÕÜ ÇÑ àéîõü çñ ÀÉÎÕÜ ÇÑ"),
        QStringLiteral("软件目录软件目录软件目录软件目录软件目录软件目录软件目录"),
        QStringLiteral("שלום עולם שלום עולם שלום עולם שלום עולם שלום עולם שלום עולם"),
    };
    for (const QString& s : texts) {
        for (const Align align : {Align::Left, Align::Right, Align::Centre}) {
            Page page;
            page.items.push_back(text(1000, 4000, s, align));
            const QImage image = draw(page);
            EXPECT_GT(ink(image, 50, 250), 50) << s.toStdString();
            EXPECT_EQ(ink(image, 251, 1050), 0) << s.toStdString() << " " << int(align);
            EXPECT_EQ(ink(image, 0, 50), 0) << s.toStdString() << " " << int(align);
        }
    }
}

TEST(PageRenderer, RightAlignedTextEndsAtItsColumnsRightEdge) {
    Page page;
    page.items.push_back(text(1000, 4000, QStringLiteral("12"), Align::Right));
    const QImage image = draw(page);
    EXPECT_EQ(ink(image, 50, 200), 0);
    EXPECT_GT(ink(image, 200, 251), 0);
}

TEST(PageRenderer, RulesAndBoxesAreDrawnWhereTheyAre) {
    Page page;
    PageItem rule;
    rule.kind = ItemKind::Rule;
    rule.x = 2000;
    rule.y = 2000;
    rule.height = 1000;
    rule.pen = 40;
    page.items.push_back(rule);
    const QImage image = draw(page);
    EXPECT_GT(ink(image, 99, 102), 40);
    EXPECT_EQ(ink(image, 0, 95) + ink(image, 106, 1050), 0);
}

class PdfOutput : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        pages.Fonts = {{QStringLiteral("Arial"), 12}};
        for (int n = 1; n <= 4; ++n) {
            Page page;
            page.items.push_back(
                text(1500, 9000, QStringLiteral("Page %1 of the catalogue").arg(n)));
            ASSERT_TRUE(pages.Add(page));
        }
    }
    // Page objects of a PDF file ("/Type /Page", not "/Type /Pages").
    static int pdfPages(const QByteArray& pdf) {
        int count = 0;
        auto it = QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(pdf));
        for (; it.hasNext(); it.next())
            ++count;
        return count;
    }
    PageStore pages;
};

TEST_F(PdfOutput, ThePdfFileHoldsTheChosenPagesOnly) {
    PageSelection some;
    QString error;
    ASSERT_TRUE(PageSelection::Parse("1,3-4", 4, some, error));
    ASSERT_TRUE(PrintService::SavePdf(pages, some, dataPath("some.pdf"), error))
        << error.toStdString();
    const QByteArray pdf = readFile("some.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdfPages(pdf), 3);
}

TEST_F(PdfOutput, AFileThatCannotBeWrittenGivesAMessageAndNoFile) {
    QString error;
    const QString path = dataPath("no such folder/report.pdf");
    EXPECT_FALSE(PrintService::SavePdf(pages, PageSelection::All(4), path, error));
    EXPECT_TRUE(error.startsWith("The PDF file \"")) << error.toStdString();
    EXPECT_TRUE(error.contains("report.pdf\" cannot be written: ")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(PdfOutput, APrinterThatPrintsToAnUnwritableFileFailsWithAMessage) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dataPath("missing/out.pdf"));
    QString error;
    EXPECT_FALSE(PrintService::Print(pages, PageSelection::All(4), printer, error));
    EXPECT_TRUE(error.startsWith("The file \"")) << error.toStdString();
    printer.setOutputFileName(dataPath("out.pdf"));
    EXPECT_TRUE(PrintService::Print(pages, PageSelection::All(4), printer, error));
    EXPECT_EQ(pdfPages(readFile("out.pdf")), 4);
}

TEST_F(PdfOutput, AnOutputStoppedOnTheWayLeavesNoFile) {
    QString error;
    std::vector<std::pair<int, int>> told;
    const bool saved = PrintService::SavePdf(pages, PageSelection::All(4), dataPath("stop.pdf"),
                                             error, [&](int done, int total) {
                                                 told.push_back({done, total});
                                                 return done < 2;
                                             });
    EXPECT_FALSE(saved);
    EXPECT_TRUE(error.isEmpty()); // the user stopped it: nothing to say
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}}));
    EXPECT_FALSE(QFile::exists(dataPath("stop.pdf")));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dataPath("stopped.pdf"));
    EXPECT_FALSE(PrintService::Print(pages, PageSelection::All(4), printer, error,
                                     [](int, int) { return false; }));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(dataPath("stopped.pdf")));
}

} // namespace
