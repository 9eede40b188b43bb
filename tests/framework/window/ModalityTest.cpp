#include "RecordingWindow.h"

#include "framework/host/HelpViewer.h"
#include "framework/host/QtHost.h"
#include "support/DataDirTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QTimer>

namespace {

// Counts the times a window is blocked by a modal one.
class BlockCounter : public QObject {
public:
    int blocked = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) ++blocked;
        return false;
    }
};

class ModalityTest : public DataDirTest {
protected:
    void SetUp() override {
        DataDirTest::SetUp();
        errors.Init();
        WindowController::SetServices(&errors, &ini);
        frame.setCentralWidget(area);
        frame.show();
        WindowController::SetChildArea(area);
    }
    void TearDown() override {
        WindowController::SetChildArea(nullptr);
        if (HelpViewer* help = HelpViewer::current()) delete help;
        settle();
        WindowController::SetServices(nullptr, nullptr);
        DataDirTest::TearDown();
    }

    ErrorManager errors;
    QStringList log;
    QMainWindow frame;
    QMdiArea* area = new QMdiArea;
};

// Modal windows and message boxes block the frame and the windows under them, but the help
// window stays usable beside them.
TEST_F(ModalityTest, TheHelpWindowIsNeverBlocked) {
    HelpViewer* help = HelpViewer::open(QStringLiteral("Users"));
    BlockCounter helpBlocks, frameBlocks, formBlocks;
    help->installEventFilter(&helpBlocks);
    frame.installEventFilter(&frameBlocks);
    QtHost qtHost;

    RecordingWindow form(log, QStringLiteral("UpdateThing"));
    form.onOpen = [&] {
        form.Window().installEventFilter(&formBlocks);
        RecordingWindow over(log, QStringLiteral("SelectThing"));
        over.onOpen = [&] {
            QTimer::singleShot(0, [] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_TRUE(box);
                box->buttons().constFirst()->click();
            });
            qtHost.message("A question over both", "Wareloft", Icon::Question, ButtonYes, 0);
            over.SetResponse(RequestCompleted);
        };
        over.Run();
        form.SetResponse(RequestCompleted);
    };
    form.Run();
    EXPECT_GT(frameBlocks.blocked, 0);
    EXPECT_GT(formBlocks.blocked, 0) << "a modal window over another blocks the one below";
    EXPECT_EQ(helpBlocks.blocked, 0);
}

} // namespace
