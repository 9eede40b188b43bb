#pragma once

#include <QString>
#include <cstdio>

// One figure of a benchmark, "name value unit", so that runs can be compared.
inline void printFigure(const QString& name, double value, const char* unit) {
    std::printf("%-28s %12.1f %s\n", qPrintable(name), value, unit);
    std::fflush(stdout);
}
