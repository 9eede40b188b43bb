#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"
#include "scan/DriveSetup.h"

#include <vector>

// The dialog "Configure drives": per letter A to L a tick, the kind of medium and the host
// folder the letter stands for; the kind and folder show only while the letter is ticked.
// Closing it, either way, marks the drive configuration as done.
class DriveConfigurationWindow : public WindowController {
public:
    enum Control {
        DrivesGroup = 1,
        ConnectDrive,
        FirstStartText,
        OkButton,
        CancelButton,
        HelpButton,
        KindHeading,
        FolderHeading,
        FirstTick = 10,   // "Drive A" .. "Drive L": 10 .. 21
        FirstKind = 30,   // the kind lists: 30 .. 41
        FirstFolder = 50, // the folder entries: 50 .. 61
        FirstBrowse = 70, // the "..." buttons: 70 .. 81
    };
    static constexpr const char* HelpKeyword = "Configure drives";

    DriveConfigurationWindow();

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;

private:
    void build();
    void showKind(int letter);
    void chooseFolder(int letter);
    void save();
    bool keepNotReady(const DriveSetup::Configuration& configuration);
    // The letter whose control this is, counting from the control's first number.
    static int letterOf(int control, int first);

    std::array<quint8, DriveSetup::Letters> ticked_{};
    std::vector<Text> kinds_ = std::vector<Text>(DriveSetup::Letters, Text(6));
    std::array<QString, DriveSetup::Letters> folders_;
    quint8 connect_ = 1;
};
