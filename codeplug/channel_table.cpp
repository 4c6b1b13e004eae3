#include "codeplug/channel_table.h"

ChannelTable::ChannelTable(QObject* parent) : QObject(parent) {
    for (int row = 1; row <= ChannelCount; ++row)
        cells_[row][Number] = QString::number(row).rightJustified(2, QLatin1Char('0'));
}

QString ChannelTable::cell(int column, int row) const {
    if (column < 0 || column >= ColumnCount || row < 0 || row >= RowCount)
        return QString();
    return cells_[row][column];
}

void ChannelTable::setCell(int column, int row, const QString& text) {
    const bool heading = row == 0 && column >= 0 && column < ColumnCount;
    const bool value = isChannelRow(row) && isValueColumn(column);
    if (!heading && !value)
        return;
    if (cells_[row][column] == text)
        return;
    cells_[row][column] = text;
    emit cellChanged(column, row);
}

void ChannelTable::clearChannels() {
    // Column by column, each from row 1 to row 16.
    for (int column = Frequency1; column < ColumnCount; ++column)
        for (int row = 1; row <= ChannelCount; ++row)
            setCell(column, row, QString());
}

void ChannelTable::clearRow(int row) {
    for (int column = Frequency1; column < ColumnCount; ++column)
        setCell(column, row, QString());
}
