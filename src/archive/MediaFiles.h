#pragma once

#include <QString>

// Files of a medium as the archive stores them: "E:\TOOLS\SETUP.EXE", a drive root and a
// path below it with "\" separators, where drive E stands for a folder of this computer
// (the drive configuration). Only the host turns such a path into a host path.
namespace MediaFiles {

// The stored form of a file of this computer: the root of the drive whose folder holds it
// and its path below that folder. When several drives' folders hold it, `preferred` ("E:\")
// wins, else the innermost folder. Empty when no drive's folder holds the file.
QString mediaPath(const QString& hostFile, const QString& preferred = {});

enum class DriveState { Ready, NotMapped, Missing, Unreadable };
// Whether the folder of a drive root ("E:\") can be read.
DriveState driveState(const QString& root);
// What to tell the user about a drive that is not ready.
QString notReadyText(const QString& root, DriveState state);
// The folder a drive root stands for; empty when none is set.
QString driveFolder(const QString& root);

// A file's directory entry: size in tenths of a kilobyte of 1000 bytes (rounded), the
// file's date and time. `exists` is false, with `error` the platform's text, when the file
// is not there.
struct Entry {
    bool exists = false;
    qint64 tenths = 0;
    qint32 date = 0;
    qint32 time = 0;
    QString error;
    // The file counts as found when its date, time or size is known.
    bool found() const { return date != 0 || time != 0 || tenths != 0; }
};
// `path` is a stored media path or a host path.
Entry directoryEntry(const QString& path);

} // namespace MediaFiles
