#pragma once

#include <QString>
#include <QStringList>

// The program's command line: without arguments it opens its windows; otherwise one command.
namespace CommandLine {

enum class Command { Windows, Install, Check, Search, Help, Version, Usage };

struct Parsed {
    Command command = Command::Windows;
    QString password;
    bool passwordGiven = false;
    QString organization;
    bool demo = false;
    bool desktop = false; // Windows: started by the desktop's menu
    // Search: a phrase in a field, or (dates) a range of file dates.
    bool dates = false;
    QString phrase, subject, from, till;
    QString dataDirectory; // empty: the current one
    bool csv = false;
    QString error; // for Usage: what is wrong with the arguments
};

// `arguments` without the program's name. Anything not understood is a usage error.
Parsed parse(const QStringList& arguments);
QString usage();

} // namespace CommandLine
