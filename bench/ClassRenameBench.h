#pragma once

#include <QString>

// Renames a class that `entries` archive entries carry, through the class file's relation
// guard as the class form does: the seconds it took and the processor seconds it used (on a
// busy machine the first is the larger), or -1 when the rename failed or left an entry
// behind. Works in a catalogue of its own in `directory`.
struct RenameTimes {
    double seconds = -1;
    double processorSeconds = -1;
};
RenameTimes classRename(const QString& directory, qint64 entries);
