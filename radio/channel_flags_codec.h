#pragma once

#include "codeplug/channel_table.h"
#include "i18n/vocabulary.h"

#include <QChar>

// The channel flag byte (byte 4 of a channel's tone block): bit 3 high power, bit 1
// switch A on, bit 0 switch B off; bits 7..4 and 2 always set.

// The texts of the Power, SwitchA and SwitchB cells.
struct ChannelFlagTexts {
    QString Power;
    QString SwitchA;
    QString SwitchB;
};

// sendCan: the three cell texts that the low hex digit of the flag byte gives; a digit
// outside 4..7, C..F reads like 4.
ChannelFlagTexts sendCan(QChar lowDigit, const VocabularyWords& words);
// sendCan on the table: sets columns 5..7 of the row.
void sendCan(QChar lowDigit, int row, ChannelTable& table, const VocabularyWords& words);

// The two stored digits of the three cell texts: "FF" when all three are empty; else
// each cell counts as set exactly when it equals its word (HighWord, OnWord, OffWord).
QString encodeChannelFlags(const ChannelFlagTexts& cells, const VocabularyWords& words);
// writecan: encodeChannelFlags of columns 5..7 of a row of the table.
QString writecan(const ChannelTable& table, int row, const VocabularyWords& words);
