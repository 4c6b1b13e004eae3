#pragma once

#include "codeplug/channel_table.h"
#include "radio/codec_result.h"

#include <QChar>
#include <optional>

// Frequencies in the radio: eight decimal digits in units of 10 Hz, packed two to a
// byte, least significant byte first (145.00000 MHz is 00 00 50 14). All FF is erased.

// Position of the first digit of byte 3 of each frequency field in a read reply.
constexpr int Frequency1ReplyPosition = 15;
constexpr int Frequency2ReplyPosition = 23;

// sendfre: the cell text of the frequency field whose byte 3 starts at the given
// position of a read reply: nine characters with the given decimal separator, or the
// empty text for an erased field. A short reply or a non-decimal digit is an error.
CodecResult<QString> sendfre(const QString& reply, int position, QChar separator);

// The eight stored digits of a frequency cell ("FFFFFFFF" for an empty cell); nothing
// for a text that is not three digits, a separator and five digits.
std::optional<QString> encodeFrequency(const QString& cell);

// WriteFre: encodeFrequency of a cell of the table, or an error naming the cell.
CodecResult<QString> WriteFre(const ChannelTable& table, int column, int row);
