#pragma once

#include "framework/Text.h"
#include "framework/window/WindowController.h"

// The window "Log and Backup Options" over the one system record: whether sessions are
// logged and for how long, whether the data files are backed up, how often and where. The
// values stay in the window until "&OK"; the window runs once at a time, under
// "UpdateSysOptions" in the settings.
class SystemOptionsWindow : public WindowController {
public:
    enum Control {
        KeepLog = 1,
        HowLong,
        RetentionText,
        DoBackup,
        BackupDays,
        IntervalText,
        PathPrompt,
        PathEntry,
        OkButton,
        CancelButton,
        HelpButton,
        ChooseButton, // "........", beside the prompt
    };
    static constexpr const char* HelpKeyword = "system options";

    SystemOptionsWindow();

    // Modal on the caller's thread, or beside the frame on a thread number of its own.
    static void RunHere();
    static void StartOwn();

    int Init() override;
    int Kill() override;
    int TakeAccepted() override;

private:
    void build();
    void load();
    void showLog();
    void showBackup();
    void choosePath();
    // False when the window must stay open for the path to be put right.
    bool settlePath();
    void save();

    quint8 doLog_ = 0;
    quint8 howLong_ = 0;
    quint8 doBackup_ = 0;
    quint8 backupDays_ = 0;
    Text path_{255};
};
