// Process start and end, and the command-line options.
#include "app/InstallCommand.h"
#include "app/ProgramRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

namespace {

bool wantsWindows(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--install", "--help", "-h", "--version", "-v"})
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
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption install("install",
                                     "Make the current directory a data directory: the data "
                                     "files, the system options and the user \"System\".");
    const QCommandLineOption password("password",
                                      "Password of the user \"System\" (asked on "
                                      "the terminal when not given).",
                                      "PW");
    const QCommandLineOption organization("organization", "Organization name to register.", "NAME");
    const QCommandLineOption demo("demo", "With --install: add a small demo catalogue.");
    const QCommandLineOption desktop(
        "desktop", "As the desktop's menu starts it: in a directory without data files, open "
                   "the user's own catalogue (~/.local/share/Wareloft).");
    parser.addOptions({install, password, organization, demo, desktop});
    parser.process(app);
    if (!parser.isSet(install)) {
        std::fprintf(stderr, "Nothing to do.\n");
        return 1;
    }
    return runInstall(parser.value(password), parser.isSet(password), parser.value(organization),
                      parser.isSet(demo));
}
