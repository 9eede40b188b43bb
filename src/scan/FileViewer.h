#pragma once

#include <QString>

// Opening a file found on a medium or named by an archive entry: a text file line by line,
// a picture, or a program or document started on this computer.

// How RunProgram opens its command.
enum class LaunchMode : int {
    Execute = 1,  // start the program itself
    Picture = 2,  // ShowWindow
    Text = 3,     // ReadTextFile, without "Add to Archive"
    ShellOpen = 4 // the desktop's own program for the file
};

// The window "View an ASCII File" over a text file (a media path such as "D:\README.TXT"
// or a host path). `hideAdd` 1 hides "&Add to Archive". 1 when the user pressed it, else 0;
// 0 at once, with the open viewer brought forward, while another text viewer is open.
int ReadTextFile(const QString& fileName, int hideAdd);

// A window with the picture; returns when it is closed. A file that is not a picture this
// computer can show gets a message instead.
void ShowWindow(const QString& imageFile);

// Opens `command` (at most 255 characters) in its mode. With `fullPath` 1 the command
// starts with its drive; with 0, or when starting it from its drive failed, the user is
// asked for the drive.
void RunProgram(const QString& command, int fullPath, LaunchMode mode);
