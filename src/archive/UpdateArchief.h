#pragma once

#include <QtGlobal>

// The archive record form for one entry: a new CD (kind 1), a new floppy, ZIP or hard disk
// (kind 2), one more file on the medium highlighted in the archive browse (kind 3), the
// entry's properties (kind 4) or its deletion (kind 5). The kind may be given in either of
// the first two parameters, the other being 0. A record number other than 0 loads that
// entry (ARC:NR) first; when it is no longer there the form says so, writes nothing and
// answers cancelled.
//
// The caller sets Protocol::GlobalRequest (insert, change or delete) before the call. The
// form runs on the caller's thread until it closes; its response (1 completed, 2 cancelled)
// is returned and left in Protocol::GlobalResponse.
int UpdateArchief(quint8 kindA, quint8 kindB, quint32 recordNumber = 0);
