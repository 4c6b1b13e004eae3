#include "radio/channel_flags_codec.h"

#include <array>

namespace {
// Index 4 x high power + 2 x switch A on + switch B off, and the flag byte it gives.
constexpr std::array<const char*, 8> kFlagBytes = {"F4", "F5", "F6", "F7", "FC", "FD", "FE", "FF"};
constexpr char kLowDigits[] = "4567CDEF";

int flagIndex(QChar lowDigit) {
    for (int index = 0; index < 8; ++index) {
        if (lowDigit == QLatin1Char(kLowDigits[index]))
            return index;
    }
    return 0;
}
} // namespace

ChannelFlagTexts sendCan(QChar lowDigit, const VocabularyWords& words) {
    const int index = flagIndex(lowDigit);
    return {index & 4 ? words.HighWord : words.LowWord, index & 2 ? words.OnWord : words.OffWord,
            index & 1 ? words.OffWord : words.OnWord};
}

void sendCan(QChar lowDigit, int row, ChannelTable& table, const VocabularyWords& words) {
    const ChannelFlagTexts texts = sendCan(lowDigit, words);
    table.setCell(ChannelTable::Power, row, texts.Power);
    table.setCell(ChannelTable::SwitchA, row, texts.SwitchA);
    table.setCell(ChannelTable::SwitchB, row, texts.SwitchB);
}

QString encodeChannelFlags(const ChannelFlagTexts& cells, const VocabularyWords& words) {
    if ((cells.Power + cells.SwitchA + cells.SwitchB).isEmpty())
        return QStringLiteral("FF");
    const int index = 4 * (cells.Power == words.HighWord) + 2 * (cells.SwitchA == words.OnWord) +
                      (cells.SwitchB == words.OffWord);
    return QLatin1String(kFlagBytes[index]);
}

QString writecan(const ChannelTable& table, int row, const VocabularyWords& words) {
    return encodeChannelFlags({table.cell(ChannelTable::Power, row),
                               table.cell(ChannelTable::SwitchA, row),
                               table.cell(ChannelTable::SwitchB, row)},
                              words);
}
