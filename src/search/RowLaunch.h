#pragma once

#include "search/RowAction.h"

// Opens a result's file through the host's launcher: a command with its drive at once; one
// without asks for the drive first ("Insert CD or Disk and select drive... ").
void launchRow(const search::RowAction& action);
