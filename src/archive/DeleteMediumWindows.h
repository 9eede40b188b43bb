#pragma once

#include "archive/MediumDeletion.h"
#include "framework/window/WindowController.h"

#include <memory>
#include <thread>

class QProgressBar;

// The small window that asks before a whole CD or disk is deleted: "Confirm delete of CD....",
// "Are you sure of deleting :", "CD-Nr : 12 ?", "&Yes" and "&No".
class DelCDiskWindow : public WindowController {
public:
    enum Control { Picture = 1, Question, MediumLine, YesButton, NoButton };

    DelCDiskWindow(const QString& kind, const QString& number);

    int Init() override;
    int TakeAccepted() override;

    bool Confirmed() const { return confirmed_; }

private:
    QString kind_, number_;
    bool confirmed_ = false;
};

// 1 when the user pressed "&Yes", 0 for "&No" or a close.
quint8 DelCDisk(const QString& kind, const QString& number);

// "Deleting records, please wait....": the deletion runs on a worker thread while the bar
// and the count follow it; the window closes itself when the deletion has ended and cannot
// be closed before.
class DeletionProgressWindow : public WindowController {
public:
    enum Control { ProgressPrompt = 1, Bar, CountPrompt, Count };
    static constexpr int BarFull = 200;
    static constexpr int PollMilliseconds = 40;

    explicit DeletionProgressWindow(MediumDeletion& deletion);
    ~DeletionProgressWindow() override;

    int Init() override;
    int Kill() override;
    int TakeWindowEvent() override;
    int TakeCloseEvent() override;

    // The highest value the bar and the count showed, for tests.
    int ShownCount() const { return shownCount_; }

private:
    void show(int count);
    void join();

    MediumDeletion& deletion_;
    std::thread worker_;
    QProgressBar* bar_ = nullptr;
    int shownCount_ = 0;
};
