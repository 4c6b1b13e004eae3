#pragma once

#include "codeplug/channel_table.h"
#include "radio/codec_result.h"

// The encode error for a cell of the channel table, naming its channel and the
// column heading the user sees.
template <typename T> CodecResult<T> unsendableCell(const ChannelTable& table, int column, int row);

QString unsendableCellText(const ChannelTable& table, int column, int row);

template <typename T>
CodecResult<T> unsendableCell(const ChannelTable& table, int column, int row) {
    return CodecResult<T>::failure(unsendableCellText(table, column, row));
}
