#include "ConversionListModel.h"

#include <QCoreApplication>

ConversionListModel::ConversionListModel(QObject* parent) : QAbstractTableModel(parent) {}

void ConversionListModel::append(ConversionRow row) {
    beginInsertRows({}, list_.size(), list_.size());
    list_.append(std::move(row));
    endInsertRows();
}

void ConversionListModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    list_.removeAt(row);
    endRemoveRows();
}

void ConversionListModel::clear() {
    beginResetModel();
    list_.clear();
    endResetModel();
}

int ConversionListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.size();
}

int ConversionListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ConversionListModel::text(int row, int column) const {
    const ConversionRow& entry = list_.at(row);
    switch (column) {
    case Number:
        return entry.number;
    case FileName:
        return entry.fileName;
    case Size:
        return entry.size;
    case Time:
        return entry.time;
    case Format:
        return entry.format;
    default:
        return entry.fullName;
    }
}

QVariant ConversionListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.size())
        return {};
    // Screen readers read the same texts the rows show.
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
        return text(index.row(), index.column());
    if (role == Qt::CheckStateRole && index.column() == Number)
        return list_.at(index.row()).checked ? Qt::Checked : Qt::Unchecked;
    return {};
}

bool ConversionListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != Number || index.row() >= list_.size())
        return false;
    list_.at(index.row()).checked = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags ConversionListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Number)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

QVariant ConversionListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles{QString(),
                                    QCoreApplication::translate("List", "File Name"),
                                    QCoreApplication::translate("List", "Size"),
                                    QCoreApplication::translate("List", "Time"),
                                    QCoreApplication::translate("List", "Format"),
                                    QCoreApplication::translate("List", "Full Name")};
    return titles.value(section);
}
