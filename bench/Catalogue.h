#pragma once

#include "framework/store/RecordStore.h"

#include <QString>

// A synthetic catalogue of archive entries: CDs and disks with program files of a few dozen
// classes and producers, added through the archive's file manager in one transaction.
namespace Catalogue {

QString fileName(qint64 n);
// False, with the failure printed, when an insert or the commit failed.
bool fill(store::RecordStore& store, qint64 entries);

} // namespace Catalogue
