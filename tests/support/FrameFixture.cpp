#include "support/FrameFixture.h"

#include "core/Globals.h"
#include "core/SettingKeys.h"
#include "core/ToolbarWindow.h"
#include "framework/window/FrameWindow.h"
#include "framework/window/WindowRegistry.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

int TestFrame::TakeWindowEvent() {
    const bool opening = Event().Kind == EventKind::OpenWindow && !Inited;
    const int level = MainFrame::TakeWindowEvent();
    // Outside the dispatch, so that the test's events run in turn.
    if (opening && onOpen) QTimer::singleShot(0, this, onOpen);
    return level;
}

void FrameFixture::SetUp() {
    CatalogueTest::SetUp();
    addUser(QStringLiteral("Anna"), QStringLiteral("pw"), 1);
    addUser(QStringLiteral("Bert"), QStringLiteral("pw"), 2);
    INIMgr().Update(Settings::DriveConfig, 1);
}

void FrameFixture::TearDown() {
    for (Procedure p : standIns_)
        Procedures::Substitute(p, {});
    CatalogueTest::TearDown();
}

void FrameFixture::runFrame(const QString& user, const std::function<void(TestFrame&)>& whileOpen,
                            const QString& password,
                            const std::function<void(TestFrame&)>& beforeRun) {
    whenShown(QStringLiteral("Logon"), [=](QWidget& w) {
        QLineEdit* name = w.findChild<QComboBox*>(QStringLiteral("control5"))->lineEdit();
        name->selectAll();
        name->insert(user);
        auto* secret = w.findChild<QLineEdit*>(QStringLiteral("control6"));
        secret->selectAll();
        secret->insert(password);
        w.findChild<QPushButton*>(QStringLiteral("control7"))->click();
    });
    TestFrame frame;
    bool opened = false;
    frame.onOpen = [&] {
        opened = true;
        settleEvents();
        if (whileOpen) whileOpen(frame);
        frame.Post(windowEvent(EventKind::CloseWindow));
    };
    if (beforeRun) beforeRun(frame);
    frame.Run();
    settleEvents();
    EXPECT_TRUE(opened) << "the frame did not open for " << user.toStdString();
}

void FrameFixture::standIn(Procedure procedure) {
    standIns_.push_back(procedure);
    Procedures::Substitute(procedure,
                           [this, procedure](Way way) { started.emplace_back(procedure, way); });
}

void FrameFixture::choose(MainFrame& frame, const QString& path) {
    QAction* item = frame.Menus()->item(path);
    ASSERT_NE(item, nullptr) << path.toStdString();
    frame.Menus()->refresh();
    item->trigger();
    settleEvents();
}

QStringList FrameFixture::menuLines(MainFrame& frame) {
    QStringList lines;
    std::function<void(const QList<QAction*>&, int)> walk = [&](const QList<QAction*>& actions,
                                                                int depth) {
        for (QAction* a : actions) {
            if (a->isSeparator()) continue;
            lines << QStringLiteral("%1 %2").arg(depth).arg(a->text());
            if (a->menu()) walk(a->menu()->actions(), depth + 1);
        }
    };
    walk(frame.Frame()->menuBar()->actions(), 0);
    return lines;
}

ToolbarWindow* FrameFixture::toolbar() {
    return dynamic_cast<ToolbarWindow*>(
        WindowRegistry::Top(int(GLO.Threads.thread(Instance::Toolbar))));
}

QDockWidget* FrameFixture::toolbarDock() {
    ToolbarWindow* t = toolbar();
    return t ? t->Dock() : nullptr;
}

QString FrameFixture::userEntry(const QString& user, const char* entry) {
    return INIMgr().Fetch(user, QString::fromLatin1(entry));
}
