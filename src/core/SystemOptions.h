#pragma once

#include <QString>

// The rules of the options window that need no window: the texts beside the two spin
// boxes and what a backup directory must be.
namespace SystemOptions {

// "Only of today", "For minimal 1 day", "For minimal 5 days".
QString retentionText(int days);
// "Every day", "After 1 day", "After 7 days".
QString intervalText(int days);
// A directory as a dialog hands it back, without a trailing separator (a root stays whole).
QString chosenDirectory(const QString& chosen);

enum class PathState { Usable, Missing, NotADirectory, NotWritable, DataDirectory };
// A backup directory as stored (a drive path "D:\BACKUP" through its drive's folder). The
// catalogue's own directory cannot hold its backup.
PathState checkPath(const QString& storedPath);
// What is wrong with a path that is not Missing, for the user.
QString problemText(PathState state, const QString& storedPath);

} // namespace SystemOptions
