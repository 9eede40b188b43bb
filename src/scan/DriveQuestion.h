#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"

#include <functional>

// The window "Insert CD or Disk and select drive... ": the drive a command is to be run
// from. "&Go" makes the chosen drive current and runs the command from it; the window
// stays open while the command was not found there, so that another drive can be chosen.
class DriveQuestion : public WindowController {
public:
    enum Control { DriveGroup = 1, DriveList, GoButton, CancelButton };

    // `run` is given the command with the drive in front and answers whether the window
    // may close.
    DriveQuestion(const QString& command, std::function<bool(const QString&)> run);

    // The roots offered: "A:\" to "K:\".
    static QStringList Drives();

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;

private:
    void go();

    QString command_;
    std::function<bool(const QString&)> run_;
    Text drive_{3};
};
