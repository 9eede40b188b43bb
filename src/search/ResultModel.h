#pragma once

#include "search/ColumnFormat.h"
#include "search/ResultList.h"

#include <QAbstractTableModel>
#include <QColor>

// The results list as a table: every cell is made when it is shown, so that a list of
// half a million rows opens at once.
class ResultModel : public QAbstractTableModel {
public:
    explicit ResultModel(QObject* parent = nullptr);

    void setList(search::ResultList list);
    search::ResultList& list() { return list_; }
    void setColumns(std::vector<search::ColumnSpec> columns);
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
    std::vector<search::ColumnSpec> columns_;
    QColor background_;
};
