#include "codeplug/channel_grid_model.h"

#include "codeplug/channel_table.h"

#include <QApplication>
#include <QPalette>

ChannelGridModel::ChannelGridModel(ChannelTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    connect(&table_, &ChannelTable::cellChanged, this, [this](int column, int row) {
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    });
}

int ChannelGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ChannelTable::RowCount;
}

int ChannelGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ChannelTable::ColumnCount;
}

QVariant ChannelGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return table_.cell(index.column(), index.row());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (isFixed(index))
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags ChannelGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || isFixed(index))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
