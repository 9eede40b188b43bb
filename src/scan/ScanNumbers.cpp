#include "scan/ScanNumbers.h"

#include "archive/ArchiveMedia.h"

void ScanNumbers::settle(const ScanSource& source, quint16 ownNumber) {
    if (settled) return;
    ArchiefRecord match;
    const bool named = ArchiveMedia::firstEntryNamed(source.name, match);
    newName = !named;
    if (source.medium == 1) {
        cdNr = ownNumber != 0 ? ownNumber : ArchiveMedia::lowestFreeCdNr();
    } else if (named &&
               source.driveKind.trimmed().compare(QLatin1String("HD"), Qt::CaseInsensitive) == 0) {
        diskNr = match.DiskNr;
    } else {
        diskNr = ownNumber != 0 ? ownNumber : ArchiveMedia::lowestFreeDiskNr();
    }
    settled = true;
}
