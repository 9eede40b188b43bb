#pragma once

// Runs the program with its windows in the current directory; returns the exit code.
int runProgram(int argc, char** argv);
