#pragma once

// Runs the program with its windows in the current directory, or, started from the desktop's
// menu in a directory without data files, in the user's own catalogue; returns the exit code.
int runProgram(int argc, char** argv);
