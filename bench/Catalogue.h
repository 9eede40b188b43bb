#pragma once

#include "framework/store/RecordStore.h"

#include <QString>

// A synthetic catalogue of archive entries: CDs and disks with program files of a few dozen
// classes and producers, added through the archive's file manager in one transaction.
namespace Catalogue {

QString fileName(qint64 n);
// The class of entry n among `classes` classes: a dozen named ones, or "Class 001" onwards
// when more are asked for, spread over CDs and disks alike.
QString className(qint64 n, int classes);
// False, with the failure printed, when an insert or the commit failed.
bool fill(store::RecordStore& store, qint64 entries, int classes = 12);

} // namespace Catalogue
