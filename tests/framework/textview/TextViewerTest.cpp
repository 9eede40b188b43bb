#include "framework/textview/TextViewer.h"
#include "framework/ErrorManager.h"
#include "framework/textview/TextGoto.h"
#include "framework/textview/TextLines.h"
#include "framework/textview/TextPrintOptions.h"
#include "framework/textview/TextSearcher.h"
#include "framework/window/Keys.h"
#include "support/CatalogueTest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A window with nothing but the viewer's list, shown so that the list has its rows.
class ViewerWindow : public WindowController {
public:
    ViewerWindow() : WindowController(QStringLiteral("ViewerTest")) {
        lines = new TextLines;
        C().custom(1, lines).at(0, 0);
        Window().resize(500, 300);
        Window().show();
        settleEvents();
    }
    int TakeEvent() override {
        if (viewer.TakeEvent(Event()) == LevelNotify) return LevelNotify;
        return WindowController::TakeEvent();
    }
    void send(EventKind kind, int keyCode = 0) { Dispatch(controlEvent(kind, 1, keyCode)); }

    TextLines* lines;
    TextViewer viewer;
};

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}
// As a person types it: the entry knows it was edited.
void typeInto(QLineEdit* entry, const QString& text) {
    entry->selectAll();
    entry->insert(text);
}

class TextViewerTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
    }
    // Lines "line 1" .. "line n".
    QString numbered(int n) {
        QByteArray content;
        for (int i = 1; i <= n; ++i)
            content += "line " + QByteArray::number(i) + "\n";
        writeFile("numbered.txt", content);
        return dataPath("numbered.txt");
    }
    void open(const QString& file) {
        ASSERT_TRUE(window.viewer.Init(window, 1, file, errors));
        rows = window.lines->visibleRows();
        ASSERT_GE(rows, 5);
    }
    // Types `text` into the find window when it shows, sets the direction and presses Next.
    void findNext(const QString& text, bool up, std::function<void()> after = {}) {
        whenShown("TextFind", [=](QWidget& w) {
            auto* entry = control<QLineEdit>(w, TextFindWindow::WhatEntry);
            typeInto(entry, text);
            control<QRadioButton>(w, up ? TextFindWindow::UpRadio : TextFindWindow::DownRadio)
                ->click();
            settleEvents();
            control<QPushButton>(w, TextFindWindow::NextButton)->click();
            settleEvents();
            if (after) after();
        });
    }
    void cancelFind() {
        whenShown("TextFind", [](QWidget& w) {
            control<QPushButton>(w, TextFindWindow::CancelButton)->click();
        });
    }

    ErrorManager errors;
    ViewerWindow window;
    int rows = 0;
};

TEST_F(TextViewerTest, FileShorterThanTheListFillsFromTheFirstLine) {
    open(numbered(3));
    EXPECT_EQ(window.viewer.DisplayQueue(), (QStringList{"line 1", "line 2", "line 3"}));
    EXPECT_EQ(window.lines->rows(), window.viewer.DisplayQueue());
    EXPECT_EQ(window.viewer.CurrentLine(), 1);
    window.send(EventKind::ScrollBottom);
    EXPECT_EQ(window.viewer.TopLine(), 1);
    EXPECT_EQ(window.viewer.CurrentLine(), 3);
    window.send(EventKind::PageDown);
    EXPECT_EQ(window.viewer.CurrentLine(), 3);
}

TEST_F(TextViewerTest, RowsPagesAndEndsMoveTheLines) {
    open(numbered(1000));
    EXPECT_EQ(window.viewer.File().IndexedLines(), rows) << "only what is shown is read";
    for (int i = 1; i < rows; ++i)
        window.send(EventKind::ScrollDown);
    EXPECT_EQ(window.viewer.TopLine(), 1) << "the selection moves to the edge first";
    EXPECT_EQ(window.viewer.CurrentLine(), rows);
    window.send(EventKind::ScrollDown);
    EXPECT_EQ(window.viewer.TopLine(), 2);
    EXPECT_EQ(window.viewer.CurrentLine(), rows + 1);
    EXPECT_EQ(window.lines->currentRow(), rows - 1);

    window.send(EventKind::PageDown);
    EXPECT_EQ(window.viewer.TopLine(), 2 + rows);
    window.send(EventKind::PageUp);
    window.send(EventKind::PageUp);
    EXPECT_EQ(window.viewer.TopLine(), 1);
    window.send(EventKind::PageUp);
    EXPECT_EQ(window.viewer.CurrentLine(), 1) << "on the first page: the first line";

    window.send(EventKind::ScrollBottom);
    EXPECT_EQ(window.viewer.TopLine(), 1000 - rows + 1) << "the last page is full";
    EXPECT_EQ(window.viewer.CurrentLine(), 1000);
    EXPECT_EQ(window.viewer.DisplayQueue().last(), "line 1000");
    window.send(EventKind::ScrollDown);
    EXPECT_EQ(window.viewer.CurrentLine(), 1000);
    window.send(EventKind::ScrollTop);
    EXPECT_EQ(window.viewer.CurrentLine(), 1);

    window.send(EventKind::ScrollDown, TextLines::WheelStep);
    EXPECT_EQ(window.viewer.TopLine(), 2) << "the wheel moves the rows";
    EXPECT_EQ(window.viewer.CurrentLine(), 2);

    window.viewer.SetLine(998);
    EXPECT_EQ(window.viewer.TopLine(), 1000 - rows + 1);
    EXPECT_EQ(window.viewer.CurrentLine(), 998);
    window.viewer.SetLine(5000);
    EXPECT_EQ(window.viewer.CurrentLine(), 1000) << "beyond the end: the last line";
}

TEST_F(TextViewerTest, ThumbStandsForBytePositions) {
    // 100 short lines, then one line of 10,000 bytes cut into pieces, then 100 more.
    QByteArray content;
    for (int i = 0; i < 100; ++i)
        content += "a\n";
    content += QByteArray(10000, 'x') + "\n";
    for (int i = 0; i < 100; ++i)
        content += "b\n";
    writeFile("t.txt", content);
    open(dataPath("t.txt"));
    EXPECT_EQ(window.lines->thumb(), 0);

    window.send(EventKind::ScrollDrag, TextLines::ThumbRange / 2);
    const qint64 half = content.size() / 2;
    const qint64 line = window.viewer.CurrentLine();
    const TextFile::Line shown = window.viewer.File().ReadLines(line, 1).front();
    EXPECT_LE(shown.offset, half);
    EXPECT_GT(shown.offset + 255, half) << "the piece that holds the middle byte";
    EXPECT_EQ(window.lines->thumb(), int(shown.offset * TextLines::ThumbRange / content.size()));

    window.send(EventKind::ScrollDrag, TextLines::ThumbRange);
    EXPECT_EQ(window.viewer.DisplayQueue().last(), "b");
    EXPECT_EQ(window.viewer.CurrentLine(), window.viewer.File().CountLines());
}

TEST_F(TextViewerTest, PopupOffersWhatIsAttached) {
    open(numbered(500));
    host.answerPopup(0);
    window.send(EventKind::AlertKey, Keys::MouseRight);
    EXPECT_EQ(host.dialogs().back().detail,
              "~&Find|~&Print|-|&Move{&Top|Page &Up|Page &Down|Bottom}|-|&Goto");

    window.viewer.AddSearcher();
    window.viewer.AddPrinter([](TextViewer&) {});
    host.answerPopup(6); // Bottom
    window.send(EventKind::AlertKey, Keys::MouseRight);
    EXPECT_EQ(host.dialogs().back().detail,
              "&Find|&Print|-|&Move{&Top|Page &Up|Page &Down|Bottom}|-|&Goto");
    EXPECT_EQ(window.viewer.CurrentLine(), 500);

    whenShown("TextGoto", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Goto");
        auto* entry = control<QLineEdit>(w, TextGoto::LineEntry);
        typeInto(entry, "250");
        control<QPushButton>(w, TextGoto::GoButton)->click();
    });
    host.answerPopup(7); // Goto
    window.send(EventKind::AlertKey, Keys::MouseRight);
    EXPECT_EQ(window.viewer.CurrentLine(), 250);
    EXPECT_EQ(window.viewer.DisplayQueue().at(int(250 - window.viewer.TopLine())), "line 250");
}

TEST_F(TextViewerTest, FindGoesOnFromTheHitAndAsksAtTheEnd) {
    writeFile("f.txt", "one\nneedle a\nthree\nNEEDLE b\nfive\n");
    open(dataPath("f.txt"));
    window.viewer.AddSearcher();
    // Two hits; the third Next runs off the end: "No" ends the search.
    findNext("needle", false, [this] {
        findNext("needle", false, [this] {
            host.answer(ButtonNo);
            findNext("needle", false);
        });
    });
    window.viewer.Find();
    EXPECT_EQ(window.viewer.CurrentLine(), 4);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "End of File Error");
    EXPECT_EQ(host.messages().size(), 1u);
}

TEST_F(TextViewerTest, FindUpFromTheFirstLineAsksAtOnceAndStartsAtTheEnd) {
    writeFile("f.txt", "needle 1\nx\nneedle 3\ny\nlast needle\n");
    open(dataPath("f.txt"));
    window.viewer.AddSearcher();
    host.answer(ButtonYes);
    findNext("needle", true, [this] { cancelFind(); });
    window.viewer.Find();
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].caption, "Beginning of File Error");
    EXPECT_EQ(window.viewer.CurrentLine(), 5) << "from the last line, that line included";
}

TEST_F(TextViewerTest, FindWithMatchCaseAndNextOnlyWithText) {
    writeFile("f.txt", "Apple\napple\nAPPLE\n");
    open(dataPath("f.txt"));
    window.viewer.AddSearcher();
    whenShown("TextFind", [this](QWidget& w) {
        auto* next = control<QPushButton>(w, TextFindWindow::NextButton);
        EXPECT_FALSE(next->isEnabled()) << "nothing to find yet";
        auto* entry = control<QLineEdit>(w, TextFindWindow::WhatEntry);
        typeInto(entry, "APPLE");
        EXPECT_TRUE(next->isEnabled());
        control<QCheckBox>(w, TextFindWindow::MatchCaseCheck)->click();
        settleEvents();
        next->click();
        settleEvents();
        cancelFind();
    });
    window.viewer.Find();
    EXPECT_EQ(window.viewer.CurrentLine(), 3);
}

TEST_F(TextViewerTest, PrintOptionsRefuseARangeOutsideTheFile) {
    open(numbered(20));
    window.viewer.SetLine(7);
    using P = TextPrintOptions;
    whenShown("TextPrintOptions", [this](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Print Options");
        EXPECT_EQ(control<QLineEdit>(w, P::FirstEntry)->text(), "1");
        EXPECT_EQ(control<QLineEdit>(w, P::LastEntry)->text(), "20") << "the line count";
        control<QRadioButton>(w, P::SelectionRadio)->click();
        settleEvents();
        EXPECT_EQ(control<QLineEdit>(w, P::FirstEntry)->text(), "7");
        control<QRadioButton>(w, P::RangeRadio)->click();
        typeInto(control<QLineEdit>(w, P::FirstEntry), "5");
        typeInto(control<QLineEdit>(w, P::LastEntry), "3");
        control<QPushButton>(w, P::PrintButton)->click();
        settleEvents();
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->caption, "Range Error");
        EXPECT_EQ(host.lastMessage()->text, "The value of first line must be between 1 and 20.");
        EXPECT_TRUE(w.isVisible());
        typeInto(control<QLineEdit>(w, P::LastEntry), "21");
        control<QPushButton>(w, P::PrintButton)->click();
        settleEvents();
        EXPECT_EQ(host.messages().size(), 2u) << "beyond the last line";
        typeInto(control<QLineEdit>(w, P::FirstEntry), "2");
        typeInto(control<QLineEdit>(w, P::LastEntry), "4");
        control<QCheckBox>(w, P::PreviewCheck)->click();
        control<QPushButton>(w, P::PrintButton)->click();
    });
    P::Choice choice;
    ASSERT_TRUE(P::Ask(window.viewer, choice));
    EXPECT_EQ(choice.first, 2);
    EXPECT_EQ(choice.last, 4);
    EXPECT_TRUE(choice.preview);

    whenShown("TextPrintOptions", [](QWidget& w) {
        control<QPushButton>(w, P::PrintButton)->click(); // all lines
    });
    ASSERT_TRUE(P::Ask(window.viewer, choice));
    EXPECT_EQ(choice.first, 1);
    EXPECT_EQ(choice.last, 20);
    EXPECT_FALSE(choice.preview);
}

TEST_F(TextViewerTest, FileThatCannotBeOpenedShowsFileLoadError) {
    EXPECT_FALSE(window.viewer.Init(window, 1, "D:\\README.TXT", errors)) << "drive D not set up";
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "File Load Error");
    EXPECT_TRUE(host.lastMessage()->text.startsWith("D:\\README.TXT File Load Error."));
    EXPECT_FALSE(window.viewer.IsOpen());
    EXPECT_EQ(window.viewer.TakeEvent(controlEvent(EventKind::ScrollDown, 1)), LevelBenign);
}

} // namespace
