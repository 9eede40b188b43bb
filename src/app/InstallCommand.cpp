#include "app/InstallCommand.h"

#include "core/Installation.h"
#include "core/Process.h"
#include "framework/host/ConsoleHost.h"

#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int Refused = 1;
constexpr int Failed = 2;
constexpr int Interrupted = 130;

termios savedTerminal{};
volatile sig_atomic_t terminalQuiet = 0;

// Interrupted at the prompt: the terminal shows what is typed again, and the process ends
// before anything was made.
void interrupted(int) {
    if (terminalQuiet) tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    const char newline = '\n';
    [[maybe_unused]] const ssize_t ignored = write(STDERR_FILENO, &newline, 1);
    _exit(Interrupted);
}

// Reads a line from the terminal without showing it.
QString askHidden(const char* prompt) {
    constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
    struct sigaction handler {
    }, previous[std::size(Signals)]{};
    handler.sa_handler = interrupted;
    sigemptyset(&handler.sa_mask);
    for (size_t i = 0; i < std::size(Signals); ++i)
        sigaction(Signals[i], &handler, &previous[i]);
    std::fprintf(stderr, "%s", prompt);
    std::fflush(stderr);
    if (tcgetattr(STDIN_FILENO, &savedTerminal) == 0) {
        termios quiet = savedTerminal;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        terminalQuiet = 1;
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (terminalQuiet) tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    terminalQuiet = 0;
    std::fprintf(stderr, "\n");
    for (size_t i = 0; i < std::size(Signals); ++i)
        sigaction(Signals[i], &previous[i], nullptr);
    return QString::fromLocal8Bit(line.c_str());
}

int refuse(const QString& why, int code) {
    std::fprintf(stderr, "%s\n", qPrintable(why.trimmed()));
    return code;
}

// The password from the command line, or asked twice on the terminal.
bool choosePassword(const CommandLine::Parsed& command, QString& password, QString& why) {
    if (command.passwordGiven) {
        password = command.password;
    } else {
        password = askHidden("Password for the user \"System\": ");
        if (const QString problem = Installation::passwordProblem(password); !problem.isEmpty()) {
            why = problem;
            return false;
        }
        if (askHidden("Repeat the password: ") != password) {
            why = QStringLiteral("The passwords differ; nothing was installed.");
            return false;
        }
    }
    why = Installation::passwordProblem(password);
    return why.isEmpty();
}

} // namespace

int runInstall(const CommandLine::Parsed& command) {
    if (command.passwordGiven) {
        if (const QString problem = Installation::passwordProblem(command.password);
            !problem.isEmpty())
            return refuse(problem, Failed);
    } else if (!isatty(STDIN_FILENO)) {
        return refuse(QStringLiteral("There is no terminal to ask the password of the user "
                                     "\"System\" on; give it with --password. Nothing was "
                                     "installed."),
                      Failed);
    }
    ConsoleHost host;
    Host::install(&host);
    int code = Failed;
    QString report, password = command.password;
    // In a directory without a users file nothing is made before the password is known.
    const bool fresh = !QFileInfo::exists(QStringLiteral("IDE.tps")) &&
                       !QFileInfo(QStringLiteral("IDE.tps")).isSymLink();
    bool asked = command.passwordGiven;
    if (fresh && !asked) {
        if (!choosePassword(command, password, report)) {
            Host::install(nullptr);
            return refuse(report, Failed);
        }
        asked = true;
    }
    {
        Process process(QDir::currentPath());
        host.setSettings(&process.settings());
        Installation::Result result = Installation::check(report);
        if (result == Installation::Installed && !asked &&
            !choosePassword(command, password, report))
            result = Installation::Failed;
        if (result == Installation::Installed)
            result = Installation::install({password, command.organization, command.demo}, report);
        if (result == Installation::Installed) {
            std::printf("%s\nWareloft is installed in %s.\n", qPrintable(report.trimmed()),
                        qPrintable(QDir::currentPath()));
            code = 0;
        } else {
            code = refuse(report, result == Installation::Refused ? Refused : Failed);
        }
        host.setSettings(nullptr);
    }
    Host::install(nullptr);
    return code;
}
