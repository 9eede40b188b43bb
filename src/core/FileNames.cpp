#include "core/FileNames.h"

QString FileNames::extension(const QString& name) {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1, 3).toUpper();
}
