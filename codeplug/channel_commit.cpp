#include "codeplug/channel_commit.h"

#include "codeplug/channel_table.h"
#include "codeplug/frequency_text.h"
#include "i18n/stored_texts.h"

CommitError sendcell(ChannelTable& table, int column, int row, QChar separator) {
    const QString text = table.cell(column, row);
    const std::optional<QString> canonical = canonicalFrequency(text, separator);
    if (!canonical)
        return invalidFloatMessage(text);
    table.setCell(column, row, *canonical);
    return std::nullopt;
}

namespace {

bool isFrequencyColumn(int column) {
    return column == ChannelTable::Frequency1 || column == ChannelTable::Frequency2;
}

void fillNewChannelDefaults(ChannelTable& table, int row, const StoredTexts& words) {
    table.setCell(ChannelTable::Frequency2, row, table.cell(ChannelTable::Frequency1, row));
    table.setCell(ChannelTable::Tone1, row, words.OffWord);
    table.setCell(ChannelTable::Tone2, row, words.OffWord);
    table.setCell(ChannelTable::Power, row, words.HighWord);
    table.setCell(ChannelTable::SwitchA, row, words.OnWord);
    table.setCell(ChannelTable::SwitchB, row, words.OffWord);
}

} // namespace

CommitError sendallcell(ChannelTable& table, int column, int row, const StoredTexts& words,
                        QChar separator) {
    if (!ChannelTable::isChannelRow(row))
        return std::nullopt;
    if (table.channelExists(row) && table.cell(ChannelTable::Tone1, row).isEmpty()) {
        // A new channel. Its Frequency1 is what gets formatted, whichever cell of the
        // row was edited: formatting a tone or word cell could only fail, and would
        // leave the channel without its defaults.
        if (CommitError error = sendcell(table, ChannelTable::Frequency1, row, separator))
            return error;
        fillNewChannelDefaults(table, row, words);
        return std::nullopt;
    }
    if (!table.cell(column, row).isEmpty() && isFrequencyColumn(column))
        return sendcell(table, column, row, separator);
    if (!table.channelExists(row))
        table.clearRow(row);
    return std::nullopt;
}
