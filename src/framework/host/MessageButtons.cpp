#include "framework/host/MessageButtons.h"

#include "framework/host/Host.h"

#include <QStringList>
#include <array>

namespace {

struct Standard {
    int bit;
    const char* label;
};

constexpr std::array<Standard, 7> standardButtons{{
    {ButtonOk, "&OK"},
    {ButtonYes, "&Yes"},
    {ButtonNo, "&No"},
    {ButtonAbort, "&Abort"},
    {ButtonRetry, "&Retry"},
    {ButtonIgnore, "&Ignore"},
    {ButtonCancel, "&Cancel"},
}};

QString plain(QString label) {
    return label.remove(u'&').trimmed();
}

} // namespace

MessageButtons buttonsFromBits(int bits, int defaultBit) {
    MessageButtons box;
    for (const Standard& s : standardButtons) {
        if (bits & s.bit) box.buttons.push_back({QString::fromLatin1(s.label), s.bit});
    }
    if (box.buttons.empty()) box.buttons.push_back({QStringLiteral("&OK"), ButtonOk});
    const int present = bits ? bits : int(ButtonOk);
    for (size_t i = 0; i < box.buttons.size(); ++i) {
        if (box.buttons[i].result == defaultBit) box.defaultIndex = int(i);
    }
    for (int bit : {int(ButtonCancel), int(ButtonNo), int(ButtonAbort)}) {
        if (present & bit) {
            box.escapeResult = bit;
            return box;
        }
    }
    if (box.buttons.size() == 1 && box.buttons[0].result == ButtonOk) box.escapeResult = ButtonOk;
    return box;
}

MessageButtons buttonsFromNames(const QString& names, int defaultPosition) {
    MessageButtons box;
    const QStringList labels =
        names.isEmpty() ? QStringList{QStringLiteral("&OK")} : names.split(u'|');
    for (qsizetype i = 0; i < labels.size(); ++i)
        box.buttons.push_back({labels[i], int(i) + 1});
    if (defaultPosition >= 1 && defaultPosition <= int(box.buttons.size()))
        box.defaultIndex = defaultPosition - 1;
    for (const char* name : {"Cancel", "No"}) {
        for (const MessageButton& b : box.buttons) {
            if (plain(b.label).compare(QLatin1String(name), Qt::CaseInsensitive) == 0) {
                box.escapeResult = b.result;
                return box;
            }
        }
    }
    if (box.buttons.size() == 1) box.escapeResult = 1;
    return box;
}
