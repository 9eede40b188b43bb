#pragma once

#include "core/CommandLine.h"

// "wareloft --install": makes the current directory a data directory. Exit code 0 when
// installed, 1 when the directory holds an installation already, 2 when nothing could be
// installed (a password refused, a full disk).
int runInstall(const CommandLine::Parsed& command);
