#pragma once

#include "core/Dictionary.h"

#include <QString>

// The archive record form's rules that need no window: its kinds, captions, the questions
// it asks, what its Run button does, and what OK fills in before the entry is saved.
namespace UpdateArchiefRules {

enum Kind : int { NoKind = 0, NewCd = 1, NewDisk = 2, Include = 3, Properties = 4, Delete = 5 };

// The kind, given in either of the two parameters (the other being 0).
Kind kindOf(quint8 kindA, quint8 kindB);

// Captions before a preparation replaces them, by request.
QString requestCaption(int request, const QString& naam);
// "Adding a new CD" and so on by the kind of drive; empty for a kind this form does not know.
QString newMediumCaption(const QString& kindOfDrive);
// Whether a kind of drive numbers its media as CDs (else as disks).
bool numbersCds(const QString& kindOfDrive);
// "Including a record to E:\ -- Cd Nr. 3".
QString includeCaption(const QString& medium, quint16 cdNr, quint16 diskNr,
                       const QString& kindOfDrive);

// "Disk 3" or "CD 4": a medium in the duplicate question.
QString mediumShort(quint16 cdNr, quint16 diskNr);
// The question when a file is catalogued already: `existing` is the entry found; the new
// file's size is in tenths of a kilobyte.
QString duplicateQuestion(const ArchiefRecord& existing, const QString& newMedium,
                          const QString& root, const QString& rest, qint32 date, qint32 time);
// "Disk/HD Nr.:  3" or "CD Nr. : 4": a medium when an entry's file is read again.
QString mediumLong(quint16 cdNr, quint16 diskNr);
// The question before an entry takes the size, date and time its file has now.
QString updateQuestion(const ArchiefRecord& entry, const QString& path, qint64 tenths, qint32 date,
                       qint32 time);
// A file of another drive than the medium's.
QString wrongDriveText(bool including, const QString& root, const QString& drive);

// What the Run button shows and how it starts the file, by the file's extension.
struct RunChoice {
    QString text;
    int mode = 0; // 2 picture, 3 text viewer, 4 the desktop's launcher
};
RunChoice runChoice(const QString& fileName, bool useNotebook);
// Text files whose button reads "View" and shows only with the description.
bool viewedWithDescription(const QString& fileName);
// The path the Run button starts: the medium's root and the name when the medium is a drive
// A to K (`local`), else the name alone.
struct RunTarget {
    QString path;
    bool local = false;
};
RunTarget runTarget(const QString& medium, const QString& naam);

// What OK fills in: "None" as the registration of a program without one, and "Temporary
// Class" as the class of an entry without one.
void applyOkRules(ArchiefRecord& entry);

} // namespace UpdateArchiefRules
