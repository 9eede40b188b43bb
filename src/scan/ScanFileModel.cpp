#include "scan/ScanFileModel.h"

#include "framework/Pictures.h"
#include "scan/ScanRows.h"

const char* const ScanFileModel::Format =
    "60L(1)|M~File Name~@s255@?35L(1)|M~Attribute~@s10@35R(1)|M~Kb~@N_8.1B@"
    "47R(1)|M~Date~L(0)@D6B@47L(1)|M~Time~@T4B@";

ScanFileModel::ScanFileModel(std::vector<ScanFileEntry>& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {
    columns_ = ListFormat::parse(QString::fromLatin1(Format));
}

void ScanFileModel::reload() {
    beginResetModel();
    endResetModel();
}

void ScanFileModel::setColumns(std::vector<ListFormat::Column> columns) {
    if (columns.size() != size_t(ScanRows::Columns)) return;
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void ScanFileModel::setBackground(const QColor& colour) {
    background_ = colour;
    if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int ScanFileModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ScanFileModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ScanRows::Columns;
}

QString ScanFileModel::cell(int row, int column) const {
    const ScanFileEntry& r = rows_[size_t(row)];
    const QString picture = QLatin1Char('@') + columns_[size_t(column)].picture;
    switch (ScanRows::Column(column)) {
    case ScanRows::Column::FileName:
        return r.SCANFILENAME.str();
    case ScanRows::Column::Attribute:
        return r.ATTRIB.str();
    case ScanRows::Column::Kb:
        return Pictures::format(r.SIZE, picture, 1);
    case ScanRows::Column::Date:
        return Pictures::format(r.DATE, picture);
    case ScanRows::Column::Time:
        return Pictures::format(r.TIME, picture);
    }
    return {};
}

QVariant ScanFileModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= rows_.size()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int((columns_[size_t(index.column())].right() ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return background_.isValid() ? QVariant(background_) : QVariant();
    default:
        return {};
    }
}

QVariant ScanFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ScanRows::Columns) return {};
    if (role == Qt::DisplayRole) return columns_[size_t(section)].heading;
    if (role == Qt::TextAlignmentRole) {
        const ListFormat::Justify j = columns_[size_t(section)].headingJustify;
        return int((j == ListFormat::Justify::Right    ? Qt::AlignRight
                    : j == ListFormat::Justify::Centre ? Qt::AlignHCenter
                                                       : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    }
    return {};
}
