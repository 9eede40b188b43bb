#pragma once

#include <QString>

// The medium a scan reads and what its entries get: the name (the drive root), the kind of
// medium, the drive with its configured kind, the producer and the software class.
struct ScanSource {
    QString name;
    int medium = 1; // 1 CD, 2 disk
    QString drive;  // "D:\"
    QString driveKind;
    QString producer;
    QString softwareClass;
    int optionCode = 1; // 1 to 7, see ScanListing

    // Whether text files give their content to the description.
    bool readsContent() const { return optionCode > 3; }
};

// The CD or disk number of the imports of one scan window, settled at its first import and
// kept until the window closes.
struct ScanNumbers {
    bool settled = false;
    bool newName = false; // no entry carried the scan's name when the numbers were settled
    quint16 cdNr = 0;
    quint16 diskNr = 0;

    // A CD gets `ownNumber` when not 0, else the lowest free CD number. A hard disk whose
    // name is catalogued already keeps the disk number of its entries; any other disk gets
    // `ownNumber` when not 0, else the lowest free disk number. Nothing changes once settled.
    // The archive file must be open.
    void settle(const ScanSource& source, quint16 ownNumber);
};
