#include "core/Notices.h"

#include "framework/host/Host.h"

void Notices::notice(const QString& text, const QString& caption) {
    Host::instance().message(text, caption, Icon::Information, ButtonOk, ButtonOk);
}

bool Notices::ask(const QString& text, bool defaultYes, const QString& caption) {
    return Host::instance().message(text, caption, Icon::Exclamation, QStringLiteral("&Yes|&No"),
                                    defaultYes ? 1 : 2) == 1;
}
