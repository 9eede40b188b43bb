#include "core/ListSettings.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/browse/BrowseList.h"
#include "framework/host/HostColour.h"

void ListSettings::restoreFormat(BrowseList& list, const SettingKey& key, const char* format,
                                 const std::vector<int>& fields) {
    const QString kept = INIMgr().Fetch(FrameRules::userSection(), key);
    if (kept.isEmpty() || !list.setFormat(kept, fields))
        list.setFormat(QString::fromLatin1(format), fields);
}

void ListSettings::storeFormat(const BrowseList& list, const SettingKey& key) {
    INIMgr().Update(FrameRules::userSection(), key, list.format());
}

std::vector<ListFormat::Column> ListSettings::keptColumns(const SettingKey& key, const char* format,
                                                          size_t count) {
    std::vector<ListFormat::Column> columns =
        ListFormat::parse(INIMgr().Fetch(FrameRules::userSection(), key));
    if (columns.size() != count) columns = ListFormat::parse(QString::fromLatin1(format));
    return columns;
}

void ListSettings::storeWidths(const SettingKey& key, const char* format,
                               const std::vector<int>& widths) {
    const QString kept = INIMgr().Fetch(FrameRules::userSection(), key);
    const QString base =
        ListFormat::parse(kept).size() == widths.size() ? kept : QString::fromLatin1(format);
    INIMgr().Update(FrameRules::userSection(), key, ListFormat::withWidths(base, widths));
}

QColor ListSettings::storedColour() {
    GLO.BrowseColor = INIMgr().FetchNumber(FrameRules::userSection(), Settings::Color);
    if (GLO.BrowseColor == 0) GLO.BrowseColor = DefaultColour;
    return toQColor(GLO.BrowseColor);
}

void ListSettings::paintStored(BrowseList& list) {
    storedColour();
    list.setBackground(GLO.BrowseColor);
}

void ListSettings::paintCurrent(BrowseList& list) {
    list.setBackground(GLO.BrowseColor != 0 ? GLO.BrowseColor : DefaultColour);
}
