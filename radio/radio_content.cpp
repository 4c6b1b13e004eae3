#include "radio/radio_content.h"

#include "codeplug/codeplug.h"

void applyRadioContent(const RadioContent& content, Codeplug& codeplug) {
    codeplug.bands.SelectOrAddBand(content.band);
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row) {
        const ChannelRowTexts& cells = content.channels[row - 1];
        for (int column = 1; column < ChannelTable::ColumnCount; ++column)
            codeplug.channels.setCell(column, row, cells[column - 1]);
    }
    codeplug.options.setIndexes(content.options);
}
