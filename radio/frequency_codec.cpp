#include "radio/frequency_codec.h"

#include "radio/channel_cell_error.h"
#include "radio/hex_text.h"
#include "radio/memory_map_messages.h"

#include <array>

namespace {
constexpr int kDigitCount = 8;
constexpr int kCellLength = 9;
constexpr int kSeparatorIndex = 3;
const QString kErased = QStringLiteral("FFFFFFFF");

bool allDecimal(const QString& digits) {
    for (QChar c : digits) {
        if (decimalDigitValue(c) < 0)
            return false;
    }
    return true;
}
} // namespace

CodecResult<QString> sendfre(const QString& reply, int position, QChar separator) {
    // Bytes 3, 2, 1, 0 of the field, most significant digits first.
    const int start = position - 6;
    if (start < 1 || reply.size() < position + 1)
        return CodecResult<QString>::failure(unreadableReplyMessage(MapField::Frequency, reply));
    QString digits;
    for (int byteStart : {position, position - 2, position - 4, position - 6})
        digits += reply.mid(byteStart - 1, 2);
    if (digits == kErased)
        return CodecResult<QString>::success(QString());
    if (!allDecimal(digits))
        return CodecResult<QString>::failure(unreadableReplyMessage(MapField::Frequency, reply));
    return CodecResult<QString>::success(digits.left(3) + separator + digits.mid(3));
}

std::optional<QString> encodeFrequency(const QString& cell) {
    if (cell.isEmpty())
        return kErased;
    if (cell.size() != kCellLength)
        return std::nullopt;
    const QString digits = cell.left(kSeparatorIndex) + cell.mid(kSeparatorIndex + 1);
    if (!allDecimal(digits))
        return std::nullopt;
    QString stored;
    for (int pair = kDigitCount - 2; pair >= 0; pair -= 2)
        stored += digits.mid(pair, 2);
    return stored;
}

CodecResult<QString> WriteFre(const ChannelTable& table, int column, int row) {
    if (const auto stored = encodeFrequency(table.cell(column, row)))
        return CodecResult<QString>::success(*stored);
    return unsendableCell<QString>(table, column, row);
}
