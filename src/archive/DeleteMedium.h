#pragma once

#include "core/Dictionary.h"

// "D&el CD/Disk" of the archive browse, also asked for by the toolbar's "Delete CD/Disk":
// every archive entry on the CD or disk of `highlighted` is deleted after the confirmation,
// with the progress window, all at once or not at all. GLO:ArchiveCount follows and the
// toolbar window is told; the browse then resets itself with force. Returns the number of
// entries deleted (0 when there was no medium, the user said no, or the deletion failed,
// which is reported).
int DeleteMedium(const ArchiefRecord& highlighted);
