#include "radio/channel_cell_error.h"

#include "radio/memory_map_messages.h"

QString unsendableCellText(const ChannelTable& table, int column, int row) {
    QString name = table.cell(column, 0);
    if (name.isEmpty())
        name = columnFallbackName(column);
    return unsendableCellMessage(row, name, table.cell(column, row));
}
