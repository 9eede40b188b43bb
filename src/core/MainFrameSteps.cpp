#include "core/MainFrame.h"

#include "core/DataFiles.h"
#include "core/FrameRules.h"
#include "core/FrameStatus.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/Session.h"
#include "core/SettingKeys.h"
#include "framework/host/Host.h"
#include "framework/host/Images.h"
#include "framework/window/FrameWindow.h"
#include "framework/window/WindowRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

// The frame's start and end.

namespace {

// The data directory in its long form, without trailing blanks.
QString programDirectory() {
    const QString current = Host::instance().currentDirectory();
    QString dir = QFileInfo(current).canonicalFilePath();
    if (dir.isEmpty()) dir = current;
    while (dir.endsWith(QLatin1Char(' ')))
        dir.chop(1);
    return dir;
}

// The size at the very first start: most of the screen, centred.
QRect firstPlace() {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size = QSize(1024, 720).boundedTo(area.size() * 9 / 10);
    return QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size);
}

constexpr int EndWaitMilliseconds = 5000;

} // namespace

int MainFrame::Init() {
    // A second start brings the running frame forward and opens nothing.
    if (const int level = WindowController::Init()) return level;
    started_ = true;
    GLO.ProgramDir = programDirectory();
    GLO.HelpFile = GLO.ProgramDir + QDir::separator() + QStringLiteral("wlp32ee.hlp");
    openFiles();
    // Only the very first start asks for the drives, before the frame shows.
    if (INIMgr().FetchNumber(Settings::DriveConfig) == 0 && DriveConfigurationStep)
        DriveConfigurationStep();
    buildWindow();
    if (const int level = Open()) return level;
    Session::setStartedHook([this] { Refresh(); });
    if (!LogonStep || !LogonStep()) return LevelFatal;
    loggedOn_ = true;
    FrameRules::readUserChoices();
    Refresh();
    return LevelBenign;
}

void MainFrame::openFiles() {
    for (FileManager* f :
         {&Access::Archief(), &Access::IDE(), &Access::Log(), &Access::Sys(), &Access::Prd()})
        if (f->Open() == LevelBenign) opened_.push_back(f);
    FileManager& archive = Access::Archief();
    const qint64 count = archive.UseFile() == LevelBenign ? archive.File->records() : 0;
    GLO.ArchiveCount = quint32(std::max<qint64>(count, 0));
}

void MainFrame::closeFiles() {
    for (FileManager* f : opened_)
        f->Close();
    opened_.clear();
}

void MainFrame::buildWindow() {
    frame_ = new FrameWindow;
    frame_->setObjectName(ProcedureName);
    frame_->setWindowTitle(QString::fromUtf8(Title));
    frame_->setWindowIcon(Images::icon(QStringLiteral("Diskfile.ico")));
    frame_->setMinimumSize(480, 320);
    frame_->setGeometry(firstPlace());
    menus_ = std::make_unique<FrameMenus>(*frame_->menuBar(), [this](int control) {
        Post(controlEvent(EventKind::Accepted, control));
    });
    status_ = std::make_unique<FrameStatus>(*frame_->statusBar());
    frame_->area().onBackgroundMenu = [this](const QPoint&) {
        Post(controlEvent(EventKind::Accepted, ClientAreaControl));
    };
    SetOuter(frame_);
    SetChildArea(&frame_->area());
}

int MainFrame::Kill() {
    if (Dead) return LevelNotify;
    if (!started_) return WindowController::Kill();
    SetTimer(0);
    Session::setStartedHook({});
    Session::end();
    closeFiles();
    // After a failed first logon no user's choices were read: nothing to store.
    if (loggedOn_) FrameRules::writeUserChoices();
    SetChildArea(nullptr);
    const int level = WindowController::Kill(); // stores the place in "Main"
    endOtherWindows();
    return level;
}

// Every other window is told that the program ends, and is given the time to end.
void MainFrame::endOtherWindows() {
    WindowRegistry::PostAll(windowEvent(EventKind::CloseDown));
    QElapsedTimer waited;
    waited.start();
    while (WindowRegistry::Count() > 0 && waited.elapsed() < EndWaitMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void MainFrame::showWallpaper() {
    GLO.Wallpaper = INIMgr().Fetch(FrameRules::userSection(), Settings::WallSel);
    frame_->area().setPicture(Images::wallpaper(GLO.Wallpaper.str()));
}
