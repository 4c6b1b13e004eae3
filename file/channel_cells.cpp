#include "file/channel_cells.h"

#include "codeplug/cell_words.h"
#include "codeplug/channel_table.h"
#include "i18n/vocabulary.h"

ChannelCells cellsOf(const ChannelTable& table) {
    ChannelCells cells;
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row)
        for (int column = 1; column <= ChannelCells::ValueCount; ++column)
            cells.rows[row - 1][column - 1] = table.cell(column, row);
    return cells;
}

ChannelCells carryWords(ChannelCells cells, const VocabularyWords& to) {
    for (ChannelCells::Row& row : cells.rows) {
        for (int column = 1; column <= ChannelCells::ValueCount; ++column)
            row[column - 1] = carryCellWord(column, row[column - 1], to);
    }
    return cells;
}

void applyCells(const ChannelCells& cells, ChannelTable& table) {
    table.clearChannels();
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row)
        for (int column = 1; column <= ChannelCells::ValueCount; ++column)
            table.setCell(column, row, cells.rows[row - 1][column - 1]);
}
