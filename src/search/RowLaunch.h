#pragma once

#include "search/RowAction.h"

// Opens a result's file in its mode: a picture or a text file in the program's viewers, any
// other file through the desktop; a command without its drive asks for the drive first.
void launchRow(const search::RowAction& action);
