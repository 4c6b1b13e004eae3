#include "radio/band_codec.h"

#include "radio/hex_text.h"
#include "radio/memory_map_messages.h"

namespace {
constexpr int kNameLength = 10;

bool allDecimal(const QString& text) {
    for (QChar c : text) {
        if (decimalDigitValue(c) < 0)
            return false;
    }
    return true;
}

bool isBandName(const QString& band) {
    return band.size() == kNameLength && allDecimal(band.left(3)) &&
           band.at(3) == QLatin1Char('-') && allDecimal(band.mid(4, 3)) &&
           band.mid(7) == QLatin1String("MHz");
}

// One limit stored low byte first: "136" gives "6013".
QString storedLimit(const QString& mhz) {
    return mhz.mid(2, 1) + QLatin1Char('0') + mhz.left(2);
}

// The limit in MHz of the four reply digits from a position: "6013" gives "136".
QString limitOf(const QString& reply, int position) {
    return reply.mid(position + 1, 2) + reply.mid(position - 1, 1);
}
} // namespace

CodecResult<QString> encodeBand(const QString& band) {
    if (!isBandName(band))
        return CodecResult<QString>::failure(unsendableBandMessage(band));
    return CodecResult<QString>::success(storedLimit(band.left(3)) + storedLimit(band.mid(4, 3)) +
                                         QLatin1String("FFFFFFFF"));
}

CodecResult<QString> decodeBand(const QString& reply) {
    const QString lower = limitOf(reply, 9);
    const QString upper = limitOf(reply, 13);
    if (reply.size() < 16 || !allDecimal(lower) || !allDecimal(upper))
        return CodecResult<QString>::failure(unreadableReplyMessage(MapField::Band, reply));
    return CodecResult<QString>::success(lower + QLatin1Char('-') + upper + QLatin1String("MHz"));
}
