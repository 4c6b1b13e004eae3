#pragma once

#include "codeplug/channel_table.h"
#include "i18n/vocabulary.h"
#include "radio/codec_result.h"

#include <optional>

// Squelch tones in the radio: a 16-bit value stored low byte first. CTCSS tones are
// four BCD digits of the tone in 0.1 Hz ("131.8" is 0x1318), DCS codes are 0x8000
// (normal) or 0xC000 (inverted) plus the three octal digits, and 0xFFFF is no tone.

// sendCTC: the cell text of a tone field given as its four hex digits in stored order
// (low byte first). A value whose first digit is none of 0, 1, 2, 8, C, F reads like a
// tone below 100 Hz. A field of other than four digits, or a letter where the tone or
// code has a digit, is an error.
CodecResult<QString> sendCTC(const QString& storedDigits, const QString& offWord);

// The four stored digits of a tone cell: "FFFF" for an empty cell or the off word;
// nothing for a text that is no tone ("67.0", "131.8", "D023N", "D754I").
std::optional<QString> encodeTone(const QString& cell, const QString& offWord);

// writeCTC: encodeTone of a cell of the table, or an error naming the cell.
CodecResult<QString> writeCTC(const ChannelTable& table, int column, int row,
                              const VocabularyWords& words);
