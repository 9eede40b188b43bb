#include "framework/host/ConsoleHost.h"

#include "framework/host/MessageButtons.h"

#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

namespace {

void print(const QString& caption, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(ConsoleHost::shown(text)));
}

// Nobody is there to answer: a question gets the answer of a box closed unanswered (Cancel,
// else No), so that an action that failed is never repeated without end; a notice its only
// button.
int unanswered(const MessageButtons& box) {
    if (box.escapeResult != 0) return box.escapeResult;
    return box.buttons.empty() ? 0 : box.buttons[size_t(box.defaultIndex)].result;
}

} // namespace

int ConsoleHost::message(const QString& text, const QString& caption, Icon, int buttons,
                         int defaultButton) {
    print(caption, text);
    return unanswered(buttonsFromBits(buttons, defaultButton));
}

int ConsoleHost::message(const QString& text, const QString& caption, Icon,
                         const QString& buttonNames, int defaultButton) {
    print(caption, text);
    return unanswered(buttonsFromNames(buttonNames, defaultButton));
}

// There are no buttons to press on a console.
QString ConsoleHost::shown(const QString& text) {
    static const QRegularExpression pressButton(QStringLiteral("\\s+Press OK\\b[^.]*\\.?$"));
    QString out = text;
    out.remove(pressButton);
    return out;
}

void ConsoleHost::endProgram(int exitCode, const QString& text) {
    print(QStringLiteral("Ended"), text);
    std::exit(exitCode == 0 ? EXIT_FAILURE : exitCode);
}
