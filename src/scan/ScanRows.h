#pragma once

#include "core/Globals.h"

#include <QString>

// What the scan results window reads from the rows of ScanFileQueue: the action a row
// offers, the popup menu, the title, and the orders of the list.
namespace ScanRows {

bool isDirectory(const ScanFileEntry& row);

// The action beside "Add &Selected": reading, starting, running or viewing a file by its
// extension (the three characters after the first "." of the name, path included), or
// exploring a directory.
enum class Action { None, Read, Start, Run, View, Explore };
Action actionOf(const ScanFileEntry& row);
// The button's text; empty when it is hidden.
QString buttonText(Action action);

// How a file is opened: in the text viewer, in the picture window, or by the shell.
enum class Opening { TextViewer, Picture, Shell };
Opening openingOf(const QString& name);

// The popup menu of the list, by the selected row's action, whether the list is empty and
// whether there is a directory to go back to.
QString popupItems(Action action, bool listEmpty, bool historyEmpty);
enum class Command {
    None,
    Back,
    Read,
    Start,
    Run,
    View,
    Explore,
    AddSelected,
    AddAll,
    Print,
    Help,
    Close
};
// The command of the `chosen` item (counted from 1, separators left out).
Command popupCommand(const QString& items, int chosen);

// "Scanning CDNr 12 -- Dir : D:\TOOLS\ -- 34 records"; the number only when one is settled
// (the disk number before the CD number).
QString title(const QString& kindLabel, quint16 cdNr, quint16 diskNr, const QString& drive,
              const QString& path, int remaining);

// The orders of the list. A header click sorts by its column in the direction of the
// column's toggle (which starts at descending), then by fixed further keys.
enum class Column { FileName, Attribute, Kb, Date, Time };
inline constexpr int Columns = 5;
struct Sort {
    Column column = Column::FileName;
    bool descending = true;
};
void sortByHeader(std::vector<ScanFileEntry>& rows, Sort sort);
// The order of a new scan: attribute, name and size, all ascending.
void sortForScan(std::vector<ScanFileEntry>& rows);
// Attribute ascending, the rows of one attribute kept in their order.
void sortByAttribute(std::vector<ScanFileEntry>& rows);

} // namespace ScanRows
