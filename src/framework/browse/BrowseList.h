#pragma once

#include "framework/browse/BrowseRow.h"
#include "framework/host/Host.h"
#include "framework/window/WindowEvent.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <QWidget>
#include <functional>

class QHeaderView;
class QScrollBar;

namespace BrowseKeys {
// A printable character typed in a list arrives as an alert key with this bit and the
// character's code.
constexpr int Character = 0x100000;
inline int character(char32_t c) {
    return Character | int(c);
}
} // namespace BrowseKeys

// The rows a list shows now; the browse keeps them, the model only shows them.
class BrowseModel : public QAbstractTableModel {
public:
    void setColumns(std::vector<BrowseColumn> columns);
    const std::vector<BrowseColumn>& columns() const { return columns_; }
    void setRows(const std::vector<BrowseRow>* rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The text a cell shows, through its column's picture.
    QString text(int row, int column) const;

private:
    std::vector<BrowseColumn> columns_;
    const std::vector<BrowseRow>* rows_ = nullptr;
};

// The list control of a browse: a table of the visible rows, with a thumb of its own
// (0 to 100) that stands for the place in the whole view. Every scroll, key and mouse
// action becomes an event of the window, for the browse to carry out. The header is a
// plain QHeaderView: its sections can be moved and resized, and others can add to it.
class BrowseList : public QWidget {
public:
    BrowseList(int control, std::function<void(const WindowEvent&)> post,
               QWidget* parent = nullptr);

    void setColumns(std::vector<BrowseColumn> columns);
    // Columns from a list format (ListFormat.h), its columns showing `fields` in turn; false,
    // and nothing changed, when the format does not have one column per field.
    bool setFormat(const QString& format, const std::vector<int>& fields);
    // The format last set, with the columns' widths as they are now.
    QString format() const;
    // Shows the rows with the current one (1-based; 0 none), without telling the window.
    void showRows(const std::vector<BrowseRow>& rows, int current);
    // Rows that fit the list's height.
    int visibleRows() const;
    int currentRow() const;
    void setThumb(int percent);
    int thumbPosition() const;
    void setBackground(Colour colour);

    QTableView& table() { return *table_; }
    QHeaderView& header();
    QScrollBar& thumb() { return *thumb_; }
    BrowseModel& model() { return model_; }
    int control() const { return control_; }

    // For the table (BrowseList.cpp).
    void post(EventKind kind, int keyCode = 0) { post_(controlEvent(kind, control_, keyCode)); }
    // The table changed its height: a change of the rows that fit is told to the window.
    void heightChanged();

private:
    int control_;
    QString format_;
    std::function<void(const WindowEvent&)> post_;
    BrowseModel model_;
    QTableView* table_;
    QScrollBar* thumb_;
    bool quiet_ = false; // the browse is changing the rows: no events
    int lastVisible_ = -1;
};
