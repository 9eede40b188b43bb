#pragma once

// A settings entry declared once with its default, so that section and entry names are not
// spread over the code as literals:
//
//     constexpr SettingKey WallSel{nullptr, "WallSel", "lion.jpg"};
//     ini.Fetch(userName, WallSel);
//
// `section` is nullptr for entries whose section is given at the call, such as the
// per-user entries kept in a section named after the user.
struct SettingKey {
    const char* section;
    const char* entry;
    const char* fallback = "";
};
