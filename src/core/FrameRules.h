#pragma once

#include <QString>

// What the main frame shows and keeps that needs no window: the texts of its status bar
// and the per-user choices in the settings file.
namespace FrameRules {

// The day's name from the week list of nine-character slots, by the day number modulo 7
// (0 = Sunday), trailing blanks removed.
QString dayName(qint32 day);
// Status bar zones: 2 "User : " and the name; 3 the day name, ", " and the date in @D6;
// 4 the time in @T4.
QString userZone(const QString& userName);
QString dateZone(qint32 day);
QString timeZone(qint32 time);

// Docking sides of the toolbar window.
enum BarSide { BarLeft = 1, BarTop = 2, BarRight = 4, BarBottom = 8 };
// A stored docking side; anything but the four sides gives the top.
int barPosition(int stored);

// GLO:BarPosition, GLO:ToolbarShown and GLO:UseNotebook from the section of GLO:UserName,
// and GLO:BrowseColor from its `Color`. A missing value, or one that is not a number,
// gives the default (top, shown, notebook on, the default list colour); a stored 0 turns
// the toolbar or the notebook off.
void readUserChoices();
// GLO:BrowseColor alone, as a list reads it when it opens.
void readBrowseColour();
// GLO:BarPosition, GLO:ToolbarShown and GLO:UseNotebook into the section of GLO:UserName.
void writeUserChoices();
// The section of the logged-on user.
QString userSection();

inline constexpr qint32 DefaultBrowseColor = 12567173;
// The browse colour after the colour dialog was cancelled (blue 0xFF, green 0xFF, red 0x80).
inline constexpr qint32 CancelledBrowseColor = 0xFFFF80;

} // namespace FrameRules
