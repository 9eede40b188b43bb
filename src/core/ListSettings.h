#pragma once

#include "framework/SettingKey.h"
#include "framework/browse/ListFormat.h"

#include <QColor>

#include <vector>

class BrowseList;

// What a user keeps of a list in his own section of the settings: its column format and
// the colour lists are painted with.
namespace ListSettings {

// The list colour when the user has chosen none (blue 0xBF, green 0xC2, red 0x85).
inline constexpr int DefaultColour = 0xBFC285;

// The list's columns from the format kept under `key`, showing `fields` in turn; `format`
// when nothing is kept or what is kept does not fit the fields.
void restoreFormat(BrowseList& list, const SettingKey& key, const char* format,
                   const std::vector<int>& fields);
// The list's format, with the widths its columns have now, under `key`.
void storeFormat(const BrowseList& list, const SettingKey& key);

// The columns kept under `key`, or those of `format` when what is kept does not describe
// `count` columns; for lists that show their rows through a model of their own.
std::vector<ListFormat::Column> keptColumns(const SettingKey& key, const char* format,
                                            size_t count);
// What is kept under `key` (or `format` when it does not fit), with `widths` as its widths.
void storeWidths(const SettingKey& key, const char* format, const std::vector<int>& widths);

// GLO:BrowseColor from the user's `Color` (the default colour for none), as a colour to
// paint with.
QColor storedColour();
// GLO:BrowseColor from the user's `Color` (the default colour for none), the list painted
// with it.
void paintStored(BrowseList& list);
// The list painted with GLO:BrowseColor as it is now (after the frame's colour choice).
void paintCurrent(BrowseList& list);

} // namespace ListSettings
