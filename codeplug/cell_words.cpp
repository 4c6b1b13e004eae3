#include "codeplug/cell_words.h"

#include "codeplug/channel_table.h"
#include "i18n/vocabulary.h"

namespace {

constexpr int kWordColumns[] = {ChannelTable::Tone1, ChannelTable::Tone2, ChannelTable::Power,
                                ChannelTable::SwitchA, ChannelTable::SwitchB};

} // namespace

QString carryCellWord(int column, const QString& text, const VocabularyWords& to) {
    switch (column) {
    case ChannelTable::Tone1:
    case ChannelTable::Tone2:
        return carryWord(text, {&VocabularyWords::OffWord}, to);
    case ChannelTable::Power:
        return carryWord(text, {&VocabularyWords::HighWord, &VocabularyWords::LowWord}, to);
    case ChannelTable::SwitchA:
    case ChannelTable::SwitchB:
        return carryWord(text, {&VocabularyWords::OffWord, &VocabularyWords::OnWord}, to);
    default:
        return text;
    }
}

void translateCells(ChannelTable& table, const VocabularyWords& to) {
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row)
        for (int column : kWordColumns)
            table.setCell(column, row, carryCellWord(column, table.cell(column, row), to));
}
