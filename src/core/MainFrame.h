#pragma once

#include "core/FrameMenus.h"
#include "framework/window/WindowController.h"

#include <QPointer>
#include <functional>
#include <memory>

class FrameStatus;
class FrameWindow;

// The program's one top-level window: a multiple-document frame with the menu bar, the
// right-click menu of its client area, the status bar with user, date and time, the
// toolbar window and the wallpaper. Its start opens the files, counts the archive, runs
// the logon and reads the user's choices; its end closes the session, the files and every
// other window, and stores the user's choices. It runs once per process, on the first
// thread, in section "Main" of the settings.
class MainFrame : public WindowController {
public:
    static constexpr const char* Title = "Wareloft Program - 2.01 - Beta 2  - Professional Edition";
    // The control of a right click on the client area.
    static constexpr int ClientAreaControl = 900;

    MainFrame();
    ~MainFrame() override;

    // The logon with the session start, the change of user of "&Logon" and the drive
    // configuration of the very first start. A test may put its own in.
    std::function<bool()> LogonStep;
    std::function<bool()> ChangeUserStep;
    std::function<void()> DriveConfigurationStep;

    // Hundredths of a second between refreshes of the clock; set back to 100 whenever it is
    // found outside 1 .. 100.
    int TimerPeriod = 100;

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;
    int TakeEvent() override;
    int TakeWindowEvent() override;

    // Null until the window is built.
    FrameWindow* Frame() const;
    FrameMenus* Menus() const { return menus_.get(); }
    FrameStatus* Status() const { return status_.get(); }

    // Status bar, level rules of the menus and check marks, and the toolbar's buttons.
    void Refresh();
    void CarryOut(const FrameAction& action);

private:
    void openFiles();
    void closeFiles();
    void buildWindow();
    void whenOpened();
    void keepTimer();
    void endOtherWindows();
    void showWallpaper();
    void chooseWallpaper();
    void chooseBrowseColor();
    void toggleToolbar();
    void changeUser();
    void repaintLists();
    void backgroundMenu();
    void close();

    QPointer<FrameWindow> frame_;
    std::unique_ptr<FrameMenus> menus_;
    std::unique_ptr<FrameStatus> status_;
    bool started_ = false;             // this start is the frame (not a second start)
    std::vector<FileManager*> opened_; // the files this frame opened, closed at its end
    bool loggedOn_ = false;            // a user logged on, so the user's choices are known
};
