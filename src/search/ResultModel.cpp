#include "search/ResultModel.h"

#include "framework/Pictures.h"

namespace search {
const char* const ResultsFormat =
    "29R(1)|M~Nr~L@N_6@30R(1)|M~CD Nr.~L@N_6B@22R(1)|M~Disk Nr.~L@N_6B@66L(1)|M~Name~@s35@"
    "100L(1)|M~File Name~@s255@?48R(1)|M~Date~L@D6B@35R(1)|M~Time~L@T4B@75L(1)|M~Producer~"
    "@s30@160L(1)|M~Remarks~@s40@";
} // namespace search

using search::ResultColumn;
using search::ResultList;

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {
    columns_ = ListFormat::parse(QString::fromLatin1(search::ResultsFormat));
}

void ResultModel::setList(ResultList list) {
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

void ResultModel::setColumns(std::vector<ListFormat::Column> columns) {
    if (columns.size() != size_t(search::ResultColumns)) return;
    beginResetModel();
    columns_ = std::move(columns);
    endResetModel();
}

void ResultModel::setBackground(const QColor& colour) {
    background_ = colour;
    if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void ResultModel::sort(const std::vector<ResultList::Key>& keys) {
    Q_EMIT layoutAboutToBeChanged();
    list_.sort(keys);
    Q_EMIT layoutChanged();
}

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(list_.records());
}

int ResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : search::ResultColumns;
}

QString ResultModel::cell(int row, ResultColumn column) const {
    const ResultList::Row& r = list_.row(size_t(row));
    const QString& picture = columns_[size_t(column)].picture;
    switch (column) {
    case ResultColumn::Nr:
        return Pictures::format(r.nr, picture);
    case ResultColumn::CdNr:
        return Pictures::format(r.cdNr, picture);
    case ResultColumn::DiskNr:
        return Pictures::format(r.diskNr, picture);
    case ResultColumn::Name:
        return list_.text(size_t(row), ResultList::Name);
    case ResultColumn::FileName:
        return list_.text(size_t(row), ResultList::File);
    case ResultColumn::Date:
        return Pictures::format(r.date, picture);
    case ResultColumn::Time:
        return Pictures::format(r.time, picture);
    case ResultColumn::Producer:
        return list_.text(size_t(row), ResultList::Producer);
    case ResultColumn::Remarks:
        return list_.text(size_t(row), ResultList::Remarks);
    }
    return {};
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || size_t(index.row()) >= list_.records()) return {};
    switch (role) {
    case Qt::DisplayRole:
        return cell(index.row(), ResultColumn(index.column()));
    case Qt::TextAlignmentRole:
        return int((columns_[size_t(index.column())].right() ? Qt::AlignRight : Qt::AlignLeft) |
                   Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return background_.isValid() ? QVariant(background_) : QVariant();
    default:
        return {};
    }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= search::ResultColumns) return {};
    if (role == Qt::DisplayRole) return columns_[size_t(section)].heading;
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
