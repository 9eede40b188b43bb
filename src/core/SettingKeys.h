#pragma once

#include "framework/SettingKey.h"

// The application's entries in software.INI. Keys without a section live in the section
// named after the logged-on user.
namespace Settings {

inline constexpr SettingKey Organization{"Registration", "Organization", ""};
inline constexpr SettingKey LastLogon{"Registration", "LastLogon", "System"};
inline constexpr SettingKey DriveConfig{"StartUp", "DriveConfig", "0"};
// The drive rows last chosen for a new CD and a new disk in the archive record form.
inline constexpr SettingKey CDDrive{"System", "CDDrive", ""};
inline constexpr SettingKey FDDrive{"System", "FDDrive", ""};

inline constexpr SettingKey BarPosition{nullptr, "BarPosition", "2"};
inline constexpr SettingKey Bar{nullptr, "Bar", "1"};
inline constexpr SettingKey Viewer{nullptr, "Viewer", "1"};
inline constexpr SettingKey WallSel{nullptr, "WallSel", "lion.jpg"};
inline constexpr SettingKey Color{nullptr, "Color", "0"};
inline constexpr SettingKey SearchOption{nullptr, "SearchOption", "0"};
inline constexpr SettingKey SearchBrowse{nullptr, "SearchBrowse", ""};
inline constexpr SettingKey ProducerBrowse{nullptr, "ProducerBrowse", ""};
// Column formats of the users list and the logbook list, kept by the lists.
inline constexpr SettingKey UserBrowse{nullptr, "UserBrowse", ""};
inline constexpr SettingKey LoginBrowse{nullptr, "LoginBrowse", ""};

} // namespace Settings
