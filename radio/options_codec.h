#pragma once

#include "codeplug/function_options.h"
#include "radio/codec_result.h"

#include <QChar>
#include <array>

// The function options block: byte 0 is 0xF8 + BatSave x 4 + PromptTone x 2 + AlarmKey,
// bytes 1, 3 and 5 hold the Squelch, TimeOut and Voice indexes, byte 6 is 0xFF when
// scanning is off (Scan index 1) and 0xFE when it is on.

// sendchan: the BatSave, PromptTone and AlarmKey indexes that the low digit of byte 0
// gives; a digit below 8 gives all three 0.
struct OptionBits {
    int BatSave;
    int PromptTone;
    int AlarmKey;
};
OptionBits sendchan(QChar lowDigit);

// All seven indexes from a read reply of the block. A short reply, or a Squelch,
// TimeOut or Voice digit that is not a decimal entry of its list, is an error.
CodecResult<FunctionOptions::Indexes> decodeOptions(const QString& reply);

// writexuan: the sixteen digits of the block. An index outside its list is an error.
CodecResult<QString> writexuan(const FunctionOptions::Indexes& indexes);
