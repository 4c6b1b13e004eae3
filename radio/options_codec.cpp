#include "radio/options_codec.h"

#include "radio/hex_text.h"
#include "radio/memory_map_messages.h"

namespace {
constexpr char kByte0LowDigits[] = "89ABCDEF";
constexpr int kScanOff = 1;

// Reply positions of the low digits of the bytes that hold one index each.
struct DigitField {
    int field;
    int position;
};
constexpr DigitField kDigitFields[] = {
    {FunctionOptions::Squelch, 12}, {FunctionOptions::TimeOut, 16}, {FunctionOptions::Voice, 20}};
constexpr int kByte0LowPosition = 10;
constexpr int kByte6Position = 21;

int entryCount(int field) {
    return int(FunctionOptions::designEntries(field).size());
}

bool inList(int field, int index) {
    return index >= 0 && index < entryCount(field);
}

int bitsIndex(QChar lowDigit) {
    for (int index = 0; index < 8; ++index) {
        if (lowDigit == QLatin1Char(kByte0LowDigits[index]))
            return index;
    }
    return 0;
}
} // namespace

OptionBits sendchan(QChar lowDigit) {
    const int index = bitsIndex(lowDigit);
    return {(index >> 2) & 1, (index >> 1) & 1, index & 1};
}

CodecResult<FunctionOptions::Indexes> decodeOptions(const QString& reply) {
    using Result = CodecResult<FunctionOptions::Indexes>;
    const Result unreadable = Result::failure(unreadableReplyMessage(MapField::Options, reply));
    if (reply.size() < kByte6Position + 1)
        return unreadable;
    FunctionOptions::Indexes indexes{};
    for (const DigitField& digit : kDigitFields) {
        indexes[digit.field] = decimalDigitValue(charAt(reply, digit.position));
        if (!inList(digit.field, indexes[digit.field]))
            return unreadable;
    }
    indexes[FunctionOptions::Scan] = reply.mid(kByte6Position - 1, 2) == QLatin1String("FF");
    const OptionBits bits = sendchan(charAt(reply, kByte0LowPosition));
    indexes[FunctionOptions::BatSave] = bits.BatSave;
    indexes[FunctionOptions::PromptTone] = bits.PromptTone;
    indexes[FunctionOptions::AlarmKey] = bits.AlarmKey;
    return Result::success(indexes);
}

CodecResult<QString> writexuan(const FunctionOptions::Indexes& indexes) {
    for (int field = 0; field < FunctionOptions::FieldCount; ++field) {
        // Byte 0 has one bit per on/off option and the other bytes one digit each.
        if (!inList(field, indexes[field]) || indexes[field] > 9)
            return CodecResult<QString>::failure(unsendableOptionMessage(field, indexes[field]));
    }
    const int bits = indexes[FunctionOptions::BatSave] * 4 +
                     indexes[FunctionOptions::PromptTone] * 2 + indexes[FunctionOptions::AlarmKey];
    QString block = hexByte(0xF8 + bits);
    block += QLatin1Char('0') + QString::number(indexes[FunctionOptions::Squelch]);
    block += QLatin1String("FF0") + QString::number(indexes[FunctionOptions::TimeOut]);
    block += QLatin1String("FF0") + QString::number(indexes[FunctionOptions::Voice]);
    block += QLatin1String(indexes[FunctionOptions::Scan] == kScanOff ? "FFFF" : "FEFF");
    return CodecResult<QString>::success(block);
}
