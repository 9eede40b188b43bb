#pragma once

#include <QString>

// Starts the file of an archive entry from the record form's Run button: mode 2 shows a
// picture, 3 a text file, 4 hands the file to the desktop's launcher. `local` says the path
// starts with its drive ("E:\TOOLS\SETUP.EXE").
//
// The picture and text viewers are not there yet: until they are, modes 2 and 3 go to the
// launcher too. This is the one place that routes them.
namespace FormLaunch {
void run(const QString& path, bool local, int mode);
}
