// Process start and end, and the command-line options.
#include "app/InstallCommand.h"
#include "app/ProgramRun.h"
#include "search/SearchCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace {

bool wantsWindows(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option :
             {"--install", "--search", "--search-dates", "--help", "-h", "--version", "-v"})
            if (std::strcmp(argv[i], option) == 0) return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (wantsWindows(argc, argv)) return runProgram(argc, argv);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("wareloft");
    QCoreApplication::setApplicationVersion(WARELOFT_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Wareloft catalogues the software kept on CDs, floppies, ZIP disks and hard disks.\n"
        "Started without options it opens the catalogue in the current directory.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption install("install",
                                     "Make the current directory a data directory: the data "
                                     "files, the system options and the user \"System\".");
    const QCommandLineOption password("password",
                                      "Password of the user \"System\" (asked on "
                                      "the terminal when not given).",
                                      "PW");
    const QCommandLineOption organization("organization", "Organization name to register.", "NAME");
    const QCommandLineOption demo("demo", "With --install: add a small demo catalogue.");
    const QCommandLineOption searchPhrase(
        "search", "Print the archive entries whose field (--subject) holds PHRASE.", "PHRASE");
    const QCommandLineOption subject(
        "subject", "With --search: name, file (the default), producer, remarks or description.",
        "SUBJECT");
    const QCommandLineOption searchDates(
        "search-dates", "Print the archive entries dated from --from, till --till, or both.");
    const QCommandLineOption from("from",
                                  "With --search-dates: the first day (2024-03-31 or "
                                  "31/3/2024).",
                                  "DATE");
    const QCommandLineOption till("till",
                                  "With --search-dates: the last day; entries without "
                                  "a date count as earlier than every day.",
                                  "DATE");
    const QCommandLineOption data("data",
                                  "With --search: the data directory (else the current "
                                  "one). It is only read.",
                                  "DIR");
    const QCommandLineOption csv("csv", "With --search: comma-separated lines with a heading "
                                        "instead of tab-separated lines.");
    const QCommandLineOption desktop(
        "desktop", "As the desktop's menu starts it: in a directory without data files, open "
                   "the user's own catalogue (~/.local/share/Wareloft).");
    parser.addOptions({install, password, organization, demo, searchPhrase, subject, searchDates,
                       from, till, data, csv, desktop});
    // A command line that cannot be read is a usage error (2), not "nothing found" (1).
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "wareloft: %s\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) parser.showHelp(0);
    if (parser.isSet(version)) parser.showVersion();
    if (parser.isSet(searchPhrase) || parser.isSet(searchDates)) {
        if (parser.isSet(searchPhrase) && parser.isSet(searchDates)) {
            std::fprintf(stderr, "wareloft: --search and --search-dates go one at a time.\n");
            return 2;
        }
        SearchCommand command;
        command.dates = parser.isSet(searchDates);
        command.phrase = parser.value(searchPhrase);
        command.subject = parser.value(subject);
        command.from = parser.value(from);
        command.till = parser.value(till);
        command.dataDirectory = parser.value(data);
        command.csv = parser.isSet(csv);
        return runSearch(command);
    }
    if (!parser.isSet(install)) {
        std::fprintf(stderr, "Nothing to do.\n");
        return 1;
    }
    return runInstall(parser.value(password), parser.isSet(password), parser.value(organization),
                      parser.isSet(demo));
}
