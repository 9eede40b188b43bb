#pragma once

#include <QString>

// Renames a class that `entries` archive entries carry, through the class file's relation
// guard as the class form does; returns the seconds taken, or -1 when the rename failed or
// left an entry behind. Works in a catalogue of its own in `directory`.
double classRenameSeconds(const QString& directory, qint64 entries);
