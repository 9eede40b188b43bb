#pragma once

#include <QString>
#include <QStringList>

// Bringing the backed-up archive, producers, users and classes back into the open data
// files. Every copy is checked before anything is replaced; each file then comes back
// through the store's online backup as one whole step, so a file is either restored or
// left as it was.
namespace Restore {

// Archief, Prd, IDE and Soorttab, in this order. The system options, the logbook and the
// drive configuration are never restored.
const QStringList& restoredFiles();

struct Outcome {
    int restored = 0;     // files brought back, in order, before a failure
    bool refused = false; // a copy failed its check: nothing was replaced
    QString message;      // what went wrong, as the user reads it; empty when all came back
};

// Checks the four copies in `backupDirectory`, then brings them back in order, stopping
// at the first that fails. Asks nothing and shows nothing.
Outcome fromDirectory(const QString& backupDirectory);

// The procedure of the menu: the question, the copies of the backup directory of the
// system record, the messages, and the date of the last backup set to today.
void run();

} // namespace Restore
