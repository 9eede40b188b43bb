#include "archive/DeleteMediumWindows.h"

#include "framework/Pictures.h"

#include <QGridLayout>
#include <QProgressBar>

// ---- confirmation --------------------------------------------------------------------------

DelCDiskWindow::DelCDiskWindow(const QString& kind, const QString& number)
    : WindowController(QStringLiteral("DelCDisk")), kind_(kind), number_(number) {}

int DelCDiskWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    const QString kind = kind_.trimmed();
    SetTitle(QStringLiteral("Confirm delete of %1....").arg(kind));
    Window().setResizable(false);
    C().image(Picture, QStringLiteral("Cancel4.ico")).at(0, 0, 2, 1);
    C().prompt(Question, QStringLiteral("Are you sure of deleting :")).at(0, 1, 1, 2);
    C().prompt(MediumLine, QStringLiteral("%1-Nr : %2 ?").arg(kind, number_.trimmed()).left(255))
        .at(1, 1, 1, 2);
    C().button(YesButton, QStringLiteral("&Yes")).at(2, 1);
    C().button(NoButton, QStringLiteral("&No")).at(2, 2).defaultButton();
    if (auto* grid = qobject_cast<QGridLayout*>(C().Content().layout()))
        grid->setColumnStretch(1, 1);
    // A whole medium is much to lose: Enter keeps it.
    FirstField = NoButton;
    return Open();
}

int DelCDiskWindow::TakeAccepted() {
    if (Field() == YesButton || Field() == NoButton) {
        confirmed_ = Field() == YesButton;
        SetResponse(confirmed_ ? RequestCompleted : RequestCancelled);
        return LevelNotify;
    }
    return WindowController::TakeAccepted();
}

quint8 DelCDisk(const QString& kind, const QString& number) {
    DelCDiskWindow window(kind, number);
    window.Run();
    return window.Confirmed() ? 1 : 0;
}

// ---- progress ------------------------------------------------------------------------------

DeletionProgressWindow::DeletionProgressWindow(MediumDeletion& deletion)
    : WindowController(QStringLiteral("DeletionProgress")), deletion_(deletion) {}

DeletionProgressWindow::~DeletionProgressWindow() {
    join();
}

int DeletionProgressWindow::Init() {
    if (const int level = WindowController::Init()) return level;
    SetTitle(QStringLiteral("Deleting records, please wait...."));
    Window().setResizable(false);
    bar_ = new QProgressBar;
    bar_->setRange(0, BarFull);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(260);
    C().prompt(ProgressPrompt, QStringLiteral("Progress :")).at(0, 0);
    C().custom(Bar, bar_).at(0, 1);
    C().prompt(CountPrompt, QStringLiteral("Deleted records :")).at(1, 0);
    C().prompt(Count, QString()).at(1, 1);
    show(0);
    if (const int level = Open()) return level;
    worker_ = std::thread([this] { deletion_.run(); });
    SetTimer(PollMilliseconds);
    return LevelBenign;
}

int DeletionProgressWindow::Kill() {
    join();
    return WindowController::Kill();
}

void DeletionProgressWindow::join() {
    if (worker_.joinable()) worker_.join();
}

void DeletionProgressWindow::show(int count) {
    shownCount_ = std::max(shownCount_, count);
    if (bar_) bar_->setValue(std::min(count, int(BarFull)));
    C().SetText(Count, Pictures::format(count, QStringLiteral("@N_6B")));
}

int DeletionProgressWindow::TakeWindowEvent() {
    if (Event().Kind == EventKind::Timer) {
        const bool finished = deletion_.finished();
        show(deletion_.deleted());
        if (finished) {
            join();
            if (bar_) bar_->setValue(BarFull);
            SetTimer(0);
            SetResponse(RequestCompleted);
            return LevelFatal;
        }
        return LevelNotify;
    }
    return WindowController::TakeWindowEvent();
}

// The deletion cannot be stopped once it runs; the window waits for it.
int DeletionProgressWindow::TakeCloseEvent() {
    if (worker_.joinable() && !deletion_.finished()) return LevelNotify;
    return WindowController::TakeCloseEvent();
}
