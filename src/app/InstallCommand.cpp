#include "app/InstallCommand.h"

#include "core/Installation.h"
#include "core/Process.h"
#include "framework/host/ConsoleHost.h"

#include <QDir>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

// Reads a line from the terminal without showing it.
QString askHidden(const char* prompt) {
    std::fprintf(stderr, "%s", prompt);
    std::fflush(stderr);
    termios saved{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSANOW, &saved);
        std::fprintf(stderr, "\n");
    }
    return QString::fromStdString(line);
}

} // namespace

int runInstall(const QString& password, bool passwordGiven, const QString& organization,
               bool demo) {
    ConsoleHost host;
    Host::install(&host);
    int code = 1;
    {
        Process process(QDir::currentPath());
        host.setSettings(&process.settings());
        QString report;
        Installation::Result result = Installation::check(report);
        Installation::Options options{password, organization, demo};
        if (result == Installation::Installed && !passwordGiven) {
            options.password = askHidden("Password for the user \"System\": ");
            if (isatty(STDIN_FILENO) && askHidden("Repeat the password: ") != options.password) {
                report = "The passwords differ; nothing was installed.";
                result = Installation::Refused;
            }
        }
        if (result == Installation::Installed) result = Installation::install(options, report);
        std::fprintf(result == Installation::Installed ? stdout : stderr, "%s\n",
                     qPrintable(report.trimmed()));
        if (result == Installation::Installed) {
            std::printf("Wareloft is installed in %s.\n", qPrintable(QDir::currentPath()));
            code = 0;
        }
        host.setSettings(nullptr);
    }
    Host::install(nullptr);
    return code;
}
