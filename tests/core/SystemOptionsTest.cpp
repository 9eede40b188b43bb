#include "core/SystemOptions.h"
#include "core/DataFiles.h"
#include "core/Globals.h"
#include "core/Procedures.h"
#include "core/SystemOptionsWindow.h"
#include "support/CatalogueTest.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

using W = SystemOptionsWindow;
using SystemOptions::PathState;

template <class T> T* control(QWidget& w, int number) {
    return w.findChild<T*>(QStringLiteral("control%1").arg(number));
}
bool hidden(QWidget& w, int number) {
    return control<QWidget>(w, number)->isHidden();
}
QString label(QWidget& w, int number) {
    return control<QLabel>(w, number)->text();
}
void press(QWidget& w, int number) {
    control<QPushButton>(w, number)->click();
    settleEvents();
}
void tick(QWidget& w, int number, bool on) {
    QCheckBox* box = control<QCheckBox>(w, number);
    if (box->isChecked() != on) box->click();
    settleEvents();
}
void spin(QWidget& w, int number, int value) {
    control<QSpinBox>(w, number)->setValue(value);
    settleEvents();
}
void typePath(QWidget& w, const QString& path) {
    QLineEdit* entry = control<QLineEdit>(w, W::PathEntry);
    entry->setFocus();
    entry->selectAll();
    entry->insert(path); // as typing does
}

class SystemOptionsTest : public CatalogueTest {
protected:
    void SetUp() override {
        CatalogueTest::SetUp();
        GLO.ProgramDir = dataDir();
    }
    void setSystem(int doLog, int howLong, int doBackup, int days, const QString& path) {
        fetch();
        SYS.DOLOG = quint8(doLog);
        SYS.HOWLONG = quint8(howLong);
        SYS.DOBACKUP = quint8(doBackup);
        SYS.BACKUPDAYS = quint8(days);
        SYS.LASTBACKUPDATE = 1234;
        SYS.PATHBACKUPFILES = path;
        ASSERT_EQ(Access::Sys().TryUpdate(), LevelBenign);
    }
    bool fetch() {
        SYS.clear();
        SYS.ID = 1;
        return Access::Sys().TryFetch(SysKey::KeyID) == LevelBenign;
    }
    // "DOLOG HOWLONG DOBACKUP BACKUPDAYS LASTBACKUPDATE PATH" of the stored record.
    QString stored() {
        if (!fetch()) return "missing";
        return QStringLiteral("%1 %2 %3 %4 %5 [%6]")
            .arg(SYS.DOLOG)
            .arg(SYS.HOWLONG)
            .arg(SYS.DOBACKUP)
            .arg(SYS.BACKUPDAYS)
            .arg(SYS.LASTBACKUPDATE)
            .arg(SYS.PATHBACKUPFILES.str());
    }
    void runWindow(std::function<void(QWidget&)> action) {
        whenShown("UpdateSysOptions", std::move(action));
        Procedures::run(Procedure::SystemOptions);
    }
    QStringList messageTexts() {
        QStringList texts;
        for (const auto& m : host.messages())
            texts << m.text;
        return texts;
    }
};

TEST(SystemOptionsRules, TextsBesideTheSpinBoxes) {
    EXPECT_EQ(SystemOptions::retentionText(0), "Only of today");
    EXPECT_EQ(SystemOptions::retentionText(1), "For minimal 1 day");
    EXPECT_EQ(SystemOptions::retentionText(5), "For minimal 5 days");
    EXPECT_EQ(SystemOptions::retentionText(255), "For minimal 255 days");
    EXPECT_EQ(SystemOptions::intervalText(0), "Every day");
    EXPECT_EQ(SystemOptions::intervalText(1), "After 1 day");
    EXPECT_EQ(SystemOptions::intervalText(7), "After 7 days");
}

TEST(SystemOptionsRules, ChosenDirectoryLosesItsTrailingSeparatorOnly) {
    EXPECT_EQ(SystemOptions::chosenDirectory("/home/anna/backup/"), "/home/anna/backup");
    EXPECT_EQ(SystemOptions::chosenDirectory("/home/anna/backup"), "/home/anna/backup");
    EXPECT_EQ(SystemOptions::chosenDirectory("D:\\BACKUP\\"), "D:\\BACKUP");
    EXPECT_EQ(SystemOptions::chosenDirectory("D:\\"), "D:\\");
    EXPECT_EQ(SystemOptions::chosenDirectory("/"), "/");
}

TEST_F(SystemOptionsTest, OpensWithTheStoredValuesAndTheirTexts) {
    setSystem(1, 5, 0, 7, dataPath("backup"));
    runWindow([&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Log and Backup Options");
        EXPECT_TRUE(control<QCheckBox>(w, W::KeepLog)->isChecked());
        EXPECT_EQ(control<QSpinBox>(w, W::HowLong)->value(), 5);
        EXPECT_EQ(label(w, W::RetentionText), "For minimal 5 days");
        EXPECT_FALSE(hidden(w, W::HowLong));
        EXPECT_FALSE(control<QCheckBox>(w, W::DoBackup)->isChecked());
        EXPECT_EQ(control<QCheckBox>(w, W::DoBackup)->toolTip(), "Check to make backup files");
        for (int c : {W::BackupDays, W::IntervalText, W::PathPrompt, W::PathEntry})
            EXPECT_TRUE(hidden(w, c)) << c;
        EXPECT_FALSE(hidden(w, W::ChooseButton)) << "the directory button stays";
        EXPECT_EQ(label(w, W::IntervalText), "After 7 days");
        press(w, W::CancelButton);
    });
    EXPECT_EQ(stored(), QString("1 5 0 7 1234 [%1]").arg(dataPath("backup")));
}

TEST_F(SystemOptionsTest, TicksShowAndHideAndSpinsRewriteTheirTexts) {
    setSystem(1, 30, 0, 0, "");
    runWindow([&](QWidget& w) {
        spin(w, W::HowLong, 0);
        EXPECT_EQ(label(w, W::RetentionText), "Only of today");
        spin(w, W::HowLong, 1);
        EXPECT_EQ(label(w, W::RetentionText), "For minimal 1 day");
        tick(w, W::KeepLog, false);
        EXPECT_TRUE(hidden(w, W::HowLong));
        EXPECT_TRUE(hidden(w, W::RetentionText));
        tick(w, W::DoBackup, true);
        for (int c : {W::BackupDays, W::IntervalText, W::PathPrompt, W::PathEntry})
            EXPECT_FALSE(hidden(w, c)) << c;
        EXPECT_EQ(label(w, W::IntervalText), "Every day");
        spin(w, W::BackupDays, 1);
        EXPECT_EQ(label(w, W::IntervalText), "After 1 day");
        spin(w, W::BackupDays, 7);
        EXPECT_EQ(label(w, W::IntervalText), "After 7 days");
        // Nothing is stored before OK.
        EXPECT_EQ(stored(), "1 30 0 0 1234 []");
        press(w, W::CancelButton);
    });
    EXPECT_EQ(stored(), "1 30 0 0 1234 []") << "Cancel changes nothing";
}

TEST_F(SystemOptionsTest, OkStoresTheValuesAndTheyComeBackHiddenAsLeft) {
    setSystem(1, 30, 0, 0, "");
    QDir().mkpath(dataPath("backup"));
    runWindow([&](QWidget& w) {
        tick(w, W::KeepLog, false);
        tick(w, W::DoBackup, true);
        spin(w, W::BackupDays, 3);
        typePath(w, dataPath("backup") + "/");
        press(w, W::OkButton);
    });
    EXPECT_EQ(stored(), QString("0 30 1 3 1234 [%1]").arg(dataPath("backup")))
        << "the date of the last backup stays, the path has no trailing separator";
    EXPECT_TRUE(host.messages().empty());
    runWindow([&](QWidget& w) {
        EXPECT_TRUE(hidden(w, W::HowLong));
        EXPECT_FALSE(hidden(w, W::PathEntry));
        EXPECT_EQ(control<QLineEdit>(w, W::PathEntry)->text(), dataPath("backup"));
        press(w, W::CancelButton);
    });
    EXPECT_FALSE(ini.Fetch("UpdateSysOptions", "XPos").isEmpty()) << "the place is kept";
}

TEST_F(SystemOptionsTest, MissingDirectoryAnsweredNoSwitchesBackupsOff) {
    setSystem(1, 30, 0, 0, "");
    host.answer(2); // "&No"
    runWindow([&](QWidget& w) {
        tick(w, W::DoBackup, true);
        typePath(w, dataPath("nowhere"));
        press(w, W::OkButton);
    });
    ASSERT_EQ(host.messages().size(), 1u);
    const auto& question = host.messages()[0];
    EXPECT_EQ(question.text, "Path noth found, do you wanna created it for you?");
    EXPECT_EQ(question.caption, "Wareloft");
    EXPECT_EQ(question.buttonNames, "&Yes|&No");
    EXPECT_EQ(question.defaultButton, 2);
    EXPECT_EQ(question.icon, Icon::Exclamation);
    EXPECT_EQ(stored(), "1 30 0 0 1234 []");
    EXPECT_FALSE(QFileInfo::exists(dataPath("nowhere")));
}

TEST_F(SystemOptionsTest, MissingDirectoryAnsweredYesIsMade) {
    setSystem(1, 30, 0, 0, "");
    host.answer(1);
    const QString path = dataPath("made/for/backups");
    runWindow([&](QWidget& w) {
        tick(w, W::DoBackup, true);
        typePath(w, path);
        press(w, W::OkButton);
    });
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(stored(), QString("1 30 1 0 1234 [%1]").arg(path));
    EXPECT_EQ(QDir::currentPath(), QDir(dataDir()).canonicalPath())
        << "the program's directory is current again";
}

TEST_F(SystemOptionsTest, DirectoryThatCannotHoldBackupsKeepsTheWindowOpen) {
    setSystem(1, 30, 0, 0, "");
    writeFile("afile", "text");
    QDir().mkpath(dataPath("closed"));
    QFile::setPermissions(dataPath("closed"), QFile::ReadOwner | QFile::ExeOwner);
    runWindow([&](QWidget& w) {
        tick(w, W::DoBackup, true);
        typePath(w, dataPath("afile"));
        press(w, W::OkButton);
        EXPECT_TRUE(w.isVisible()) << "a file is no backup directory";
        ASSERT_NE(host.lastMessage(), nullptr);
        EXPECT_TRUE(host.lastMessage()->text.contains("is a file, not a directory"));

        typePath(w, dataPath("closed"));
        press(w, W::OkButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(host.lastMessage()->text.contains("may not be written"));

        typePath(w, dataDir());
        press(w, W::OkButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(host.lastMessage()->text.contains("the catalogue's own directory"));

        host.answer(1); // make one under the file: it cannot be made
        typePath(w, dataPath("afile/inside"));
        press(w, W::OkButton);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(host.lastMessage()->text, "Unable to create BackUp Directory");
        EXPECT_EQ(QApplication::focusWidget(), control<QLineEdit>(w, W::PathEntry));
        press(w, W::CancelButton);
    });
    QFile::setPermissions(dataPath("closed"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(stored(), "1 30 0 0 1234 []");
}

TEST_F(SystemOptionsTest, ChosenDirectoryIsShownWithoutItsTrailingSeparator) {
    setSystem(1, 30, 1, 0, dataPath("old"));
    QDir().mkpath(dataPath("chosen"));
    host.answerDirectory(dataPath("chosen") + "/");
    runWindow([&](QWidget& w) {
        press(w, W::ChooseButton);
        EXPECT_EQ(control<QLineEdit>(w, W::PathEntry)->text(), dataPath("chosen"));
        press(w, W::OkButton);
    });
    ASSERT_EQ(host.dialogs().size(), 1u);
    EXPECT_EQ(host.dialogs()[0].title, "Choose Directory");
    EXPECT_EQ(host.dialogs()[0].start, dataPath("old"));
    EXPECT_EQ(stored(), QString("1 30 1 0 1234 [%1]").arg(dataPath("chosen")));
}

TEST_F(SystemOptionsTest, WithoutTheSystemRecordOkReportsTheFailure) {
    fetch();
    ASSERT_EQ(Access::Sys().File->erase(SYS), store::Ok);
    runWindow([&](QWidget& w) {
        EXPECT_FALSE(control<QCheckBox>(w, W::KeepLog)->isChecked());
        press(w, W::OkButton);
    });
    EXPECT_EQ(messageTexts(), QStringList({"No records available", "System Update Error"}));
    EXPECT_EQ(stored(), "missing") << "the program never inserts the system record";
}

TEST_F(SystemOptionsTest, ASecondStartBringsTheOpenWindowForward) {
    setSystem(1, 30, 0, 0, "");
    Procedures::run(Procedure::SystemOptions, Way::OwnThread);
    settleEvents();
    const quint32 thread = GLO.Threads.thread(Instance::SystemOptions);
    ASSERT_NE(thread, 0u);
    Procedures::run(Procedure::SystemOptions, Way::CallersThread); // returns at once
    EXPECT_EQ(GLO.Threads.thread(Instance::SystemOptions), thread);
    int windows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "UpdateSysOptions" && w->isVisible()) {
            ++windows;
            press(*w, W::CancelButton);
        }
    EXPECT_EQ(windows, 1);
    settleEvents();
    EXPECT_EQ(GLO.Threads.thread(Instance::SystemOptions), 0u);
}

} // namespace
