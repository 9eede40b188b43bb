#pragma once

#include <QStringList>

// "wareloft --install": makes the current directory a data directory.
int runInstall(const QString& password, bool passwordGiven, const QString& organization, bool demo);
