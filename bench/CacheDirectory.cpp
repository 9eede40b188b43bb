#include "bench/CacheDirectory.h"

#include "core/Dictionary.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdio>

namespace CacheDirectory {

namespace {

constexpr const char* Building = ".wareloft-bench-building";
constexpr const char* Complete = "complete";

// The data files with their journals, the settings file and the two marks.
QStringList madeHere() {
    QStringList names = {QStringLiteral("software.INI"), QString::fromLatin1(Building),
                         QString::fromLatin1(Complete)};
    for (const FileDef* def : Dictionary::files())
        names << def->diskName << def->diskName + QStringLiteral("-journal");
    return names;
}

} // namespace

bool complete(const QString& dir) {
    return QFile::exists(QDir(dir).filePath(QString::fromLatin1(Complete)));
}

bool prepare(const QString& dir) {
    const QDir d(dir);
    if (d.exists() && !QFile::exists(d.filePath(QString::fromLatin1(Building))) &&
        !d.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        std::fprintf(stderr,
                     "%s holds files this benchmark did not make; it is left as it is. Choose "
                     "another CACHE_DIR.\n",
                     qPrintable(dir));
        return false;
    }
    for (const QString& name : madeHere())
        QFile::remove(d.filePath(name));
    QDir().mkpath(dir);
    QFile building(d.filePath(QString::fromLatin1(Building)));
    return building.open(QIODevice::WriteOnly);
}

void markComplete(const QString& dir) {
    QFile(QDir(dir).filePath(QString::fromLatin1(Complete))).open(QIODevice::WriteOnly);
}

} // namespace CacheDirectory
