#pragma once

#include <QAbstractTableModel>

class ChannelTable;

// Shows the ChannelTable in a grid: all 17 rows and 8 columns, the heading row and the
// channel-number column as fixed cells. The grid never owns the data.
class ChannelGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ChannelGridModel(ChannelTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static bool isFixed(const QModelIndex& index) {
        return index.row() == 0 || index.column() == 0;
    }

private:
    ChannelTable& table_;
};
