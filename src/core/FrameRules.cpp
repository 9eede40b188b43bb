#include "core/FrameRules.h"

#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/Pictures.h"

namespace {

// A number stored under `key`; `fallback` when it is missing or not a number.
int storedNumber(const SettingKey& key, int fallback) {
    bool ok = false;
    const int value = INIMgr()
                          .Fetch(FrameRules::userSection(), QString::fromUtf8(key.entry))
                          .trimmed()
                          .toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

QString FrameRules::dayName(qint32 day) {
    static const QString week =
        QStringLiteral("Sunday   Monday   Tuesday  WednesdayThursday Friday   Saturday ");
    const int slot = int(((day % 7) + 7) % 7);
    QString name = week.mid(slot * 9, 9);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

QString FrameRules::userZone(const QString& userName) {
    return QStringLiteral("User : ") + userName;
}

QString FrameRules::dateZone(qint32 day) {
    return dayName(day) + QStringLiteral(", ") + Pictures::format(day, QStringLiteral("@D6"));
}

QString FrameRules::timeZone(qint32 time) {
    return Pictures::format(time, QStringLiteral("@T4"));
}

int FrameRules::barPosition(int stored) {
    switch (stored) {
    case BarLeft:
    case BarTop:
    case BarRight:
    case BarBottom:
        return stored;
    default:
        return BarTop;
    }
}

QString FrameRules::userSection() {
    return GLO.UserName.str();
}

void FrameRules::readUserChoices() {
    GLO.BarPosition = barPosition(storedNumber(Settings::BarPosition, BarTop));
    GLO.ToolbarShown = storedNumber(Settings::Bar, 1) != 0 ? 1 : 0;
    GLO.UseNotebook = storedNumber(Settings::Viewer, 1) != 0 ? 1 : 0;
    readBrowseColour();
}

void FrameRules::readBrowseColour() {
    const int colour = storedNumber(Settings::Color, 0);
    GLO.BrowseColor = colour != 0 ? colour : DefaultBrowseColor;
}

void FrameRules::writeUserChoices() {
    IniManager& ini = INIMgr();
    const QString section = userSection();
    ini.Update(section, Settings::BarPosition, GLO.BarPosition);
    ini.Update(section, Settings::Bar, GLO.ToolbarShown);
    ini.Update(section, Settings::Viewer, GLO.UseNotebook);
}
