#pragma once

#include "framework/FileDef.h"
#include "framework/store/RecordStore.h"

#include <sys/types.h>

// Making data files. A file is built complete under a temporary name in its directory and
// renamed into place, one creator at a time, so that no station and no interrupted start
// ever leaves or finds half a file under the real name.
namespace store::creation {

// Makes the file at `path`. Ok also when a whole file of this description is found there (a
// station made it meanwhile); a file left half-made by an interrupted creation is made anew;
// anything else found there is left as it is and refused.
int make(const FileDef& def, const QString& path, Status& status);

// An empty file, or a database of this description that has no record table yet: what an
// interrupted creation leaves behind. Foreign, damaged or unreadable files are not.
bool halfMade(const FileDef& def, const QString& path);

// The mode of new files in `directory`: readable and writable by the group where the
// directory is shared with one (group-writable or set-group-id), else by the owner only;
// never by others.
mode_t modeFor(const QString& directory);

// Sets a new file's mode, regardless of the process's file-creation mask.
bool setMode(const QString& path, mode_t mode);

} // namespace store::creation
