#pragma once

#include "framework/browse/BrowseRow.h"

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class BrowseList;
class BrowseManager;
class IniManager;

// What a list's header offers: a click on a column sorts the list by it (a second click
// reverses, "Clear sort" gives the list its own order back), a right click opens a menu to
// sort, to show or hide columns and to export the list, columns are dragged to another place
// and resized (it belongs to its window, not to the list). The layout (places, widths, hidden
// columns and the sort) is kept in a settings section of the list's own: restored when attached,
// saved by Save().
//
// Settings kept: "ColumnOrder" (column numbers from 0 as shown, left to right), "ColumnWidths"
// (quarters of an average character, by column number; not kept for a list whose column
// format keeps them already), "HiddenColumns", "SortColumn" (column number + 1; 0 none) and
// "SortDescending".
class ColumnExplorer : public QObject {
public:
    enum class Widths { Kept, KeptByFormat };
    ColumnExplorer(BrowseList& list, BrowseManager& browse, IniManager& settings, QString section,
                   Widths widths = Widths::Kept);

    void Restore();
    void Save() const;

    // Sorts by a column (a number of the list's columns, from 0); -1 clears the sort.
    void SortBy(int column, bool descending = false);
    void ClearSort() { SortBy(-1); }
    int SortColumn() const { return sortColumn_; }
    bool Descending() const { return descending_; }
    // The sort a click on a column's header gives: the column rising, or the other way
    // round when it is the column sorted by now.
    void HeaderClicked(int column);

    // A column hidden or shown again; the last column shown stays.
    void SetHidden(int column, bool hidden);
    bool IsHidden(int column) const;

    // The header's menu for a column (-1 outside any): the item chosen is carried out.
    void ShowMenu(int column);
    // The menu's text for a column, as the host shows it.
    QString MenuText(int column) const;

    // The columns shown, left to right, as an export writes them.
    std::vector<BrowseColumn> ShownColumns() const;
    // "Export list...": asks for a file (CSV, or HTML for .htm/.html) and writes the whole
    // view to it with a progress window that can cancel. True when the file was written.
    bool ExportList();
    // Writes the whole view to `path` with the progress window.
    bool ExportTo(const QString& path);

    // Called after the sort changed (the window may redisplay, recount ...).
    std::function<void()> Changed;
    // The caption of an HTML export.
    QString Title;

private:
    void applySort();

    BrowseList& list_;
    BrowseManager& browse_;
    IniManager& settings_;
    QString section_;
    Widths widths_;
    int sortColumn_ = -1;
    bool descending_ = false;
};
