#include "core/ListSettings.h"

#include "core/FrameRules.h"
#include "core/Globals.h"
#include "core/Process.h"
#include "core/SettingKeys.h"
#include "framework/browse/BrowseList.h"

void ListSettings::restoreFormat(BrowseList& list, const SettingKey& key, const char* format,
                                 const std::vector<int>& fields) {
    const QString kept = INIMgr().Fetch(FrameRules::userSection(), key);
    if (kept.isEmpty() || !list.setFormat(kept, fields))
        list.setFormat(QString::fromLatin1(format), fields);
}

void ListSettings::storeFormat(const BrowseList& list, const SettingKey& key) {
    INIMgr().Update(FrameRules::userSection(), key, list.format());
}

void ListSettings::paintStored(BrowseList& list) {
    GLO.BrowseColor = INIMgr().FetchNumber(FrameRules::userSection(), Settings::Color);
    if (GLO.BrowseColor == 0) GLO.BrowseColor = DefaultColour;
    list.setBackground(GLO.BrowseColor);
}

void ListSettings::paintCurrent(BrowseList& list) {
    list.setBackground(GLO.BrowseColor != 0 ? GLO.BrowseColor : DefaultColour);
}
