#pragma once

#include "core/Dictionary.h"

#include <QString>

// Look-ups of media and entries in the archive for the record form and the scan import:
// the lowest free CD and disk numbers, the entries of a medium, an entry that already
// catalogues a file. They read beside the ARC buffer, which keeps what it holds; the
// archive file must be open.
namespace ArchiveMedia {

// The lowest CD (disk) number that no entry carries, found by key jumps, never by reading
// every entry: a number freed by deleting a medium is given out again. 0 when every number
// is in use or the archive cannot be read. Floppies, ZIP disks and hard disks share the
// disk numbers.
quint16 lowestFreeCdNr();
quint16 lowestFreeDiskNr();

// The first entry (in record number order of that name) whose medium name is `name`,
// letter case aside; false when there is none.
bool firstEntryNamed(const QString& name, ArchiefRecord& found);

// An entry of the medium named `name` with CD number `cdNr` or, for a disk (`cdNr` 0),
// disk number `diskNr`; false when the medium has no entry.
bool findMediumEntry(const QString& name, quint16 cdNr, quint16 diskNr, ArchiefRecord& found);

// The entry that catalogues the file `rest` under the drive root `root` already, whatever
// its CD or disk number: the first in file name order; false when there is none.
bool findDuplicate(const QString& root, const QString& rest, ArchiefRecord& found);

// Deletes the entry with record number `nr` directly in the file; false when it is not
// there or cannot be deleted.
bool erase(quint32 nr);

} // namespace ArchiveMedia
