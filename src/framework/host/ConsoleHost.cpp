#include "framework/host/ConsoleHost.h"

#include <cstdio>
#include <cstdlib>

namespace {
void print(const QString& caption, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
}
} // namespace

int ConsoleHost::message(const QString& text, const QString& caption, Icon, int buttons,
                         int defaultButton) {
    print(caption, text);
    if (defaultButton) return defaultButton;
    return buttons & ButtonOk ? ButtonOk : buttons & -buttons;
}

int ConsoleHost::message(const QString& text, const QString& caption, Icon, const QString&,
                         int defaultButton) {
    print(caption, text);
    return defaultButton > 0 ? defaultButton : 1;
}

void ConsoleHost::endProgram(int exitCode, const QString& text) {
    print(QStringLiteral("Ended"), text);
    std::exit(exitCode == 0 ? EXIT_FAILURE : exitCode);
}
