#pragma once

#include "core/Globals.h"
#include "framework/browse/ListFormat.h"

#include <QAbstractTableModel>
#include <QColor>

// ScanFileQueue as the scan results list shows it: file name, attribute, Kb, date, time.
// The rows are the queue's own; after the queue changed, `reload` shows it again.
class ScanFileModel : public QAbstractTableModel {
public:
    static const char* const Format;

    explicit ScanFileModel(std::vector<ScanFileEntry>& rows, QObject* parent = nullptr);

    void reload();
    void setColumns(std::vector<ListFormat::Column> columns);
    const std::vector<ListFormat::Column>& columns() const { return columns_; }
    void setBackground(const QColor& colour);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString cell(int row, int column) const;

private:
    std::vector<ScanFileEntry>& rows_;
    std::vector<ListFormat::Column> columns_;
    QColor background_;
};
