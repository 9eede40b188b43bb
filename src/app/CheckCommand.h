#pragma once

// "wareloft --check": one line per data file of the current directory on the output; exit
// code 0 when all seven are sound, 1 otherwise.
int runCheck();
