#pragma once

#include <QFile>
#include <QString>
#include <cstdio>

// One figure of a benchmark, "name value unit", so that runs can be compared.
inline void printFigure(const QString& name, double value, const char* unit, int decimals = 1) {
    std::printf("%-28s %12.*f %s\n", qPrintable(name), decimals, value, unit);
    std::fflush(stdout);
}

// Private memory of the process, in KiB: the file's pages that the engine maps are not
// counted, since the system takes them back when it needs to.
inline qint64 privateKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').first().toLongLong();
    return 0;
}
