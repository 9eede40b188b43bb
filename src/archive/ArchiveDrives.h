#pragma once

#include <QString>

// DriveQueue as the archive record form offers it: the configured drives a new medium can
// be read from, or the one drive of a medium already catalogued. The Drv file must be open.
namespace ArchiveDrives {

// Every configured drive, except a hard disk that is already catalogued under its root
// (it is offered only to add files to).
void fillForNewMedium();
// The drive of a medium, named by the first three characters of its name; false, with the
// queue empty, when that drive is not configured.
bool fillForMedium(const QString& mediumName);
// Keeps only the CD drives, or only the others; the queue ends up sorted by drive.
void keepCds(bool cds);
// The queue sorted by drive.
void sort();
// The row (from 1) of a drive root, letter case aside; 0 when it is not in the queue.
int rowOf(const QString& root);

} // namespace ArchiveDrives
