#include "scan/FileViewer.h"
#include "core/Globals.h"
#include "framework/textview/TextLines.h"
#include "scan/DriveQuestion.h"
#include "scan/ReadTextFileWindow.h"
#include "support/CatalogueTest.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPushButton>

namespace {

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}
void click(QWidget& w, int number) {
    control<QAbstractButton>(w, number)->click();
    settleEvents();
}
int visibleWindows(const QString& name) {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->objectName() == name && w->isVisible();
    return n;
}

class FileViewerTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.UserName = "System";
        mapDrive('D', "cd");
        writeFile("cd/README.TXT", "Welcome\r\nto the CD\r\n");
    }
    void makeProgram(const QString& relative) {
        writeFile(relative, "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(dataPath(relative),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

TEST_F(FileViewerTest, TextFileIsShownAndItsContentOffered) {
    whenShown("ReadTextFile", [this](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Contents of D:\\README.TXT");
        auto* lines = control<TextLines>(w, ReadTextFileWindow::List);
        ASSERT_NE(lines, nullptr);
        EXPECT_EQ(lines->rows(), (QStringList{"Welcome", "to the CD"}));
        EXPECT_EQ(lines->palette().color(QPalette::Base), QColor(0x85, 0xC2, 0xBF))
            << "the default list colour";
        EXPECT_TRUE(control<QPushButton>(w, ReadTextFileWindow::SearchButton)->isEnabled());
        EXPECT_FALSE(control<QPushButton>(w, ReadTextFileWindow::PrintButton)->isEnabled());
        EXPECT_FALSE(control<QPushButton>(w, ReadTextFileWindow::AddToArchiveButton)->isHidden());
        EXPECT_TRUE(GLO.Threads.isOpen(Instance::TextViewer));
        click(w, ReadTextFileWindow::HelpButton);
        EXPECT_EQ(host.helpKeywords().value(0), "Wareloft");
        click(w, ReadTextFileWindow::AddToArchiveButton);
    });
    EXPECT_EQ(ReadTextFile("D:\\README.TXT", 0), 1);
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::TextViewer));

    ini.Update("System", "Color", QString::number(0x0000FF)); // red
    whenShown("ReadTextFile", [](QWidget& w) {
        EXPECT_TRUE(control<QPushButton>(w, ReadTextFileWindow::AddToArchiveButton)->isHidden());
        EXPECT_EQ(control<TextLines>(w, ReadTextFileWindow::List)->palette().color(QPalette::Base),
                  QColor(255, 0, 0));
        click(w, ReadTextFileWindow::CloseButton);
    });
    EXPECT_EQ(ReadTextFile("d:\\readme.txt", 1), 0);
}

TEST_F(FileViewerTest, SecondViewerBringsTheFirstForwardAndAnswersNothing) {
    writeFile("cd/OTHER.TXT", "other\n");
    whenShown("ReadTextFile", [](QWidget& w) {
        EXPECT_EQ(ReadTextFile("D:\\OTHER.TXT", 0), 0);
        EXPECT_EQ(visibleWindows("ReadTextFile"), 1);
        EXPECT_EQ(w.windowTitle(), "Contents of D:\\README.TXT");
        click(w, ReadTextFileWindow::CloseButton);
    });
    EXPECT_EQ(ReadTextFile("D:\\README.TXT", 0), 0);
}

TEST_F(FileViewerTest, TextFileThatIsNotThereClosesAtOnce) {
    EXPECT_EQ(ReadTextFile("D:\\MISSING.TXT", 0), 0);
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "File Load Error");
    EXPECT_TRUE(host.lastMessage()->text.contains("D:\\MISSING.TXT"));
    EXPECT_EQ(visibleWindows("ReadTextFile"), 0);
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::TextViewer));
}

TEST_F(FileViewerTest, PicturesAreShownAndOtherFilesExplained) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    ASSERT_TRUE(picture.save(dataPath("cd/LOGO.BMP"), "BMP"));
    whenShown("ShowWindow", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "D:\\LOGO.BMP");
        click(w, 2); // OK
    });
    ShowWindow("D:\\LOGO.BMP");
    EXPECT_TRUE(host.messages().empty());

    writeFile("cd/SCAN.PCX", QByteArray("\x0A\x05\x01\x08", 4) + QByteArray(200, '\0'));
    ShowWindow("D:\\SCAN.PCX");
    ASSERT_NE(host.lastMessage(), nullptr);
    EXPECT_EQ(host.lastMessage()->caption, "Wareloft");
    EXPECT_EQ(
        host.lastMessage()->text,
        "The picture D:\\SCAN.PCX cannot be shown: This kind of picture cannot be shown here");
    ShowWindow("D:\\NONE.GIF");
    EXPECT_TRUE(host.lastMessage()->text.startsWith("The picture D:\\NONE.GIF cannot be shown: "));
    EXPECT_EQ(visibleWindows("ShowWindow"), 0);
}

TEST_F(FileViewerTest, ShellOpenWithTheDriveKnownAsksNothing) {
    RunProgram("D:\\MANUAL.PDF", 1, LaunchMode::ShellOpen);
    EXPECT_EQ(host.shellOpened(), QStringList{"D:\\MANUAL.PDF"});
    EXPECT_TRUE(host.messages().empty()) << "the shell's result is not examined";
}

TEST_F(FileViewerTest, DriveQuestionPutsTheChosenDriveInFront) {
    mapDrive('E', "disk");
    ini.Update("System", "RunProgram", "E:\\");
    whenShown("RunProgram", [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Insert CD or Disk and select drive... ");
        auto* drives = control<QComboBox>(w, DriveQuestion::DriveList);
        ASSERT_EQ(drives->count(), 11);
        EXPECT_EQ(drives->itemText(10), "K:\\") << "drive L is never offered";
        EXPECT_EQ(drives->currentText(), "E:\\") << "the drive used last";
        EXPECT_EQ(w.focusWidget(), control<QPushButton>(w, DriveQuestion::GoButton));
        click(w, DriveQuestion::GoButton);
    });
    RunProgram("TOOLS\\SETUP.EXE", 0, LaunchMode::ShellOpen);
    EXPECT_EQ(host.shellOpened(), QStringList{"E:\\TOOLS\\SETUP.EXE"});
}

TEST_F(FileViewerTest, DriveNotReadyKeepsTheQuestionOpen) {
    whenShown("RunProgram", [this](QWidget& w) {
        auto* drives = control<QComboBox>(w, DriveQuestion::DriveList);
        drives->setCurrentIndex(drives->findText("F:\\"));
        Q_EMIT drives->activated(drives->currentIndex());
        settleEvents();
        click(w, DriveQuestion::GoButton);
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->text, "Invalid drive -- Disk not ready");
        EXPECT_TRUE(w.isVisible());
        click(w, DriveQuestion::CancelButton);
    });
    RunProgram("SETUP.EXE", 0, LaunchMode::ShellOpen);
    EXPECT_TRUE(host.shellOpened().isEmpty());
    EXPECT_EQ(ini.Fetch("System", "RunProgram"), "F:\\");
}

TEST_F(FileViewerTest, ProgramNotOnItsDriveIsLookedForOnAnother) {
    mapDrive('E', "disk");
    makeProgram("disk/TOOLS/setup.sh");
    ini.Update("System", "RunProgram", "E:\\");
    whenShown("RunProgram", [this](QWidget& w) {
        ASSERT_EQ(host.messages().size(), 1u);
        EXPECT_EQ(host.messages()[0].text, "File not found");
        click(w, DriveQuestion::GoButton);
    });
    RunProgram("D:\\TOOLS\\SETUP.SH", 1, LaunchMode::Execute);
    EXPECT_EQ(host.programsStarted(), QStringList{dataPath("disk/TOOLS/setup.sh")});

    // Any failure to start asks for another drive.
    host.clearRecords();
    whenShown("RunProgram", [this](QWidget& w) {
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->text,
                  "D:\\README.TXT is not a program this computer can start");
        click(w, DriveQuestion::CancelButton);
    });
    RunProgram("D:\\README.TXT", 1, LaunchMode::Execute);
    EXPECT_TRUE(host.programsStarted().isEmpty());
}

TEST_F(FileViewerTest, TextModeShowsTheFileWithoutTheImportButton) {
    whenShown("ReadTextFile", [](QWidget& w) {
        EXPECT_TRUE(control<QPushButton>(w, ReadTextFileWindow::AddToArchiveButton)->isHidden());
        click(w, ReadTextFileWindow::CloseButton);
    });
    RunProgram("D:\\README.TXT", 1, LaunchMode::Text);
    EXPECT_TRUE(host.messages().empty());
}

} // namespace
