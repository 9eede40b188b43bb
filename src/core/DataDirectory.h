#pragma once

#include <QString>

// Where the program keeps its catalogue. Started in a directory that holds data files it
// works there, as always; started from the desktop's menu in a directory without them, it
// works in the user's own catalogue under the XDG data home.
namespace DataDirectory {

// The option of the desktop entry's command line that says the menu started the program.
inline constexpr const char* MenuOption = "--desktop";

struct Choice {
    QString path;
    bool userCatalogue = false; // the user's catalogue under the data home
    bool madeNow = false;       // its directory did not exist and was made for this start
};

// Any of the data files or the settings file in `directory`.
bool holdsDataFiles(const QString& directory);
// "$XDG_DATA_HOME/Wareloft" ("~/.local/share/Wareloft" by default).
QString userCatalogue();
// The directory to work in. The user's catalogue is made (readable by its owner only) when
// it is missing; nothing else is made.
Choice choose(bool startedFromMenu, const QString& current);

} // namespace DataDirectory
