#include "archive/UpdateArchief.h"
#include "archive/UpdateArchiefWindow.h"
#include "core/Process.h"
#include "framework/Pictures.h"
#include "support/ArchiveFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

namespace {

using W = UpdateArchiefWindow;

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}
void press(QWidget& w, int number) {
    control<QAbstractButton>(w, number)->click();
    settleEvents();
}
QString shown(QWidget& w, int number) {
    if (auto* edit = control<QLineEdit>(w, number)) return edit->text();
    if (auto* box = control<QComboBox>(w, number)) return box->currentText();
    if (auto* spin = control<QSpinBox>(w, number)) return spin->text();
    if (auto* label = control<QLabel>(w, number)) return label->text();
    return {};
}
void type(QWidget& w, int number, const QString& text) {
    auto* edit = control<QLineEdit>(w, number);
    edit->setText(text);
    edit->setModified(true);
    Q_EMIT edit->editingFinished();
    settleEvents();
}
QStringList choices(QWidget& w, int number) {
    QStringList out;
    auto* box = control<QComboBox>(w, number);
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class UpdateArchiefTest : public ArchiveFixture {
protected:
    int run(int request, quint8 kindA, quint8 kindB, quint32 number,
            std::function<void(QWidget&)> action) {
        whenShown(QStringLiteral("UpdateArchief"), std::move(action));
        Protocol::GlobalRequest = request;
        return UpdateArchief(kindA, kindB, number);
    }
    // A file in a drive's folder, `bytes` long.
    QString file(const QString& folder, const QString& relative, qsizetype bytes = 12345,
                 const QByteArray& content = {}) {
        const QString path = QDir(folder).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.isEmpty() ? QByteArray(bytes, 'x') : content);
        return path;
    }
    QStringList messageTexts() const {
        QStringList out;
        for (const auto& m : host.messages())
            out << m.text;
        return out;
    }
};

TEST_F(UpdateArchiefTest, NewCdTakesTheLowestFreeNumberAndTheChosenFile) {
    addEntry(1, 0, "E:\\", "ONE.EXE");
    addEntry(2, 0, "E:\\", "TWO.EXE");
    addEntry(4, 0, "E:\\", "FOUR.EXE");
    GLO.ArchiveCount = 3;
    const QString setup = file(cd, "TOOLS/SETUP.EXE", 12345);
    host.answerFile(setup);
    const int response = run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Adding a new CD");
        EXPECT_EQ(choices(w, W::DriveList), QStringList({"E:\\", "G:\\"})) << "CD drives only";
        EXPECT_EQ(shown(w, W::DriveList), "E:\\") << "E is proposed while nothing is remembered";
        EXPECT_EQ(shown(w, W::DriveLabel), "CD");
        EXPECT_EQ(shown(w, W::CdNrEntry), "3");
        EXPECT_EQ(shown(w, W::DiskNrEntry), "");
        EXPECT_EQ(shown(w, W::NameEntry), "E:\\");
        EXPECT_TRUE(control<QWidget>(w, W::RunButton)->isHidden()) << "no file yet";
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::FileNameEntry), "TOOLS\\SETUP.EXE");
        EXPECT_EQ(shown(w, W::SizeSpin), "12.3") << "bytes / 1000, one decimal";
        EXPECT_FALSE(control<QWidget>(w, W::DriveList)->isEnabled()) << "the drive is taken";
        EXPECT_EQ(control<QAbstractButton>(w, W::RunButton)->text(), "Start");
        press(w, W::OkButton);
    });
    EXPECT_EQ(response, RequestCompleted);
    EXPECT_EQ(Protocol::GlobalResponse, RequestCompleted);
    ASSERT_EQ(host.dialogs().size(), 1u);
    EXPECT_EQ(host.dialogs()[0].title, "Choose File to Archive");
    EXPECT_EQ(host.dialogs()[0].start, cd) << "the dialog opens in the drive's folder";
    EXPECT_EQ(entries().last(), "3 0 E:\\ TOOLS\\SETUP.EXE");
    ArchiefRecord saved;
    ASSERT_TRUE(entry(4, saved)) << "the entry got the next record number";
    EXPECT_EQ(saved.Size, 1230);
    EXPECT_EQ(saved.Registration.str(), "None") << "a program without registration";
    EXPECT_EQ(saved.Soort.str(), "Temporary Class") << "an entry without class";
    EXPECT_EQ(GLO.ArchiveCount, 4u);
    EXPECT_EQ(ini.Fetch("System", "CDDrive"), "1");
    EXPECT_TRUE(host.messages().empty()) << messageTexts().join("|").toStdString();
}

TEST_F(UpdateArchiefTest, TwoNewMediaInARowEachKeepTheirOwnRecordNumber) {
    for (int round = 0; round < 2; ++round) {
        host.answerFile(file(cd, QStringLiteral("DISK%1/README.TXT").arg(round), 0,
                             "first line   \r\n  second\r\n\r\nthird  "));
        run(InsertRecord, 0, 1, 0, [&](QWidget& w) {
            press(w, W::ChooseFileButton);
            EXPECT_EQ(control<QPlainTextEdit>(w, W::DescriptionBox)->toPlainText(),
                      "first line  secondthird")
                << "lines joined without their trailing blanks";
            EXPECT_EQ(control<QAbstractButton>(w, W::RunButton)->text(), "Read");
            press(w, W::OkButton);
        });
    }
    EXPECT_EQ(entries(), QStringList({"1 0 E:\\ DISK0\\README.TXT", "2 0 E:\\ DISK1\\README.TXT"}));
    ArchiefRecord first, second;
    ASSERT_TRUE(entry(1, first));
    ASSERT_TRUE(entry(2, second));
    EXPECT_EQ(second.Omschrijving.str(), "first line  secondthird");
    EXPECT_TRUE(second.Registration.isBlank()) << "not a program";
}

TEST_F(UpdateArchiefTest, NewDiskOffersTheOtherDrivesButACataloguedHardDisk) {
    addEntry(0, 1, "F:\\", "ZIP1.ZIP");
    addEntry(0, 2, "F:\\", "ZIP2.ZIP");
    addEntry(0, 7, "C:\\", "WINDOWS\\NOTEPAD.EXE");
    addEntry(5, 0, "E:\\", "CD.EXE");
    host.answerFile(file(floppy, "DRIVER.SYS", 1450));
    run(InsertRecord, 2, 0, 0, [&](QWidget& w) {
        EXPECT_EQ(choices(w, W::DriveList), QStringList({"A:\\", "F:\\"}))
            << "no CD drive, and the catalogued hard disk only through include";
        EXPECT_EQ(shown(w, W::DriveList), "A:\\");
        EXPECT_EQ(w.windowTitle(), "Adding a new Floppy");
        EXPECT_EQ(shown(w, W::DiskNrEntry), "3") << "after ZIP disks 1 and 2; 7 is a hard disk";
        auto* drives = control<QComboBox>(w, W::DriveList);
        drives->setCurrentIndex(1);
        Q_EMIT drives->activated(1);
        settleEvents();
        EXPECT_EQ(w.windowTitle(), "Adding a new Zip");
        EXPECT_EQ(shown(w, W::DriveLabel), "ZIP");
        EXPECT_EQ(shown(w, W::NameEntry), "F:\\");
        drives->setCurrentIndex(0);
        Q_EMIT drives->activated(0);
        settleEvents();
        press(w, W::ChooseFileButton);
        press(w, W::OkButton);
    });
    EXPECT_EQ(entries().last(), "0 3 A:\\ DRIVER.SYS");
    EXPECT_EQ(ini.Fetch("System", "FDDrive"), "1");
}

TEST_F(UpdateArchiefTest, TheRememberedDriveRowIsProposed) {
    ini.Update("System", "CDDrive", "2");
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        EXPECT_EQ(shown(w, W::DriveList), "G:\\");
        EXPECT_EQ(shown(w, W::NameEntry), "G:\\");
        press(w, W::CancelButton);
    });
    EXPECT_TRUE(entries().isEmpty()) << "the reserved record goes again";
    EXPECT_TRUE(host.messages().empty()) << "nothing typed: no question on cancel";
}

TEST_F(UpdateArchiefTest, AFileFromAnotherDriveIsRefused) {
    host.answerFile(file(harddisk, "DOCS/LETTER.DOC"));
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::FileNameEntry), "") << "nothing is filled in";
        EXPECT_TRUE(control<QWidget>(w, W::DriveList)->isEnabled());
        press(w, W::CancelButton);
    });
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text,
              "Can not put  C:\\  to  E:\\. Please pick file from correct drive !");
    EXPECT_EQ(host.messages()[0].caption, "Wareloft");
    EXPECT_EQ(host.messages()[0].icon, Icon::Information);
}

TEST_F(UpdateArchiefTest, AFileAlreadyCataloguedUnderTheRootMayBeReplaced) {
    addEntry(1, 0, "E:\\", "TOOLS\\SETUP.EXE");
    addEntry(0, 3, "A:\\", "tools\\setup.exe"); // the same name on another drive root
    ARC.clear();
    host.answerFile(file(cd, "TOOLS/SETUP.EXE"));
    host.answer(1); // Yes
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        press(w, W::OkButton);
    });
    ASSERT_EQ(host.messages().size(), 1u);
    const auto& question = host.messages()[0];
    EXPECT_EQ(question.buttonNames, "&Yes|&No");
    EXPECT_EQ(question.icon, Icon::Exclamation);
    const QFileInfo info(QDir(cd).filePath("TOOLS/SETUP.EXE"));
    EXPECT_EQ(question.text,
              "RECORD ALREADY EXISTS :CD 1\nReplace E:\\, File : TOOLS\\SETUP.EXE\nDate , Time "
              "\n\nWITH THIS ONE : \nCD 2\nE:\\, File : TOOLS\\SETUP.EXE\nDate " +
                  info.lastModified().toString("dd/MM/yyyy") + ", Time " +
                  info.lastModified().toString("HH:mm:ss"));
    EXPECT_EQ(entries(), QStringList({"0 3 A:\\ tools\\setup.exe", "2 0 E:\\ TOOLS\\SETUP.EXE"}))
        << "Yes removed the entry under E:\\ only";
}

TEST_F(UpdateArchiefTest, NoToTheDuplicateKeepsBothEntries) {
    addEntry(1, 0, "E:\\", "SETUP.EXE");
    host.answerFile(file(cd, "SETUP.EXE"));
    host.answer(2); // No
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        press(w, W::OkButton);
    });
    EXPECT_EQ(entries(), QStringList({"1 0 E:\\ SETUP.EXE", "2 0 E:\\ SETUP.EXE"}));
}

TEST_F(UpdateArchiefTest, IncludeAddsAFileToTheHighlightedMedium) {
    addEntry(2, 0, "E:\\", "GAMES\\CHESS.EXE");
    GLO.CurrentMediumName = "E:\\";
    GLO.CurrentCdNr = 2;
    host.answerFile(file(zip, "GAMES/GOLF.EXE")); // not on the CD
    host.answerFile(file(cd, "GAMES/GO.EXE"));
    run(InsertRecord, 0, 3, 0, [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Including a record to E:\\ -- Cd Nr. 2");
        EXPECT_EQ(choices(w, W::DriveList), QStringList({"E:\\"}));
        EXPECT_FALSE(control<QWidget>(w, W::DriveList)->isEnabled());
        EXPECT_FALSE(control<QWidget>(w, W::NameEntry)->isEnabled());
        EXPECT_EQ(shown(w, W::DriveLabel), "CD");
        EXPECT_EQ(shown(w, W::CdNrEntry), "2");
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::FileNameEntry), "");
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::FileNameEntry), "GAMES\\GO.EXE");
        press(w, W::OkButton);
    });
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text,
              "Can not include F:\\  to  E:\\. Please pick file from correct drive !");
    EXPECT_EQ(entries(), QStringList({"2 0 E:\\ GAMES\\CHESS.EXE", "2 0 E:\\ GAMES\\GO.EXE"}));
}

TEST_F(UpdateArchiefTest, IncludeIntoADiskTellsTheDrivesKind) {
    addEntry(0, 4, "F:\\", "BACKUP.ZIP");
    GLO.CurrentMediumName = "F:\\";
    GLO.CurrentDiskNr = 4;
    run(InsertRecord, 3, 0, 0, [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Including a record to F:\\ -- ZIP Nr. 4");
        press(w, W::CancelButton);
    });
    GLO.CurrentMediumName = "Office Suite 4";
    run(InsertRecord, 3, 0, 0, [&](QWidget& w) {
        EXPECT_EQ(choices(w, W::DriveList), QStringList());
        press(w, W::CancelButton);
    });
    EXPECT_EQ(host.lastMessage()->text, "Drive not found in configuration, please correct this");
    EXPECT_EQ(entries(), QStringList({"0 4 F:\\ BACKUP.ZIP"}));
}

TEST_F(UpdateArchiefTest, PropertiesFromTheSearchResultsLoadTheEntryByNumber) {
    Access::SoortTabel().Open();
    for (const char* soort : {"Games", "Office", "Everything"}) {
        SRT.Soort = soort;
        Access::SoortTabel().TryInsert();
    }
    Access::SoortTabel().Close();
    const quint32 nr = addEntry(3, 0, "E:\\", "OFFICE\\WORD.EXE");
    GLO.CurrentMediumName = "A:\\"; // the browse highlights another medium
    run(ChangeRecord, 4, 0, nr, [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Properties of    (OFFICE\\WORD.EXE)");
        EXPECT_EQ(shown(w, W::FileNameEntry), "OFFICE\\WORD.EXE");
        EXPECT_EQ(shown(w, W::FileLabel), "Update file");
        EXPECT_EQ(choices(w, W::DriveList), QStringList({"E:\\"})) << "the drive of the entry";
        EXPECT_EQ(shown(w, W::ClassList), "Games");
        EXPECT_EQ(choices(w, W::ClassList), QStringList({"Games", "Office"}));
        auto* classes = control<QComboBox>(w, W::ClassList);
        classes->setCurrentIndex(1);
        Q_EMIT classes->activated(1);
        settleEvents();
        EXPECT_EQ(control<QAbstractButton>(w, W::RunButton)->text(), "Start");
        type(w, W::RemarksEntry, "Needs a serial number");
        press(w, W::OkButton);
    });
    ArchiefRecord saved;
    ASSERT_TRUE(entry(nr, saved));
    EXPECT_EQ(saved.Opmerkingen.str(), "Needs a serial number");
    EXPECT_EQ(saved.Soort.str(), "Office");
    EXPECT_EQ(saved.Registration.str(), "None");
    EXPECT_EQ(entries().size(), 1);
    EXPECT_TRUE(host.messages().empty()) << messageTexts().join("|").toStdString();
}

TEST_F(UpdateArchiefTest, ARecordNumberNoLongerThereWritesNothing) {
    const quint32 nr = addEntry(3, 0, "E:\\", "OFFICE\\WORD.EXE");
    const QStringList before = entries();
    bool shownForm = false;
    whenShown(QStringLiteral("UpdateArchief"), [&](QWidget& w) {
        shownForm = true;
        press(w, W::OkButton);
    });
    Protocol::GlobalRequest = ChangeRecord;
    EXPECT_EQ(UpdateArchief(4, 0, nr + 10), RequestCancelled);
    settleEvents();
    EXPECT_FALSE(shownForm);
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Can not find record");
    EXPECT_EQ(host.messages()[0].caption, "Software");
    EXPECT_EQ(entries(), before);
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::ArchiveForm));
    // The "was not shown" failure of the pending look-out is expected here.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "UpdateArchief") w->close();
}

TEST_F(UpdateArchiefTest, ReadingTheFileAgainMayUpdateSizeDateAndTime) {
    const QString path = file(cd, "DOCS/NOTES.TXT", 0, "new text");
    const quint32 nr = addEntry(6, 0, "E:\\", "DOCS\\NOTES.TXT");
    host.answer(1); // Yes
    run(ChangeRecord, 4, 0, nr, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::SizeSpin), "") << "8 bytes are 0.0 Kb";
        EXPECT_EQ(control<QPlainTextEdit>(w, W::DescriptionBox)->toPlainText(), "new text");
        press(w, W::OkButton);
    });
    ASSERT_GE(host.messages().size(), 1u);
    const QFileInfo info(path);
    EXPECT_TRUE(host.messages()[0].text.startsWith(
        "Update this record record :CD Nr. : 6\nE:\\DOCS\\NOTES.TXT\nSize 0.0 Kb, Date , Time "
        "\n\nwith this one : \nCD Nr. : 6\nE:\\DOCS\\NOTES.TXT\nSize 0.0 Kb, Date " +
        info.lastModified().toString("dd/MM/yyyy")))
        << host.messages()[0].text.toStdString();
    ArchiefRecord saved;
    ASSERT_TRUE(entry(nr, saved));
    EXPECT_EQ(saved.Date, Pictures::dayNumber(info.lastModified().date()));
    EXPECT_EQ(saved.Omschrijving.str(), "new text");

    QFile::remove(path);
    run(ChangeRecord, 4, 0, nr, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        press(w, W::CancelButton);
    });
    EXPECT_EQ(host.lastMessage()->text, "  Record NOT found at CD Nr. : 6");
}

TEST_F(UpdateArchiefTest, DeleteAsksAndLowersTheCount) {
    const quint32 nr = addEntry(3, 0, "E:\\", "OLD.EXE");
    addEntry(3, 0, "E:\\", "KEEP.EXE");
    GLO.ArchiveCount = 2;
    host.answer(ButtonYes);
    run(DeleteRecord, 0, 5, nr, [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "  (OLD.EXE)");
        press(w, W::OkButton);
    });
    EXPECT_EQ(host.messages().size(), 1u) << "the framework's confirmation";
    EXPECT_EQ(entries(), QStringList({"3 0 E:\\ KEEP.EXE"}));
    EXPECT_EQ(GLO.ArchiveCount, 1u);
}

TEST_F(UpdateArchiefTest, ALevelOneUserCanLookButNotSave) {
    GLO.UserLevel = 1;
    const quint32 nr = addEntry(3, 0, "E:\\", "OLD.EXE");
    run(ChangeRecord, 4, 0, nr, [&](QWidget& w) {
        EXPECT_FALSE(control<QWidget>(w, W::OkButton)->isEnabled());
        press(w, W::CancelButton);
    });
}

TEST_F(UpdateArchiefTest, PickDateTakesTheDayClickedAndKeepsTheDateOnCancel) {
    const quint32 nr = addEntry(3, 0, "E:\\", "OLD.EXE");
    run(ChangeRecord, 4, 0, nr, [&](QWidget& w) {
        whenShown(QStringLiteral("Calendar"), [](QWidget& calendar) {
            EXPECT_EQ(calendar.windowTitle(), "December 2026") << "today when there is no date";
            calendar.findChild<QAbstractButton*>("control39")->click(); // 18 December
            settleEvents();
        });
        press(w, W::PickDateButton);
        EXPECT_EQ(shown(w, W::DateSpin), "18/12/26");
        whenShown(QStringLiteral("Calendar"), [](QWidget& calendar) {
            calendar.close(); // the close box: nothing chosen
            settleEvents();
        });
        press(w, W::PickDateButton);
        EXPECT_EQ(shown(w, W::DateSpin), "18/12/26");
        press(w, W::OkButton);
    });
    ArchiefRecord saved;
    ASSERT_TRUE(entry(nr, saved));
    EXPECT_EQ(saved.Date, Pictures::dayNumber(2026, 12, 18));
}

TEST_F(UpdateArchiefTest, RunButtonFollowsTheExtensionAndTheTab) {
    const quint32 text = addEntry(3, 0, "E:\\", "README.TXT");
    run(ChangeRecord, 4, 0, text, [&](QWidget& w) {
        auto* runButton = control<QAbstractButton>(w, W::RunButton);
        EXPECT_EQ(runButton->text(), "Read");
        auto* sheet = control<QTabWidget>(w, W::Sheet);
        sheet->setCurrentIndex(1);
        settleEvents();
        EXPECT_EQ(runButton->text(), "View");
        EXPECT_FALSE(runButton->isHidden());
        sheet->setCurrentIndex(0);
        settleEvents();
        EXPECT_TRUE(runButton->isHidden()) << "a text file is viewed with its description";
        press(w, W::CancelButton);
    });
    const quint32 program = addEntry(3, 0, "E:\\", "TOOLS\\SETUP.BAT");
    const quint32 named = addEntry(0, 2, "Office Suite", "PAINT.ICO");
    run(ChangeRecord, 4, 0, program, [&](QWidget& w) {
        EXPECT_EQ(control<QAbstractButton>(w, W::RunButton)->text(), "Run");
        press(w, W::RunButton);
        press(w, W::CancelButton);
    });
    EXPECT_EQ(host.shellOpened(), QStringList({"E:\\TOOLS\\SETUP.BAT"}));
    run(ChangeRecord, 4, 0, named, [&](QWidget& w) {
        EXPECT_EQ(control<QAbstractButton>(w, W::RunButton)->text(), "View");
        press(w, W::CancelButton);
    });
}

TEST_F(UpdateArchiefTest, AKnownProducerShowsItsDetails) {
    Access::Prd().Open();
    PRD.clear();
    PRD.Name = "Kestrel Games";
    PRD.Website = "http://www.kestrel.example";
    PRD.Support = "help@kestrel.example";
    PRD.Phone = "+31 20 555 0101";
    ASSERT_EQ(Access::Prd().TryInsert(), LevelBenign);
    Access::Prd().Close();
    const quint32 nr = addEntry(3, 0, "E:\\", "CHESS.EXE");
    run(ChangeRecord, 4, 0, nr, [&](QWidget& w) {
        type(w, W::ProducerEntry, "kestrel games");
        EXPECT_EQ(shown(w, W::ProducerEntry), "Kestrel Games");
        EXPECT_EQ(shown(w, W::WebsiteEntry), "http://www.kestrel.example");
        EXPECT_EQ(shown(w, W::PhoneEntry), "+31 20 555 0101");
        // An unknown name opens the producer list to choose from; closing it keeps the name.
        bool listed = false;
        whenShown("BrowsProducer", [&](QWidget& list) {
            listed = true;
            list.findChild<QAbstractButton*>("control11")->click(); // Close
        });
        type(w, W::ProducerEntry, "Nobody Known");
        EXPECT_TRUE(listed);
        EXPECT_EQ(shown(w, W::ProducerEntry), "Nobody Known") << "kept as typed";
        EXPECT_EQ(shown(w, W::WebsiteEntry), "");
        press(w, W::OkButton);
    });
    ArchiefRecord saved;
    ASSERT_TRUE(entry(nr, saved));
    EXPECT_EQ(saved.Producer.str(), "Nobody Known");
}

TEST_F(UpdateArchiefTest, ASecondFormIsNotOpened) {
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        Protocol::GlobalRequest = InsertRecord;
        EXPECT_EQ(UpdateArchief(2, 0, 0), RequestCancelled);
        EXPECT_TRUE(w.isVisible());
        press(w, W::CancelButton);
    });
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::ArchiveForm));
}

// ---- bad input ---------------------------------------------------------------------------

TEST_F(UpdateArchiefTest, ADriveWhoseFolderIsMissingIsNotReady) {
    host.setDriveFolder('E', dataPath("gone"));
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        press(w, W::CancelButton);
    });
    EXPECT_TRUE(host.dialogs().empty()) << "no dialog on a drive that is not ready";
    EXPECT_EQ(host.lastMessage()->text,
              "Drive E:\\ is not ready: its folder " + dataPath("gone") + " does not exist.");
    host.setDriveFolder('E', QString());
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        press(w, W::CancelButton);
    });
    EXPECT_TRUE(host.lastMessage()->text.startsWith("Drive E:\\ is not ready: no folder"));
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(UpdateArchiefTest, WithoutADriveOfItsKindANewDiskIsNotNumbered) {
    for (const char* root : {"A:\\", "C:\\", "F:\\"}) {
        DRV.DRIVE = root;
        ASSERT_EQ(Access::Drv().TryFetch(DrvKey::KeyDrive), LevelBenign);
        ASSERT_EQ(Access::Drv().UseFile(), LevelBenign);
        Access::Drv().File->erase(DRV);
    }
    run(InsertRecord, 2, 0, 0, [&](QWidget& w) {
        EXPECT_EQ(choices(w, W::DriveList), QStringList());
        EXPECT_EQ(shown(w, W::DiskNrEntry), "");
        press(w, W::CancelButton);
    });
    EXPECT_EQ(host.lastMessage()->text, "Drive not found in configuration, please correct this");
}

TEST_F(UpdateArchiefTest, AFileGoneSinceTheDialogIsToldAndNotFilledIn) {
    host.answerFile(QDir(cd).filePath("VANISHED.EXE"));
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::FileNameEntry), "");
        EXPECT_EQ(shown(w, W::SizeSpin), "");
        EXPECT_TRUE(control<QWidget>(w, W::DriveList)->isEnabled());
        press(w, W::CancelButton);
    });
    EXPECT_EQ(host.lastMessage()->text, "E:\\VANISHED.EXE  File not found");
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(UpdateArchiefTest, OddNamesAreStoredAsWrittenAndOverlongOnesRefused) {
    const QString odd = QString::fromUtf8("Spiele für Kinder/\"Quoted\" O'Brien's  Tool.exe");
    host.answerFile(file(cd, odd, 0, QByteArray()));
    host.answerFile(file(cd, QString(200, 'd') + "/" + QString(60, 'n') + ".EXE", 10));
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::SizeSpin), "") << "a 0-byte file";
        press(w, W::OkButton);
    });
    EXPECT_EQ(entries(), QStringList({"1 0 E:\\ " + QString(odd).replace('/', '\\')}));
    ArchiefRecord saved;
    ASSERT_TRUE(entry(1, saved));
    EXPECT_NE(saved.Date, 0) << "a 0-byte file is found by its date";
    run(InsertRecord, 1, 0, 0, [&](QWidget& w) {
        press(w, W::ChooseFileButton);
        EXPECT_EQ(shown(w, W::FileNameEntry), "");
        press(w, W::CancelButton);
    });
    EXPECT_TRUE(host.lastMessage()->text.startsWith("The path of this file is too long"));
    EXPECT_EQ(entries().size(), 1);
}

} // namespace
