#pragma once

#include "framework/browse/ListFormat.h"
#include "search/ResultList.h"

#include <QAbstractTableModel>
#include <QColor>

namespace search {
// The results list's format as it comes.
extern const char* const ResultsFormat;
} // namespace search

// The results list as a table: every cell is made when it is shown, so that a list of
// half a million rows opens at once.
class ResultModel : public QAbstractTableModel {
public:
    explicit ResultModel(QObject* parent = nullptr);

    void setList(search::ResultList list);
    search::ResultList& list() { return list_; }
    void setColumns(std::vector<ListFormat::Column> columns);
    void setBackground(const QColor& colour);
    // Sorts the rows, keeping the list's row objects.
    void sort(const std::vector<search::ResultList::Key>& keys);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString cell(int row, search::ResultColumn column) const;

private:
    search::ResultList list_;
    std::vector<ListFormat::Column> columns_;
    QColor background_;
};
