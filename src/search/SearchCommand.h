#pragma once

#include <QString>
#include <cstdio>

// "wareloft --search" and "--search-dates": the search from the command line, in a data
// directory opened for reading only.
struct SearchCommand {
    bool dates = false;
    QString phrase;
    QString subject; // name, file, producer, remarks or description; file when empty
    QString from, till;
    QString dataDirectory; // the current directory when empty
    bool csv = false;
};

// Prints the matches on `out` in the results' order; 0 with matches, 1 without, 2 on an
// error (told on `err`).
int runSearch(const SearchCommand& command, std::FILE* out = stdout, std::FILE* err = stderr);
