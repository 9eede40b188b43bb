#pragma once

#include "framework/SettingKey.h"

// The entries in software.INI of scanning and of opening scanned files. Keys without a
// section live in the section named after the logged-on user.
namespace Settings {

inline constexpr SettingKey ScanDriveSel{"System", "ScanDriveSel", ""};
inline constexpr SettingKey ScanOptionSel{nullptr, "ScanOptionSel", "1"};
inline constexpr SettingKey TextContent{nullptr, "TextContent", "1"};
inline constexpr SettingKey RunProgram{nullptr, "RunProgram", ""};

} // namespace Settings
