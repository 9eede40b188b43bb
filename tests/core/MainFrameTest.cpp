#include "core/DataFiles.h"
#include "core/DemoCatalogue.h"
#include "core/FrameRules.h"
#include "core/FrameStatus.h"
#include "core/Globals.h"
#include "core/SettingKeys.h"
#include "framework/Pictures.h"
#include "framework/host/HelpIndex.h"
#include "framework/window/FrameWindow.h"
#include "framework/window/WindowRegistry.h"
#include "support/FrameFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>

namespace {

// A window started beside the frame that counts the refreshes it is asked for.
class ListWindow : public WindowController {
public:
    ListWindow() : WindowController(QStringLiteral("ListWindow")) {}
    int gains = 0;
    int Init() override {
        if (const int level = WindowController::Init()) return level;
        C().prompt(1, QStringLiteral("A list"));
        return Open();
    }
    int TakeWindowEvent() override {
        if (Event().Kind == EventKind::GainFocus) ++gains;
        return WindowController::TakeWindowEvent();
    }
};

// A window with one entry, started beside the frame.
class EntryWindow : public WindowController {
public:
    EntryWindow() : WindowController(QStringLiteral("EntryWindow")) {}
    int Init() override {
        if (const int level = WindowController::Init()) return level;
        C().entry(1);
        return Open();
    }
    QLineEdit* entry() { return Window().findChild<QLineEdit*>(QStringLiteral("control1")); }
};

class MainFrameTest : public FrameFixture {};

TEST_F(MainFrameTest, StartsAroundTheLogonAndEndsTheSession) {
    QString report;
    Access::SoortTabel().Open();
    Access::Drv().Open();
    ASSERT_TRUE(DemoCatalogue::add(report));
    Access::Drv().Close();
    Access::SoortTabel().Close();
    const qint64 entries = Access::Archief().File->records();
    SYS.clear();
    SYS.ID = 1;
    ASSERT_EQ(Access::Sys().TryFetch(SysKey::KeyID), LevelBenign);
    SYS.DOLOG = 1;
    ASSERT_EQ(Access::Sys().TryUpdate(), LevelBenign);
    host.setClock(Pictures::timeValue(9, 0, 0));
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        EXPECT_EQ(frame.Frame()->windowTitle(),
                  "Wareloft Program - 2.01 - Beta 2  - Professional Edition");
        EXPECT_TRUE(frame.Frame()->isVisible());
        EXPECT_EQ(GLO.UserName.str(), "Bert");
        EXPECT_EQ(GLO.UserLevel, 2);
        EXPECT_EQ(GLO.ArchiveCount, quint32(entries));
        EXPECT_EQ(GLO.ProgramDir, QFileInfo(dataDir()).canonicalFilePath());
        EXPECT_EQ(GLO.HelpFile, QDir(GLO.ProgramDir).filePath("wlp32ee.hlp"));
        EXPECT_EQ(GLO.Threads.thread(Instance::MainFrame), quint32(frame.Thread));
        EXPECT_NE(toolbar(), nullptr); // a new user sees the toolbar
        host.setClock(Pictures::timeValue(11, 15, 0));
    });
    // The session's logbook entry got its log-out time.
    LogRecord entry;
    Access::Log().File->setOrder(0);
    ASSERT_EQ(Access::Log().File->next(entry), store::Ok);
    EXPECT_EQ(entry.NAME.str(), "Bert");
    EXPECT_EQ(entry.LOGOUTTIME, Pictures::timeValue(11, 15, 0));
    // The user's choices and the frame's place are stored; every window has ended.
    EXPECT_EQ(userEntry("Bert", "BarPosition"), "2");
    EXPECT_EQ(userEntry("Bert", "Bar"), "1");
    EXPECT_EQ(userEntry("Bert", "Viewer"), "1");
    EXPECT_EQ(INIMgr().Fetch("Main", "Maximize"), "No");
    EXPECT_FALSE(INIMgr().Fetch("Main", "Width").isEmpty());
    EXPECT_EQ(WindowRegistry::Count(), 0);
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::MainFrame));
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::Toolbar));
}

TEST_F(MainFrameTest, FailedLogonEndsTheFrameWithoutStoringChoices) {
    whenShown(QStringLiteral("Logon"), [](QWidget& w) {
        w.findChild<QPushButton*>(QStringLiteral("control8"))->click(); // Cancel
    });
    TestFrame frame;
    bool opened = false;
    frame.onOpen = [&] { opened = true; };
    frame.Run();
    settleEvents();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(frame.Frame()->isVisible());
    EXPECT_FALSE(GLO.Threads.isOpen(Instance::MainFrame));
    EXPECT_EQ(userEntry("System", "Bar"), "");
}

TEST_F(MainFrameTest, FirstStartConfiguresTheDrivesBeforeTheWindowShows) {
    INIMgr().Update(Settings::DriveConfig, 0);
    bool beforeWindow = false;
    runFrame(QStringLiteral("Anna"), {}, QStringLiteral("pw"), [&](TestFrame& frame) {
        frame.DriveConfigurationStep = [&] { beforeWindow = frame.Frame() == nullptr; };
    });
    EXPECT_TRUE(beforeWindow);
}

TEST_F(MainFrameTest, SecondStartBringsTheFrameForwardAndOpensNothing) {
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        const int windows = WindowRegistry::Count();
        TestFrame second;
        bool loggedOn = false;
        second.LogonStep = [&] { return loggedOn = true; };
        EXPECT_EQ(second.Run(), RequestCancelled);
        EXPECT_FALSE(loggedOn);
        EXPECT_EQ(second.Frame(), nullptr);
        EXPECT_EQ(WindowRegistry::Count(), windows);
        EXPECT_EQ(GLO.Threads.thread(Instance::MainFrame), quint32(frame.Thread));
        EXPECT_TRUE(frame.Frame()->isVisible());
    });
}

TEST_F(MainFrameTest, MenuBarInOrder) {
    runFrame(
        QStringLiteral("System"),
        [&](TestFrame& frame) {
            EXPECT_EQ(menuLines(frame), QStringList({"0 &Application",
                                                     "1 &Logon",
                                                     "1 E&xit",
                                                     "0 &Menu",
                                                     "1 &Archive",
                                                     "1 &Producer",
                                                     "1 &Class",
                                                     "1 &HouseHold",
                                                     "2 &Keep Selection",
                                                     "2 View",
                                                     "3 &Use Notebook",
                                                     "3 &Toolbar",
                                                     "3 &BrowseBox Color",
                                                     "3 &Set Wallpaper",
                                                     "2 &Password",
                                                     "2 P&rint Setup",
                                                     "1 &System",
                                                     "2 &Users",
                                                     "2 &Logbook",
                                                     "3 &Options",
                                                     "3 &LogBook",
                                                     "2 &Backup Files",
                                                     "3 &Options",
                                                     "3 &Import",
                                                     "2 Configure Drives",
                                                     "1 &Print",
                                                     "2 &Archive",
                                                     "2 &Producers",
                                                     "2 &Software Class",
                                                     "2 Report &Writer",
                                                     "0 &Edit",
                                                     "1 Cu&t",
                                                     "1 &Copy",
                                                     "1 &Paste",
                                                     "1 &Undo",
                                                     "0 &Window",
                                                     "1 T&ile",
                                                     "1 &Cascade",
                                                     "1 &Arrange Icons",
                                                     "0 &Help",
                                                     "1 &Getting started",
                                                     "1 &How to Use Help"}));
            FrameMenus& m = *frame.Menus();
            EXPECT_EQ(m.item("Application/Exit")->statusTip(), "Exit this application");
            EXPECT_EQ(m.item("Menu/HouseHold/Print Setup")->statusTip(), "Setup Printer");
            EXPECT_EQ(m.item("Edit/Cut")->statusTip(), "Remove item to Windows Clipboard");
            EXPECT_EQ(m.item("Window/Arrange Icons")->statusTip(), "Align all window icons");
            EXPECT_EQ(m.item("Help/How to Use Help")->statusTip(), "How to use Windows Help");
            for (const char* check :
                 {"Menu/HouseHold/Keep Selection", "Menu/HouseHold/View/Use Notebook",
                  "Menu/HouseHold/View/Toolbar"})
                EXPECT_TRUE(m.item(check)->isCheckable()) << check;
            EXPECT_TRUE(m.item("Menu/HouseHold/View/Use Notebook")->isChecked());
            EXPECT_TRUE(m.item("Menu/HouseHold/View/Toolbar")->isChecked());
        },
        QStringLiteral("Secret"));
}

TEST_F(MainFrameTest, LevelsDecideWhatTheMenusOffer) {
    standIn(Procedure::ClassBrowse);
    standIn(Procedure::ArchiveBrowse);
    struct Expected {
        const char* user;
        const char* password;
        bool system, classes;
    };
    for (const Expected& e :
         {Expected{"Anna", "pw", false, false}, Expected{"Bert", "pw", false, true},
          Expected{"System", "Secret", true, true}}) {
        runFrame(
            e.user,
            [&](TestFrame& frame) {
                FrameMenus& m = *frame.Menus();
                EXPECT_EQ(m.item("Menu/System")->isVisible(), e.system) << e.user;
                EXPECT_EQ(m.item("Menu/Class")->isEnabled(), e.classes) << e.user;
                EXPECT_TRUE(m.item("Menu/Archive")->isEnabled());
                // What does not exist yet, or has no action, is greyed.
                EXPECT_TRUE(m.item("Menu/Producer")->isEnabled());
                EXPECT_FALSE(m.item("Menu/Print/Report Writer")->isEnabled());
                for (const char* report :
                     {"Menu/Print/Archive", "Menu/Print/Producers", "Menu/Print/Software Class"})
                    EXPECT_TRUE(m.item(report)->isEnabled()) << report << " " << e.user;
                EXPECT_FALSE(m.item("Menu/HouseHold/Keep Selection")->isEnabled());
                EXPECT_TRUE(m.item("Menu/System/Configure Drives")->isEnabled());
                // With the archive browse open the user cannot log on anew.
                EXPECT_TRUE(m.item("Application/Logon")->isEnabled());
                GLO.Threads.set(Instance::ArchiveBrowse, 99);
                GLO.ClassFilter = "Utilities";
                m.refresh();
                EXPECT_FALSE(m.item("Application/Logon")->isEnabled());
                EXPECT_TRUE(m.item("Menu/HouseHold/Keep Selection")->isEnabled());
                GLO.ClassFilter = "Everything";
                m.refresh();
                EXPECT_FALSE(m.item("Menu/HouseHold/Keep Selection")->isEnabled());
                GLO.Threads.set(Instance::ArchiveBrowse, 0);
            },
            e.password);
    }
}

TEST_F(MainFrameTest, RightClickMenusByLevel) {
    standIn(Procedure::NewCd);
    standIn(Procedure::ProducerBrowse);
    const auto rightClick = [&](TestFrame& frame, int answer) {
        host.answerPopup(answer);
        frame.Post(controlEvent(EventKind::Accepted, MainFrame::ClientAreaControl));
        settleEvents();
        return host.dialogs().back().detail;
    };
    runFrame(QStringLiteral("Anna"), [&](TestFrame& frame) {
        EXPECT_EQ(rightClick(frame, 2), // "&Producers", on a thread of its own
                  "&Wareloft|-|&Producers|Software &Class|-|Scan/&Import|-|Searc&h|-|"
                  "Print &Archive|Print P&roducers|Print C&Lass|-|Set &Wallpaper|-|&Help|-|"
                  "&Exit");
        rightClick(frame, 10);
        EXPECT_EQ(host.helpKeywords().back(), "Wareloft Program");
    });
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], std::make_pair(Procedure::ProducerBrowse, Way::OwnThread));
    started.clear();

    bool stillRunning = false;
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        EXPECT_EQ(rightClick(frame, 2), // "New &CD", on the frame's own thread
                  "&Wareloft|-|New &CD|New &Disk|Scan/&Import|-|Searc&h|-|&Producers|-|"
                  "Software &Class|-|Print &Archive|Print P&roducers|Print C&Lass|-|"
                  "Set &Wallpaper|-|&Help|-|&Exit");
        rightClick(frame, 13); // "&Exit"
        stillRunning = frame.Looping();
    });
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0], std::make_pair(Procedure::NewCd, Way::CallersThread));
    EXPECT_FALSE(stillRunning);
}

TEST_F(MainFrameTest, StatusBarShowsUserDayDateAndTime) {
    EXPECT_EQ(FrameRules::dayName(Pictures::dayNumber(2026, 12, 6)), "Sunday");
    EXPECT_EQ(FrameRules::dayName(Pictures::dayNumber(2026, 12, 9)), "Wednesday");
    EXPECT_EQ(FrameRules::dayName(Pictures::dayNumber(2026, 12, 12)), "Saturday");
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        FrameStatus& s = *frame.Status();
        EXPECT_EQ(s.zone(2), "User : Bert");
        EXPECT_EQ(s.zone(3), "Tuesday, 08/12/2026");
        EXPECT_EQ(s.zone(4), "10:30:00");
        EXPECT_EQ(frame.TimerInterval(), 1000);
        host.setClock(Pictures::timeValue(10, 30, 7));
        frame.TimerPeriod = 250; // outside 1 .. 100: set back at the next tick
        frame.Post(windowEvent(EventKind::Timer));
        settleEvents();
        EXPECT_EQ(s.zone(4), "10:30:07");
        EXPECT_EQ(frame.TimerPeriod, 100);
        EXPECT_EQ(frame.TimerInterval(), 1000);
    });
}

TEST_F(MainFrameTest, HiddenToolbarStaysHiddenForThatUserOnly) {
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        ASSERT_NE(toolbar(), nullptr);
        choose(frame, "Menu/HouseHold/View/Toolbar");
        EXPECT_EQ(toolbar(), nullptr);
        EXPECT_FALSE(frame.Menus()->item("Menu/HouseHold/View/Toolbar")->isChecked());
    });
    EXPECT_EQ(userEntry("Bert", "Bar"), "0");
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        EXPECT_EQ(toolbar(), nullptr);
        choose(frame, "Menu/HouseHold/View/Toolbar"); // and back on
        EXPECT_NE(toolbar(), nullptr);
        EXPECT_TRUE(frame.Menus()->item("Menu/HouseHold/View/Toolbar")->isChecked());
    });
    EXPECT_EQ(userEntry("Bert", "Bar"), "1");
    INIMgr().Update(QStringLiteral("Anna"), Settings::Bar, 0);
    runFrame(QStringLiteral("Anna"), [&](TestFrame&) { EXPECT_EQ(toolbar(), nullptr); });
    runFrame(
        QStringLiteral("System"), [&](TestFrame&) { EXPECT_NE(toolbar(), nullptr); },
        QStringLiteral("Secret"));
}

TEST_F(MainFrameTest, BrowseColourIsStoredOnlyWhenChosen) {
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        EXPECT_EQ(GLO.BrowseColor, FrameRules::DefaultBrowseColor);
        auto* list = new ListWindow;
        list->Start();
        GLO.Threads.set(Instance::ClassBrowse, quint32(list->Thread));
        settleEvents();
        const int gains = list->gains;

        host.cancelColour();
        choose(frame, "Menu/HouseHold/View/BrowseBox Color");
        EXPECT_EQ(host.dialogs().back().title, "Choose BrowseBox Color");
        EXPECT_EQ(GLO.BrowseColor, 0xFFFF80);
        EXPECT_EQ(userEntry("Bert", "Color"), "");
        EXPECT_GT(list->gains, gains); // the open browses repaint

        host.answerColour(0x123456);
        choose(frame, "Menu/HouseHold/View/BrowseBox Color");
        EXPECT_EQ(GLO.BrowseColor, 0x123456);
        EXPECT_EQ(userEntry("Bert", "Color"), QString::number(0x123456));
        GLO.Threads.set(Instance::ClassBrowse, 0);
    });
}

TEST_F(MainFrameTest, WallpaperIsTheLionUntilOneIsChosen) {
    QImage sea(40, 30, QImage::Format_RGB32);
    sea.fill(QColor(0, 0, 255));
    const QString seaFile = dataPath("pictures/sea.bmp");
    QDir().mkpath(dataPath("pictures"));
    ASSERT_TRUE(sea.save(seaFile));
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        BackgroundArea& area = frame.Frame()->area();
        EXPECT_EQ(GLO.Wallpaper.str(), "lion.jpg");
        EXPECT_FALSE(area.picture().isNull());

        const QString here = host.currentDirectory();
        host.answerFile(seaFile);
        choose(frame, "Menu/HouseHold/View/Set Wallpaper");
        const auto& dialog = host.dialogs().back();
        EXPECT_EQ(dialog.title, "Choose Wallpaper");
        EXPECT_EQ(dialog.detail, "JPEG|*.jpg|GIF|*.gif|Bitmap|*.bmp");
        EXPECT_EQ(dialog.start, "lion.jpg");
        EXPECT_EQ(host.currentDirectory(), here);
        EXPECT_EQ(userEntry("Bert", "WallSel"), seaFile);
        EXPECT_EQ(area.picture().pixelColor(5, 5), QColor(0, 0, 255));
    });
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        EXPECT_EQ(GLO.Wallpaper.str(), seaFile);
        host.answerFile(QString()); // cancelled: the wallpaper stays
        choose(frame, "Menu/HouseHold/View/Set Wallpaper");
        EXPECT_EQ(userEntry("Bert", "WallSel"), seaFile);
    });
}

TEST_F(MainFrameTest, GarbageSettingsStillOpenAUsableFrameOnScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* side : {"3", "abc", "-4"}) {
        INIMgr().Update("Bert", "BarPosition", side);
        INIMgr().Update("Bert", "Bar", "yes");
        INIMgr().Update("Bert", "Viewer", "?");
        INIMgr().Update("Main", "Maximize", "No");
        INIMgr().Update("Main", "XPos", "-30000");
        INIMgr().Update("Main", "YPos", "99999");
        INIMgr().Update("Main", "Width", "abc");
        INIMgr().Update("Main", "Height", "-5");
        runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
            EXPECT_EQ(GLO.BarPosition, 2) << side;
            EXPECT_EQ(GLO.UseNotebook, 1);
            ASSERT_NE(toolbarDock(), nullptr);
            EXPECT_EQ(frame.Frame()->dockWidgetArea(toolbarDock()), Qt::TopDockWidgetArea);
            const QRect placed = frame.Frame()->geometry();
            EXPECT_TRUE(screen.contains(placed)) << side;
            EXPECT_GE(placed.width(), frame.Frame()->minimumWidth());
        });
        EXPECT_EQ(userEntry("Bert", "BarPosition"), "2");
    }
}

TEST_F(MainFrameTest, LogonChangesTheUserAndAFailedOneEndsTheFrame) {
    runFrame(
        QStringLiteral("System"),
        [&](TestFrame& frame) {
            EXPECT_TRUE(frame.Menus()->item("Menu/System")->isVisible());
            whenShown(QStringLiteral("Logon"), [](QWidget& w) {
                QLineEdit* name = w.findChild<QComboBox*>(QStringLiteral("control5"))->lineEdit();
                name->selectAll();
                name->insert("Anna");
                w.findChild<QLineEdit*>(QStringLiteral("control6"))->insert("pw");
                w.findChild<QPushButton*>(QStringLiteral("control7"))->click();
            });
            choose(frame, "Application/Logon");
            EXPECT_EQ(GLO.UserName.str(), "Anna");
            EXPECT_EQ(frame.Status()->zone(2), "User : Anna");
            EXPECT_FALSE(frame.Menus()->item("Menu/System")->isVisible());

            whenShown(QStringLiteral("Logon"), [](QWidget& w) {
                w.findChild<QPushButton*>(QStringLiteral("control8"))->click();
            });
            choose(frame, "Application/Logon");
            settleEvents();
            EXPECT_FALSE(frame.Looping());
        },
        QStringLiteral("Secret"));
}

// Each user keeps their own choices across a change of user in the running frame.
TEST_F(MainFrameTest, ChangingTheUserStoresTheOldChoicesAndShowsTheNewOnes) {
    QImage sea(40, 30, QImage::Format_RGB32);
    sea.fill(QColor(0, 0, 255));
    const QString seaFile = dataPath("sea.bmp");
    ASSERT_TRUE(sea.save(seaFile));
    IniManager& ini = INIMgr();
    for (auto [entry, value] : {std::pair{"Bar", "1"}, {"BarPosition", "8"}, {"Viewer", "0"}})
        ini.Update(QStringLiteral("Bert"), QString::fromLatin1(entry), value);
    ini.Update(QStringLiteral("Bert"), Settings::Color, 0x123456);
    ini.Update(QStringLiteral("Bert"), Settings::WallSel, seaFile);
    for (auto [entry, value] : {std::pair{"Bar", "0"}, {"BarPosition", "1"}, {"Viewer", "1"}})
        ini.Update(QStringLiteral("Anna"), QString::fromLatin1(entry), value);
    ini.Update(QStringLiteral("Anna"), Settings::Color, 0x654321);

    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        ASSERT_NE(toolbarDock(), nullptr);
        EXPECT_EQ(frame.Frame()->dockWidgetArea(toolbarDock()), Qt::BottomDockWidgetArea);
        EXPECT_EQ(GLO.UseNotebook, 0);
        whenShown(QStringLiteral("Logon"), [](QWidget& w) {
            QLineEdit* name = w.findChild<QComboBox*>(QStringLiteral("control5"))->lineEdit();
            name->selectAll();
            name->insert("Anna");
            w.findChild<QLineEdit*>(QStringLiteral("control6"))->insert("pw");
            w.findChild<QPushButton*>(QStringLiteral("control7"))->click();
        });
        choose(frame, "Application/Logon");
        ASSERT_EQ(GLO.UserName.str(), "Anna");
        EXPECT_EQ(toolbar(), nullptr);
        EXPECT_EQ(GLO.UseNotebook, 1);
        EXPECT_EQ(GLO.BrowseColor, 0x654321);
        EXPECT_EQ(GLO.Wallpaper.str(), "lion.jpg");
        EXPECT_NE(frame.Frame()->area().picture().pixelColor(5, 5), QColor(0, 0, 255));
        EXPECT_EQ(userEntry("Bert", "Bar"), "1");
        EXPECT_EQ(userEntry("Bert", "BarPosition"), "8");
        EXPECT_EQ(userEntry("Bert", "Viewer"), "0");
        EXPECT_EQ(userEntry("Anna", "Bar"), "0") << "Bert's toolbar is not written for Anna";

        whenShown(QStringLiteral("Logon"), [](QWidget& w) {
            QLineEdit* name = w.findChild<QComboBox*>(QStringLiteral("control5"))->lineEdit();
            name->selectAll();
            name->insert("Bert");
            w.findChild<QLineEdit*>(QStringLiteral("control6"))->insert("pw");
            w.findChild<QPushButton*>(QStringLiteral("control7"))->click();
        });
        choose(frame, "Application/Logon");
        ASSERT_NE(toolbarDock(), nullptr);
        EXPECT_EQ(frame.Frame()->dockWidgetArea(toolbarDock()), Qt::BottomDockWidgetArea);
        EXPECT_EQ(GLO.BrowseColor, 0x123456);
        EXPECT_EQ(GLO.Wallpaper.str(), seaFile);
    });
    EXPECT_EQ(userEntry("Anna", "Bar"), "0");
    EXPECT_EQ(userEntry("Anna", "BarPosition"), "1");
    EXPECT_EQ(userEntry("Bert", "Bar"), "1");
    EXPECT_EQ(userEntry("Bert", "BarPosition"), "8");
}

TEST_F(MainFrameTest, EditAndHelpMenusActOnTheFocusedFieldAndTheHelpText) {
    runFrame(QStringLiteral("Anna"), [&](TestFrame& frame) {
        auto* window = new EntryWindow;
        window->Start();
        settleEvents();
        QLineEdit* entry = window->entry();
        QApplication::setActiveWindow(frame.Frame());
        entry->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), entry);
        entry->insert("Setup");
        entry->selectAll();
        choose(frame, "Edit/Cut");
        EXPECT_EQ(entry->text(), "");
        choose(frame, "Edit/Paste");
        EXPECT_EQ(entry->text(), "Setup");
        choose(frame, "Edit/Undo");
        EXPECT_EQ(entry->text(), "");

        choose(frame, "Help/Getting started");
        EXPECT_EQ(host.helpKeywords().back(), "wlp32pe.hlp");
        choose(frame, "Help/How to Use Help");
        EXPECT_EQ(host.helpKeywords().back(), HelpIndex::HowToUseHelpKeyword);
    });
}

TEST_F(MainFrameTest, WindowsStartedBesideTheFrameLiveInItsAreaAndEndWithIt) {
    QPointer<ListWindow> list;
    runFrame(QStringLiteral("Bert"), [&](TestFrame& frame) {
        list = new ListWindow;
        list->Start();
        settleEvents();
        const QList<QMdiSubWindow*> subs = frame.Frame()->area().subWindowList();
        ASSERT_EQ(subs.size(), 1);
        EXPECT_EQ(subs[0]->widget(), &list->Window());
        choose(frame, "Window/Cascade");
        EXPECT_TRUE(list->Window().isVisible());
    });
    EXPECT_TRUE(list.isNull()); // told to close down when the frame ended
}

} // namespace
