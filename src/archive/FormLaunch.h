#pragma once

#include <QString>

// Starts the file of an archive entry from the record form's Run button: mode 2 shows a
// picture, 3 a text file, 4 hands the file to the desktop's launcher. `local` says the path
// starts with its drive ("E:\TOOLS\SETUP.EXE"); without it the user is asked for the drive.
namespace FormLaunch {
void run(const QString& path, bool local, int mode);
}
