#pragma once

#include <QString>

// Makes a directory a data directory: the seven data files, the one system record and the
// first user "System" at level 3. Refuses a directory whose users file already holds users.
namespace Installation {

struct Options {
    QString password;
    QString organization;
    bool demo = false; // a few classes, producers and archive entries to look at
};

enum Result { Installed = 0, Refused = 1, Failed = 2 };

// Why a password cannot be the first user's: empty or only blanks. Empty when it can.
QString passwordProblem(const QString& password);

// Whether the directory may be installed: Refused when its users file holds users, Failed
// when that file cannot be read. Creates nothing. Runs inside a Process on the directory.
Result check(QString& report);

// Runs inside a Process on the directory; `report` tells what was done or why not. The files
// are made first (each whole or not at all); then every record is written in one step, so
// that an installation that is interrupted or fails (a full disk) leaves no record behind and
// can simply be run again.
Result install(const Options& options, QString& report);

} // namespace Installation
