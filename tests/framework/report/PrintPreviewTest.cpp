#include "framework/report/PreviewDialogs.h"
#include "framework/report/PreviewPages.h"
#include "framework/report/PreviewWindow.h"
#include "framework/report/PrintService.h"
#include "framework/report/ReportWriter.h"
#include "support/CatalogueTest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

int pdfPages(const QByteArray& pdf) {
    int count = 0;
    auto it = QRegularExpression("/Type\\s*/Page[^s]").globalMatch(QString::fromLatin1(pdf));
    for (; it.hasNext(); it.next())
        ++count;
    return count;
}

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}

void press(QWidget& w, int number) {
    control<QPushButton>(w, number)->click();
    settleEvents();
}

class PrintPreviewTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        WindowController::SetServices(&errors, &ini);
        preview.IniMgr = &ini;
    }
    void TearDown() override {
        settleEvents();
        WindowController::SetServices(nullptr, nullptr);
        DataDirTest::TearDown();
    }
    // A report of `count` pages, "Page n" on each.
    void makePages(int count) {
        ReportLayout layout;
        layout.AddFont({QStringLiteral("Arial"), 12});
        Band page(layout.Paper.height - layout.Top - layout.Bottom);
        int n = 0;
        page.Value(0, 0, 8000, [&n] { return FieldValue(QStringLiteral("Page %1").arg(n)); });
        ReportWriter writer(layout, pages);
        for (n = 1; n <= count; ++n)
            writer.Print(page);
        writer.Close();
    }
    // Displays the pages; `whileOpen` runs on the open window, which is then left by
    // "Exit" unless it closed already.
    bool display(const std::function<void(PreviewWindow&)>& whileOpen, int zoom = 0) {
        whenShown(QStringLiteral("_PreviewWindow_"), [this, whileOpen](QWidget&) {
            PreviewWindow* w = preview.Showing;
            ASSERT_NE(w, nullptr);
            whileOpen(*w);
            settleEvents();
            if (preview.Showing) trigger(*preview.Showing, PreviewWindow::ExitItem);
        });
        return preview.Display(pages, zoom);
    }
    static void trigger(PreviewWindow& w, int item) {
        ASSERT_NE(w.MenuItem(item), nullptr);
        w.MenuItem(item)->trigger();
        settleEvents();
    }
    static QWidget& top(PreviewWindow& w) { return w.TopLevel(); }

    ErrorManager errors;
    PageStore pages;
    PrintPreview preview;
};

TEST_F(PrintPreviewTest, TheWindowHasItsMenusToolbarAndStatusTexts) {
    makePages(5);
    display([](PreviewWindow& w) {
        EXPECT_EQ(top(w).windowTitle(), "Report Preview");
        QStringList menus;
        for (QAction* a : static_cast<QMainWindow&>(top(w)).menuBar()->actions()) {
            menus << a->text();
            for (QAction* item : a->menu()->actions())
                if (!item->isSeparator()) menus << "  " + item->text();
        }
        EXPECT_EQ(
            menus,
            QStringList({"&File", "  Pa&ges to Print...", "  &Print", "  Save as PDF...", "  E&xit",
                         "&View", "  &Next Page(s)", "  &Previous Page(s)", "  &Jump to a page",
                         "  &Change Display", "&Zoom", "  Tile pages", "  Page Width", "  50% Zoom",
                         "  75% Zoom", "  100% Zoom", "  200% Zoom", "  300% Zoom"}));
        EXPECT_EQ(w.C().TextOf(PreviewWindow::PagePrompt), "&Page:");
        EXPECT_EQ(w.C().TextOf(PreviewWindow::AcrossPrompt), "&Across:");
        EXPECT_EQ(w.C().TextOf(PreviewWindow::DownPrompt), "&Down:");
        EXPECT_EQ(w.C().TextOf(PreviewWindow::ZoomPrompt), "Z&oom:");
        EXPECT_EQ(w.C().TipOf(PreviewWindow::PageSpin), "Enter a page number from 1 to 5");
        EXPECT_EQ(control<QSpinBox>(top(w), PreviewWindow::PageSpin)->maximum(), 5);
        // Without AllowUserZoom the zoom list and its prompt are not shown.
        EXPECT_TRUE(w.C().IsHidden(PreviewWindow::ZoomList));
        EXPECT_TRUE(w.C().IsHidden(PreviewWindow::ZoomPrompt));
        EXPECT_EQ(w.StatusText(2), "Page 1 of 5");
        EXPECT_EQ(top(w).findChild<QLabel*>("zone3")->text(), "Zoom: Tile Pages");
        EXPECT_TRUE(w.MenuItem(PreviewWindow::FirstZoomItem)->isChecked());
    });
}

TEST_F(PrintPreviewTest, NextAndPreviousMoveByTheScreenOfPagesAndStopAtTheEnds) {
    makePages(5);
    display([](PreviewWindow& w) {
        EXPECT_FALSE(w.MenuItem(PreviewWindow::PreviousItem)->isEnabled());
        trigger(w, PreviewWindow::NextItem);
        EXPECT_EQ(w.StatusText(2), "Page 2 of 5");
        w.SetDisplay(2, 1);
        EXPECT_EQ(w.StatusText(2), "Page 2-3 of 5");
        trigger(w, PreviewWindow::NextItem);
        EXPECT_EQ(w.StatusText(2), "Page 4-5 of 5");
        EXPECT_FALSE(w.MenuItem(PreviewWindow::NextItem)->isEnabled());
        trigger(w, PreviewWindow::NextItem); // nothing further
        EXPECT_EQ(w.StatusText(2), "Page 4-5 of 5");
        trigger(w, PreviewWindow::PreviousItem);
        trigger(w, PreviewWindow::PreviousItem);
        EXPECT_EQ(w.StatusText(2), "Page 1-2 of 5");
        // Out of the tile mode the current page is named alone.
        trigger(w, PreviewWindow::FirstZoomItem + 4);
        EXPECT_EQ(w.StatusText(2), "Page 1 of 5");
        EXPECT_EQ(w.StatusText(3), "Zoom: 100%");
        // The page control goes where it is set.
        control<QSpinBox>(top(w), PreviewWindow::PageSpin)->setValue(4);
        settleEvents();
        EXPECT_EQ(w.StatusText(2), "Page 4 of 5");
    });
    EXPECT_EQ(preview.PagesAcross, 2); // kept for the next display
}

TEST_F(PrintPreviewTest, AReportOfOnePageHasItsPageNavigationDisabled) {
    makePages(1);
    display([](PreviewWindow& w) {
        EXPECT_FALSE(w.C().IsEnabled(PreviewWindow::PageSpin));
        EXPECT_FALSE(w.MenuItem(PreviewWindow::NextItem)->isEnabled());
        EXPECT_FALSE(w.MenuItem(PreviewWindow::PreviousItem)->isEnabled());
        EXPECT_FALSE(w.MenuItem(PreviewWindow::JumpItem)->isEnabled());
        EXPECT_EQ(w.StatusText(2), "Page 1 of 1");
    });
    makePages(1); // two pages now
    display([](PreviewWindow& w) {
        EXPECT_TRUE(w.C().IsEnabled(PreviewWindow::PageSpin));
        EXPECT_TRUE(w.MenuItem(PreviewWindow::JumpItem)->isEnabled());
    });
}

TEST_F(PrintPreviewTest, EveryZoomOfTheTableHasItsStatusTextAndAUserZoomItsPercentage) {
    makePages(3);
    preview.AllowUserZoom = true;
    display([](PreviewWindow& w) {
        EXPECT_FALSE(w.C().IsHidden(PreviewWindow::ZoomList));
        const QStringList expected = {"Zoom: Tile Pages", "Zoom: Page Width", "Zoom: 50%",
                                      "Zoom: 75%",        "Zoom: 100%",       "Zoom: 200%",
                                      "Zoom: 300%"};
        for (int n = 0; n < expected.size(); ++n) {
            trigger(w, PreviewWindow::FirstZoomItem + n);
            EXPECT_EQ(w.StatusText(3), expected[n]);
            EXPECT_TRUE(w.MenuItem(PreviewWindow::FirstZoomItem + n)->isChecked());
        }
        const double at100 = [&] {
            trigger(w, PreviewWindow::FirstZoomItem + 4);
            return w.View().Scale();
        }();
        trigger(w, PreviewWindow::FirstZoomItem + 5);
        EXPECT_DOUBLE_EQ(w.View().Scale(), at100 * 2);
        // A percentage typed into the zoom list.
        auto* list = control<QComboBox>(top(w), PreviewWindow::ZoomList);
        list->lineEdit()->setText("130 %");
        list->lineEdit()->setModified(true);
        Q_EMIT list->lineEdit()->editingFinished();
        settleEvents();
        EXPECT_EQ(w.StatusText(3), "Zoom: 130%");
        for (int n = 0; n < expected.size(); ++n)
            EXPECT_FALSE(w.MenuItem(PreviewWindow::FirstZoomItem + n)->isChecked());
        // Text that is no zoom changes nothing.
        list->lineEdit()->setText("big");
        list->lineEdit()->setModified(true);
        Q_EMIT list->lineEdit()->editingFinished();
        settleEvents();
        EXPECT_EQ(w.StatusText(3), "Zoom: 130%");
        EXPECT_EQ(list->currentText(), "130%");
    });
    EXPECT_EQ(preview.UserPercentile, 130);
}

TEST_F(PrintPreviewTest, TheStartingZoomIsInitZoomOrAPercentageOutsideTheTable) {
    makePages(2);
    display([](PreviewWindow& w) { EXPECT_EQ(w.StatusText(3), "Zoom: Tile Pages"); });
    preview.InitZoom = -1;
    display([](PreviewWindow& w) { EXPECT_EQ(w.StatusText(3), "Zoom: Page Width"); });
    display([](PreviewWindow& w) { EXPECT_EQ(w.StatusText(3), "Zoom: 150%"); }, 150);
}

TEST_F(PrintPreviewTest, JumpToAPageMovesThereAndCancelLeavesThePage) {
    makePages(9);
    display([](PreviewWindow& w) {
        whenShown(QStringLiteral("_PreviewJumpWindow_"), [](QWidget& jump) {
            EXPECT_EQ(jump.windowTitle(), "Jump to a Report Page");
            auto* spin = control<QSpinBox>(jump, PreviewJump::PageSpin);
            EXPECT_EQ(spin->minimum(), 1);
            EXPECT_EQ(spin->maximum(), 9);
            spin->setValue(7);
            press(jump, PreviewJump::OkButton);
        });
        trigger(w, PreviewWindow::JumpItem);
        EXPECT_EQ(w.StatusText(2), "Page 7 of 9");
        whenShown(QStringLiteral("_PreviewJumpWindow_"), [](QWidget& jump) {
            control<QSpinBox>(jump, PreviewJump::PageSpin)->setValue(2);
            press(jump, PreviewJump::CancelButton);
        });
        trigger(w, PreviewWindow::JumpItem);
        EXPECT_EQ(w.StatusText(2), "Page 7 of 9");
    });
}

TEST_F(PrintPreviewTest, ChangeTheReportDisplaySetsThePagesAcrossAndDown) {
    makePages(9);
    display([](PreviewWindow& w) {
        whenShown(QStringLiteral("_PreviewDisplayWindow_"), [](QWidget& d) {
            EXPECT_EQ(d.windowTitle(), "Change the Report Display");
            control<QSpinBox>(d, PreviewDisplay::AcrossSpin)->setValue(3);
            control<QSpinBox>(d, PreviewDisplay::DownSpin)->setValue(2);
            press(d, PreviewDisplay::OkButton);
        });
        trigger(w, PreviewWindow::ChangeDisplayItem);
        EXPECT_EQ(w.StatusText(2), "Page 1-6 of 9");
        EXPECT_EQ(control<QSpinBox>(top(w), PreviewWindow::AcrossSpin)->value(), 3);
        EXPECT_EQ(control<QSpinBox>(top(w), PreviewWindow::DownSpin)->value(), 2);
        // The six pages share the window, side by side.
        const QRect first = w.View().PageRect(1), second = w.View().PageRect(2),
                    fourth = w.View().PageRect(4);
        EXPECT_FALSE(first.isEmpty());
        EXPECT_GT(second.left(), first.right());
        EXPECT_GT(fourth.top(), first.bottom());
        EXPECT_TRUE(w.View().PageRect(7).isEmpty());
        trigger(w, PreviewWindow::NextItem);
        EXPECT_EQ(w.StatusText(2), "Page 7-9 of 9");
    });
}

TEST_F(PrintPreviewTest, PagesToPrintOffersEveryPageResetsToItAndCancelKeepsTheText) {
    makePages(12);
    display([this](PreviewWindow& w) {
        EXPECT_EQ(preview.PagesToPrint, "1-12");
        whenShown(QStringLiteral("_PreviewAskPagesWindow_"), [](QWidget& ask) {
            EXPECT_EQ(ask.windowTitle(), "Pages to Print");
            auto* entry = control<QLineEdit>(ask, PreviewAskPages::PagesEntry);
            EXPECT_EQ(entry->text(), "1-12");
            EXPECT_EQ(entry->maxLength(), 256);
            entry->setText("2-3,12");
            entry->setModified(true);
            press(ask, PreviewAskPages::OkButton);
        });
        trigger(w, PreviewWindow::PagesToPrintItem);
        EXPECT_EQ(preview.PagesToPrint, "2-3,12");
        whenShown(QStringLiteral("_PreviewAskPagesWindow_"), [](QWidget& ask) {
            auto* entry = control<QLineEdit>(ask, PreviewAskPages::PagesEntry);
            EXPECT_EQ(entry->text(), "2-3,12");
            press(ask, PreviewAskPages::ResetButton);
            EXPECT_EQ(entry->text(), "1-12");
            press(ask, PreviewAskPages::CancelButton);
        });
        trigger(w, PreviewWindow::PagesToPrintItem);
        EXPECT_EQ(preview.PagesToPrint, "2-3,12");
        // A bad selection is refused with its reason and the window stays.
        whenShown(QStringLiteral("_PreviewAskPagesWindow_"), [this](QWidget& ask) {
            auto* entry = control<QLineEdit>(ask, PreviewAskPages::PagesEntry);
            entry->setText("5-20");
            entry->setModified(true);
            press(ask, PreviewAskPages::OkButton);
            EXPECT_TRUE(ask.isVisible());
            ASSERT_NE(host.lastMessage(), nullptr);
            EXPECT_EQ(host.lastMessage()->caption, "Pages to Print");
            EXPECT_EQ(host.lastMessage()->text,
                      "There is no page 20: the report has pages 1 to 12.");
            press(ask, PreviewAskPages::CancelButton);
        });
        trigger(w, PreviewWindow::PagesToPrintItem);
        EXPECT_EQ(preview.PagesToPrint, "2-3,12");
    });
    EXPECT_EQ(ini.Fetch("_PreviewAskPagesWindow_", "Maximize"), "No"); // its place is kept
    EXPECT_FALSE(ini.Fetch("_PreviewAskPagesWindow_", "XPos").isEmpty());
}

TEST_F(PrintPreviewTest, PrintGoesThroughThePrintDialogWithTheChosenPagesAndClosesThePreview) {
    makePages(6);
    QPrinter& printer = PrintService::Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dataPath("printed.pdf"));
    const bool printed = display([this](PreviewWindow& w) {
        preview.PagesToPrint = "2,4-5";
        trigger(w, PreviewWindow::PrintItem);
        EXPECT_FALSE(w.Looping()); // closing
    });
    printer.setOutputFileName({});
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_TRUE(printed);
    ASSERT_FALSE(host.dialogs().empty());
    EXPECT_EQ(host.dialogs().back().kind, ScriptedHost::DialogKind::Print);
    EXPECT_EQ(pdfPages(readFile("printed.pdf")), 3);
}

TEST_F(PrintPreviewTest, ACancelledPrintDialogOrAFailingPrinterLeavesThePreviewOpen) {
    makePages(2);
    QPrinter& printer = PrintService::Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dataPath("no folder/printed.pdf"));
    const bool printed = display([this](PreviewWindow& w) {
        host.answerPrint(false);
        trigger(w, PreviewWindow::PrintItem);
        EXPECT_TRUE(w.Looping());
        EXPECT_TRUE(host.messages().empty());
        trigger(w, PreviewWindow::PrintItem); // OK on a printer that cannot print
        EXPECT_TRUE(w.Looping());
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->caption, "Report Preview");
        EXPECT_TRUE(host.lastMessage()->text.contains("printed.pdf\" cannot be written"))
            << host.lastMessage()->text.toStdString();
        // A selection that is no selection is refused before the dialog.
        preview.PagesToPrint = "3";
        const size_t dialogs = host.dialogs().size();
        trigger(w, PreviewWindow::PrintItem);
        EXPECT_EQ(host.dialogs().size(), dialogs);
        EXPECT_EQ(host.lastMessage()->text, "There is no page 3: the report has pages 1 to 2.");
    });
    printer.setOutputFileName({});
    printer.setOutputFormat(QPrinter::NativeFormat);
    EXPECT_FALSE(printed);
}

TEST_F(PrintPreviewTest, SaveAsPdfWritesTheChosenPagesAndTheWindowStays) {
    makePages(4);
    preview.DocumentName = "PrintDatabase";
    display([this](PreviewWindow& w) {
        host.answerFile(dataPath("catalogue")); // ".pdf" is added
        trigger(w, PreviewWindow::SavePdfItem);
        EXPECT_TRUE(w.Looping());
        EXPECT_TRUE(host.dialogs().back().start.endsWith("/PrintDatabase.pdf"));
        EXPECT_EQ(w.StatusText(1), "Saved as " + dataPath("catalogue.pdf"));
        preview.PagesToPrint = "3-";
        host.answerFile(dataPath("end.PDF"));
        trigger(w, PreviewWindow::SavePdfItem);
        host.answerFile(dataPath("missing/x.pdf"));
        trigger(w, PreviewWindow::SavePdfItem);
        EXPECT_TRUE(w.Looping());
        EXPECT_TRUE(host.lastMessage()->text.startsWith("The PDF file \""));
        host.answerFile({}); // cancelled
        trigger(w, PreviewWindow::SavePdfItem);
        EXPECT_EQ(w.StatusText(1), "");
    });
    EXPECT_EQ(pdfPages(readFile("catalogue.pdf")), 4);
    EXPECT_EQ(pdfPages(readFile("end.PDF")), 2);
    EXPECT_EQ(host.messages().size(), 1u);
}

TEST_F(PrintPreviewTest, ThePlaceIsKeptInItsSectionAndTheLastSizeBetweenDisplays) {
    makePages(2);
    display([](PreviewWindow& w) {
        top(w).setGeometry(40, 50, 700, 500);
        settleEvents();
    });
    EXPECT_TRUE(preview.SaveSize.Set);
    EXPECT_EQ(preview.SaveSize.Width, 700);
    EXPECT_EQ(preview.SaveSize.Height, 500);
    EXPECT_EQ(ini.Fetch("_PreviewWindow_", "Width"), "700");
    // The settings say otherwise; the size of the last display wins.
    ini.Update("_PreviewWindow_", "Width", "650");
    display([](PreviewWindow& w) { EXPECT_EQ(top(w).width(), 700); });
    // A size the program sets wins over both.
    preview.WindowSizeSet = true;
    preview.WinWidth = 600;
    preview.WinHeight = 450;
    display([](PreviewWindow& w) {
        EXPECT_EQ(top(w).width(), 600);
        EXPECT_EQ(top(w).height(), 450);
    });
}

TEST_F(PrintPreviewTest, TheRightClickMenuOffersThePageCommands) {
    makePages(3);
    display([this](PreviewWindow& w) {
        host.answerPopup(1); // next
        w.Post(controlEvent(EventKind::Accepted, PreviewWindow::Pages));
        settleEvents();
        EXPECT_EQ(host.dialogs().back().detail,
                  "&Next Page(s)|~&Previous Page(s)|&Jump to a page|&Change Display|-|&Print|"
                  "Save as PDF...");
        EXPECT_EQ(w.StatusText(2), "Page 2 of 3");
    });
}

} // namespace
