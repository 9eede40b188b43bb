#pragma once

#include "framework/Text.h"

// The dialog "Scan/Import Configuration", the first step of every scan: the drive, the
// class and producer the imported entries get, and the files to look for. On "&Scan" it
// lists the drive's root into ScanFileQueue (which the caller has emptied) and writes its
// choices back; on "&Cancel" only Cancelled.
struct ScanParameters {
    quint8 Cancelled = 1;  // 1 cancelled, 0 scanned
    Text Name{35};         // of the CD or disk: the drive root
    quint8 MediumKind = 0; // 1 CD, 2 disk
    Text OtherPattern{5};  // "*." and the extension, for the choice "Other"
    qint32 FileCount = 0;  // file rows listed
    quint8 OptionCode = 0; // 1 to 7, see ScanListing
    Text Drive{3};
    Text Producer{50};
    Text SoftwareClass{35};
};

void ScanOptions(ScanParameters& parameters);
