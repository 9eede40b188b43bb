#include "scan/DriveConfiguration.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "scan/DriveConfigurationWindow.h"
#include "support/CatalogueTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using W = DriveConfigurationWindow;

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}
QCheckBox* tick(QWidget& w, char letter) {
    return control<QCheckBox>(w, W::FirstTick + letter - 'A');
}
QComboBox* kind(QWidget& w, char letter) {
    return control<QComboBox>(w, W::FirstKind + letter - 'A');
}
QLineEdit* folder(QWidget& w, char letter) {
    return control<QLineEdit>(w, W::FirstFolder + letter - 'A');
}

void press(QWidget& w, int number) {
    control<QPushButton>(w, number)->click();
    settleEvents();
}
void setTicked(QWidget& w, char letter, bool on) {
    if (tick(w, letter)->isChecked() != on) tick(w, letter)->click();
    settleEvents();
}
void choose(QWidget& w, char letter, const QString& choice) {
    QComboBox* box = kind(w, letter);
    const int index = box->findText(choice);
    ASSERT_GE(index, 0) << choice.toStdString();
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
    settleEvents();
}

class DriveConfigurationTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        ini.Update("StartUp", "DriveConfig", "1");
    }
    void addDrive(const QString& root, const QString& kindText) {
        Access::Drv().Open();
        DRV.clear();
        DRV.DRIVE = root;
        DRV.KINDOFDRIVE = kindText;
        ASSERT_EQ(Access::Drv().TryInsert(), LevelBenign);
        Access::Drv().Close();
    }
    // "root kind" of every Drv record, in drive order.
    QStringList drives() {
        QStringList out;
        Access::Drv().Open();
        DrvRecord probe;
        if (Access::Drv().UseFile() == LevelBenign) {
            Access::Drv().File->setOrder(DrvKey::KeyDrive);
            while (Access::Drv().File->next(probe) == store::Ok)
                out << probe.DRIVE.str() + " " + probe.KINDOFDRIVE.str();
        }
        Access::Drv().Close();
        return out;
    }
    static QStringList queue() {
        QStringList out;
        for (const DriveQueueEntry& e : GLO.DriveQueue.rows)
            out << e.DRIVE.str() + " " + e.KINDOFDRIVE.str();
        return out;
    }
};

TEST_F(DriveConfigurationTest, UntickingAConfiguredDriveRemovesItsRecord) {
    addDrive("A:\\", "Floppy");
    addDrive("D:\\", "CD");
    GLO.DriveQueue.buffer.DRIVE = "X:\\";
    GLO.DriveQueue.add();
    whenShown("DriveConfiguration", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Configure drives");
        EXPECT_TRUE(tick(w, 'A')->isChecked());
        EXPECT_TRUE(tick(w, 'D')->isChecked());
        EXPECT_EQ(kind(w, 'D')->currentText(), "CD");
        EXPECT_FALSE(kind(w, 'D')->isHidden());
        EXPECT_TRUE(kind(w, 'B')->isHidden()) << "an unticked drive shows no kind";
        EXPECT_TRUE(folder(w, 'B')->isHidden());
        EXPECT_TRUE(control<QLabel>(w, W::FirstStartText)->isHidden());
        QCheckBox* connect = control<QCheckBox>(w, W::ConnectDrive);
        EXPECT_TRUE(connect->isChecked());
        EXPECT_FALSE(connect->isEnabled());
        setTicked(w, 'D', false);
        EXPECT_TRUE(kind(w, 'D')->isHidden());
        EXPECT_TRUE(folder(w, 'D')->isHidden());
        press(w, W::OkButton);
    });
    DriveConfiguration();
    EXPECT_EQ(drives(), QStringList({"A:\\ Floppy"}));
    EXPECT_EQ(queue(), QStringList({"A:\\ Floppy"})) << "the queue is rebuilt, not added to";
    EXPECT_FALSE(ini.Fetch("DriveConfiguration", "XPos").isEmpty()) << "the place is kept";
}

TEST_F(DriveConfigurationTest, TickedDriveWithoutKindStopsThereWithEarlierDrivesStored) {
    addDrive("H:\\", "HD");
    DriveConfigurationWindow window;
    whenShown("DriveConfiguration", [&](QWidget& w) {
        const QStringList kinds = {"Floppy", "Floppy", "CD", "HD", "Zip", "HD"};
        for (char letter = 'A'; letter <= 'G'; ++letter)
            setTicked(w, letter, true);
        for (int i = 0; i < 6; ++i)
            choose(w, char('A' + i), kinds[i]);
        setTicked(w, 'H', false);
        press(w, W::OkButton);
        EXPECT_TRUE(w.isVisible()) << "the dialog stays open";
        EXPECT_EQ(window.C().Focused(), W::FirstKind + 6);
        EXPECT_EQ(w.focusWidget(), kind(w, 'G'));
        EXPECT_EQ(drives(), QStringList({"A:\\ Floppy", "B:\\ Floppy", "C:\\ CD", "D:\\ HD",
                                         "E:\\ ZIP", "F:\\ HD", "H:\\ HD"}))
            << "letters after G are not visited yet";
        EXPECT_EQ(queue().size(), 6);
        EXPECT_TRUE(host.messages().empty());
        choose(w, 'G', "CD");
        press(w, W::OkButton);
    });
    EXPECT_EQ(window.Run(), RequestCompleted);
    const QStringList all = drives();
    EXPECT_EQ(all.size(), 7);
    EXPECT_EQ(all.last(), "G:\\ CD");
    EXPECT_EQ(queue().size(), 7);
}

TEST_F(DriveConfigurationTest, ZipDriveShowsZipAndAnUnknownKindShowsNothing) {
    addDrive("E:\\", "ZIP");
    addDrive("F:\\", "Tape");
    whenShown("DriveConfiguration", [&](QWidget& w) {
        EXPECT_EQ(kind(w, 'E')->currentText(), "Zip");
        EXPECT_TRUE(tick(w, 'F')->isChecked());
        EXPECT_EQ(kind(w, 'F')->currentText(), "");
        press(w, W::OkButton); // F has no kind: the dialog stays
        EXPECT_EQ(w.focusWidget(), kind(w, 'F'));
        press(w, W::CancelButton);
    });
    DriveConfiguration();
    EXPECT_EQ(drives(), QStringList({"E:\\ ZIP", "F:\\ Tape"}));
}

TEST_F(DriveConfigurationTest, CancelAtTheFirstStartStillMarksTheConfigurationDone) {
    ini.Update("StartUp", "DriveConfig", "0");
    whenShown("DriveConfiguration", [&](QWidget& w) {
        QLabel* hint = control<QLabel>(w, W::FirstStartText);
        EXPECT_FALSE(hint->isHidden());
        EXPECT_EQ(hint->text(), "First start : Please check your avaible drives");
        setTicked(w, 'A', true);
        choose(w, 'A', "Floppy");
        press(w, W::HelpButton);
        press(w, W::CancelButton);
    });
    DriveConfiguration();
    EXPECT_EQ(ini.Fetch("StartUp", "DriveConfig"), "1");
    EXPECT_TRUE(drives().isEmpty()) << "Cancel writes no drive";
    EXPECT_EQ(host.helpKeywords(), QStringList({"Configure drives"}));

    whenShown("DriveConfiguration", [&](QWidget& w) {
        EXPECT_TRUE(control<QLabel>(w, W::FirstStartText)->isHidden());
        w.close(); // the close box
    });
    DriveConfiguration();
}

TEST_F(DriveConfigurationTest, FolderOfEachDriveIsKeptWithTheHost) {
    addDrive("B:\\", "Floppy");
    mapDrive('B', "floppy");
    const QString cdrom = dataPath("cdrom");
    QDir().mkpath(cdrom);
    host.answerDirectory(cdrom);
    whenShown("DriveConfiguration", [&](QWidget& w) {
        EXPECT_EQ(folder(w, 'B')->text(), dataPath("floppy"));
        setTicked(w, 'D', true);
        choose(w, 'D', "CD");
        press(w, W::FirstBrowse + 3); // "..." of D
        EXPECT_EQ(folder(w, 'D')->text(), cdrom);
        setTicked(w, 'E', true);
        choose(w, 'E', "HD"); // no folder: a drive that is not ready
        setTicked(w, 'B', false);
        press(w, W::OkButton);
    });
    DriveConfiguration();
    ASSERT_EQ(host.dialogs().size(), 1u);
    EXPECT_EQ(host.dialogs().front().kind, ScriptedHost::DialogKind::Directory);
    EXPECT_EQ(drives(), QStringList({"D:\\ CD", "E:\\ HD"}));
    EXPECT_EQ(host.driveFolder('D'), cdrom);
    EXPECT_EQ(ini.Fetch("Drives", "D"), cdrom);
    EXPECT_EQ(host.driveFolder('E'), "");
    EXPECT_EQ(host.driveFolder('B'), "") << "an unticked drive loses its folder";
}

TEST_F(DriveConfigurationTest, AFolderThatIsNotThereIsSaidAtOk) {
    writeFile("notes.txt", "a file, not a folder");
    const QString gone = dataPath("gone");
    whenShown("DriveConfiguration", [&](QWidget& w) {
        setTicked(w, 'D', true);
        choose(w, 'D', "CD");
        folder(w, 'D')->selectAll();
        folder(w, 'D')->insert(gone);
        Q_EMIT folder(w, 'D')->editingFinished();
        setTicked(w, 'F', true);
        choose(w, 'F', "HD");
        folder(w, 'F')->selectAll();
        folder(w, 'F')->insert(dataPath("notes.txt"));
        Q_EMIT folder(w, 'F')->editingFinished();
        host.answer(2); // No: put it right
        press(w, W::OkButton);
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_EQ(host.lastMessage()->caption, "Wareloft");
        EXPECT_TRUE(host.lastMessage()->text.contains(gone + " of drive D:\\"));
        EXPECT_TRUE(host.lastMessage()->text.contains("notes.txt of drive F:\\"));
        EXPECT_TRUE(drives().isEmpty()) << "nothing stored yet";
        EXPECT_EQ(QApplication::focusWidget(), folder(w, 'D'));
        host.answer(1); // Yes: keep them, not ready
        press(w, W::OkButton);
    });
    DriveConfiguration();
    EXPECT_EQ(drives(), QStringList({"D:\\ CD", "F:\\ HD"}));
    EXPECT_EQ(host.messages().size(), 2u);
}

} // namespace
