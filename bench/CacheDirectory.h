#pragma once

#include <QString>

// A benchmark's directory of a catalogue built once and used again: marked while it is built
// and when it is whole. Only what a benchmark makes there is ever removed.
namespace CacheDirectory {

// True when a whole catalogue is there.
bool complete(const QString& dir);
// Readies the directory for a build: one left by an interrupted build is cleared of what the
// build made; one the benchmark did not make (not empty, without the mark) is refused, with
// a message, and left as it is.
bool prepare(const QString& dir);
// Marks the catalogue whole.
void markComplete(const QString& dir);

} // namespace CacheDirectory
