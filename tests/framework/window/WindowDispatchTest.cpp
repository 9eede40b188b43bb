#include "RecordingWindow.h"

#include "framework/Threads.h"
#include "framework/window/Keys.h"
#include "framework/window/WindowRegistry.h"
#include "support/DataDirTest.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

class WindowDispatchTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        WindowController::SetServices(&errors, &ini);
        Protocol::GlobalRequest = NoRequest;
    }
    void TearDown() override {
        settle();
        WindowController::SetServices(nullptr, nullptr);
        DataDirTest::TearDown();
    }
    QLineEdit* entryOf(WindowController& w) {
        return w.Window().findChild<QLineEdit*>(QStringLiteral("control1"));
    }

    ErrorManager errors;
    QStringList log;
};

TEST_F(WindowDispatchTest, StepsRunInDispatchOrder) {
    RecordingWindow w(log);
    w.Post(controlEvent(EventKind::Accepted, 2)); // OK: the completed event follows
    w.Post(controlEvent(EventKind::Accepted, 3)); // Cancel: response 2, close request
    EXPECT_EQ(w.Run(), RequestCancelled);
    EXPECT_EQ(scripted(log), QStringList({
                                 "TakeEvent OpenWindow",
                                 "TakeWindowEvent OpenWindow",
                                 "TakeEvent Accepted",
                                 "TakeAccepted 2",
                                 "TakeFieldEvent Accepted 2",
                                 "TakeEvent Accepted",
                                 "TakeAccepted 3",
                                 "TakeEvent Completed",
                                 "TakeWindowEvent Completed",
                                 "TakeCompleted",
                                 "TakeEvent CloseWindow",
                                 "TakeWindowEvent CloseWindow",
                                 "TakeCloseEvent",
                                 "Kill",
                             }));
}

TEST_F(WindowDispatchTest, ModalRunAnswersItsResponse) {
    RecordingWindow w(log);
    w.onOpen = [&] { w.SetResponse(RequestCompleted); };
    EXPECT_EQ(w.Run(), RequestCompleted);
    EXPECT_TRUE(w.Dead);
    EXPECT_FALSE(w.Window().isVisible());

    // A window closed without a response answers cancelled.
    RecordingWindow plain(log);
    plain.onOpen = [&] { plain.Window().close(); };
    EXPECT_EQ(plain.Run(), RequestCancelled);
}

TEST_F(WindowDispatchTest, ModalRunKeepsTheCallersThreadAndNamesTheProcedure) {
    RecordingWindow w(log, QStringLiteral("UpdateThing"));
    const int caller = Threads::current();
    int seen = 0;
    QString name;
    w.onOpen = [&] {
        seen = Threads::current();
        name = errors.GetProcedureName();
        w.SetResponse(RequestCancelled);
    };
    w.Run();
    EXPECT_EQ(seen, caller);
    EXPECT_EQ(w.Thread, caller);
    EXPECT_EQ(name, "UpdateThing");
    EXPECT_EQ(errors.GetProcedureName(), "");
}

TEST_F(WindowDispatchTest, StartedWindowRunsOnItsOwnThreadAndIsDisposedAtItsEnd) {
    QPointer<RecordingWindow> w = new RecordingWindow(log);
    int seen = 0;
    w->onOpen = [&] { seen = Threads::current(); };
    ASSERT_EQ(w->Start(), LevelBenign);
    settle();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->Window().isVisible());
    EXPECT_NE(w->Thread, Threads::First);
    EXPECT_EQ(seen, w->Thread);
    EXPECT_EQ(Threads::current(), Threads::First);

    // A step that answers 3 ends the window; it then disposes of itself.
    w->fieldLevel = LevelFatal;
    w->Post(controlEvent(EventKind::Accepted, 1));
    settle();
    EXPECT_FALSE(w);
    EXPECT_EQ(log.last(), "Kill");
}

TEST_F(WindowDispatchTest, CloseAnsweredFiveKeepsTheWindowOpen) {
    QPointer<RecordingWindow> w = new RecordingWindow(log);
    w->closeLevel = LevelNotify;
    w->Start();
    settle();
    w->Window().close(); // the window manager's close box
    settle();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->Window().isVisible());
    EXPECT_TRUE(log.contains("TakeCloseEvent"));

    w->closeLevel = 0;
    w->Window().close();
    settle();
    EXPECT_FALSE(w);
}

TEST_F(WindowDispatchTest, SecondStartOfASingleInstanceBringsTheFirstForward) {
    int running = 0;
    InstanceSlot slot{[&] { return running; }, [&](int t) { running = t; }};
    QPointer<RecordingWindow> first = new RecordingWindow(log);
    first->SingleInstance = slot;
    int focused = 0;
    first->onGainFocus = [&] { ++focused; };
    ASSERT_EQ(first->Start(), LevelBenign);
    settle();
    EXPECT_EQ(running, first->Thread);
    const int focusBefore = focused;

    QStringList secondLog;
    QPointer<RecordingWindow> second = new RecordingWindow(secondLog);
    second->SingleInstance = slot;
    EXPECT_EQ(second->Start(), LevelFatal);
    settle();
    EXPECT_FALSE(second);
    EXPECT_FALSE(secondLog.contains("TakeEvent OpenWindow")); // it never opened
    EXPECT_GT(focused, focusBefore);
    EXPECT_EQ(running, first->Thread);
    EXPECT_EQ(errors.GetProcedureName(), "");

    first->SetResponse(RequestCancelled);
    settle();
    EXPECT_FALSE(first);
    EXPECT_EQ(running, 0);
}

TEST_F(WindowDispatchTest, GainFocusIsPostedToAThreadNumber) {
    QPointer<RecordingWindow> w = new RecordingWindow(log);
    int focused = 0;
    w->onGainFocus = [&] { ++focused; };
    w->Start();
    settle();
    const int before = focused;
    EXPECT_TRUE(WindowRegistry::PostGainFocus(w->Thread));
    settle();
    EXPECT_EQ(focused, before + 1);
    EXPECT_FALSE(WindowRegistry::PostGainFocus(w->Thread + 1000));
    WindowRegistry::PostAll(windowEvent(EventKind::CloseDown)); // the program ends
    settle();
    EXPECT_FALSE(w);
    EXPECT_FALSE(WindowRegistry::PostGainFocus(Threads::First + 1000));
}

TEST_F(WindowDispatchTest, EditedEntryIsAcceptedThroughItsPictureOrRejected) {
    QPointer<RecordingWindow> w = new RecordingWindow(log);
    w->Start();
    settle();
    QLineEdit* entry = entryOf(*w);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(), "5");

    typeInto(entry, QStringLiteral("abc"));
    Q_EMIT entry->editingFinished();
    settle();
    EXPECT_TRUE(log.contains("TakeRejected 1"));
    EXPECT_EQ(w->number, 5);
    EXPECT_EQ(entry->text(), "5"); // redisplayed

    typeInto(entry, QStringLiteral("42"));
    Q_EMIT entry->editingFinished();
    settle();
    EXPECT_TRUE(log.contains("TakeAccepted 1"));
    EXPECT_EQ(w->number, 42);
    w->SetResponse(RequestCancelled);
    settle();
}

TEST_F(WindowDispatchTest, KeysReachTheWindowAsAlertsAndEnterPressesTheDefaultButton) {
    QPointer<RecordingWindow> w = new RecordingWindow(log);
    w->Start();
    settle();
    w->C().Alert(Keys::F1 + 1, 1);
    QLineEdit* entry = entryOf(*w);
    QKeyEvent f2(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QCoreApplication::sendEvent(entry, &f2);
    settle();
    EXPECT_TRUE(log.contains("TakeFieldEvent AlertKey 1"));

    typeInto(entry, QStringLiteral("17"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(entry, &enter);
    settle();
    EXPECT_EQ(w->number, 17);
    const QStringList steps = scripted(log);
    const qsizetype field = steps.indexOf("TakeAccepted 1");
    ASSERT_GE(field, 0);
    EXPECT_EQ(steps.indexOf("TakeAccepted 2"), field + 3); // then OK, after its field
    w->SetResponse(RequestCancelled);
    settle();
}

TEST_F(WindowDispatchTest, OkOfAFormFirstAcceptsEveryField) {
    Protocol::GlobalRequest = ChangeRecord;
    QPointer<RecordingWindow> w = new RecordingWindow(log);
    w->Start();
    settle();
    EXPECT_EQ(w->Request, ChangeRecord);
    EXPECT_EQ(Protocol::GlobalRequest, NoRequest); // read and cleared
    typeInto(entryOf(*w), QStringLiteral("x"));
    w->Dispatch(controlEvent(EventKind::Accepted, 2));
    settle();
    EXPECT_TRUE(log.contains("TakeRejected 1"));
    EXPECT_FALSE(log.contains("TakeCompleted"));

    typeInto(entryOf(*w), QStringLiteral("12"));
    w->Dispatch(controlEvent(EventKind::Accepted, 2));
    settle();
    EXPECT_TRUE(log.contains("TakeCompleted"));
    EXPECT_EQ(w->number, 12);
    w->SetResponse(RequestCancelled);
    settle();
}

} // namespace
