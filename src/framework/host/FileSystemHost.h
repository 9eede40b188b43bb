#pragma once

#include "framework/host/Host.h"

#include <QDate>
#include <QTime>

// The window-free host services that the Qt host and the scripted host share: the clock,
// the current directory, drive roots, directory listings and file copies.
//
// Drive roots "A:\" .. "L:\" stand for host folders kept in the settings file, section
// "Drives", entry the letter, value the folder. A letter without a folder is a drive that
// is not ready.
class FileSystemHost : public Host {
public:
    // The settings file that holds the drive folders; the program sets it after start-up.
    void setSettings(IniManager* settings) { settings_ = settings; }
    IniManager* settings() const { return settings_; }

    qint32 today() override;
    qint32 clock() override;

    QString currentDirectory() override;
    // Takes a host path or a media path ("D:\TOOLS"); a missing directory fails.
    bool setCurrentDirectory(const QString& path) override;
    QString driveFolder(QChar letter) override;
    void setDriveFolder(QChar letter, const QString& folder) override;
    // Also takes host paths and paths relative to the current directory, with "\" or "/".
    // Each component that does not exist as written is matched against the directory's
    // entries without regard to case; components that match nothing stay as written.
    QString hostPath(const QString& mediaPath) override;
    std::vector<DirEntry> listDirectory(const QString& hostDirectory, const QString& pattern,
                                        int mask) override;
    // Replaces the target.
    bool copyFile(const QString& from, const QString& to, QString* error) override;
    // Creates missing parents too; true when the directory exists afterwards.
    bool makeDirectory(const QString& path) override;
    // Finds the program and hands it to startProgram.
    int execute(const QString& program, QString* error) override;

    // Error numbers of execute.
    enum ExecuteError {
        ProgramNotFound = 2,
        OutOfMemory = 8,
        DriveNotReady = 15,
        StartFailed = 31,
        NotAProgram = 193
    };

protected:
    // Starts an existing program file, detached; false with the reason when it did not start.
    virtual bool startProgram(const QString& hostFile, QString* error) = 0;

private:
    IniManager* settings_ = nullptr;
};
