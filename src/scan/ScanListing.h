#pragma once

#include "core/Globals.h"

#include <QString>
#include <QStringList>

// A directory of a medium listed into ScanFileQueue: its subdirectories, then the files
// the scan looks for. The scan option code names the patterns: 1 "*.exe" and "*.com",
// 2 "*.zip", 3 the user's own pattern, 4 "*.*"; 5, 6 and 7 are 1, 2 and 3 with "*.txt" and
// "*.hlp" added.
namespace ScanListing {

enum Code : int { ExeCom = 1, Zip = 2, Other = 3, All = 4, WithText = 4 };

// "*." and at most three characters of an extension typed without them.
QString OtherPattern(const QString& extension);
// The patterns of a code, in the order they are listed; a text or help pattern that the
// Other pattern already is is not listed twice.
QStringList Patterns(int code, const QString& otherPattern);
// The label of a directory entry by its exact attribute byte: 0 "System", 2 "Hidden",
// 32 "File", 16 the label before it, any other `otherLabel` ("None" for the root listing
// of the scan options, "Unknown" later).
QString AttributeLabel(int attributes, const QString& previous, const QString& otherLabel);
// Bytes as kilobytes of 1000 bytes in tenths, rounded half up.
qint64 TenthsOfKilobyte(qint64 bytes);

struct Result {
    bool ready = true; // false: the drive's folder is missing or cannot be read
    QString error;
    int files = 0;    // file rows added
    int vanished = 0; // entries gone before they could be looked at
};

// Appends the subdirectories of `drive` + `path` ("D:\" and "" or "TOOLS\"), in name
// order, labelled "Directory", then the files of each pattern, each pattern's files from
// the last name to the first. Names are `path` followed by the entry's name; a file that
// an earlier pattern listed already is not listed again. Hidden files are left out.
Result List(Queue<ScanFileEntry>& queue, const QString& drive, const QString& path, int code,
            const QString& otherPattern, const QString& otherLabel);

} // namespace ScanListing
