// Process start and end, and the command-line options.
#include "app/CheckCommand.h"
#include "app/InstallCommand.h"
#include "app/ProgramRun.h"
#include "core/CommandLine.h"
#include "search/SearchCommand.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int UsageError = 2;

int search(const CommandLine::Parsed& command) {
    SearchCommand search;
    search.dates = command.dates;
    search.phrase = command.phrase;
    search.subject = command.subject;
    search.from = command.from;
    search.till = command.till;
    search.dataDirectory = command.dataDirectory;
    search.csv = command.csv;
    return runSearch(search);
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Parsed command = CommandLine::parse(arguments);
    switch (command.command) {
    case CommandLine::Command::Windows:
        return runProgram(argc, argv);
    case CommandLine::Command::Usage:
        std::fprintf(stderr, "wareloft: %s\n\n%s", qPrintable(command.error),
                     qPrintable(CommandLine::usage()));
        return UsageError;
    case CommandLine::Command::Help:
        std::printf("%s", qPrintable(CommandLine::usage()));
        return 0;
    case CommandLine::Command::Version:
        std::printf("wareloft %s\n", WARELOFT_VERSION);
        return 0;
    default:
        break;
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wareloft"));
    switch (command.command) {
    case CommandLine::Command::Install:
        return runInstall(command);
    case CommandLine::Command::Search:
        return search(command);
    default:
        return runCheck();
    }
}
