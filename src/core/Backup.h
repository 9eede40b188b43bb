#pragma once

#include <QString>

struct SysRecord;

// Copies of the data files in the backup directory, made through the store's online backup
// so that no copy is torn while the files are open.
namespace Backup {

// Archief, Prd, IDE, Soorttab and Sys, in this order.
const QStringList& backedUpFiles();

// Due when backups are on and the last one is older than the interval allows.
bool isDue(const SysRecord& sys, qint32 today);

// The backup directory of the system record as a host path.
QString directoryOf(const SysRecord& sys);

// The automatic backup at the end of a session. Returns true when a backup ran and every
// copy succeeded; a failure shows "BackUp Path/Directory not found" and changes no data file.
bool runIfDue(const SysRecord& sys);

} // namespace Backup
