#include "radio/calibration_codec.h"

#include "radio/hex_text.h"
#include "radio/memory_map_messages.h"

namespace {
constexpr int kLevelCount = 3;

bool isPower(int value) {
    return value >= 0 && value <= 255;
}

bool isValid(const Calibration& values) {
    return isPower(values.highPower) && isPower(values.lowPower) && values.lowVoltage >= 0 &&
           values.lowVoltage < kLevelCount;
}

// The value of the reply's byte whose high digit is at the position, or -1.
int byteAt(const QString& reply, int position) {
    const int high = hexDigitValue(charAt(reply, position));
    const int low = hexDigitValue(charAt(reply, position + 1));
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}
} // namespace

CodecResult<Calibration> decodeCalibration(const QString& reply) {
    const Calibration values{byteAt(reply, 9), byteAt(reply, 11),
                             decimalDigitValue(charAt(reply, 14))};
    if (!isValid(values))
        return CodecResult<Calibration>::failure(
            unreadableReplyMessage(MapField::Calibration, reply));
    return CodecResult<Calibration>::success(values);
}

CodecResult<QString> encodeCalibration(const Calibration& values) {
    if (!isValid(values))
        return CodecResult<QString>::failure(
            unsendableCalibrationMessage(values.highPower, values.lowPower, values.lowVoltage));
    return CodecResult<QString>::success(hexByte(values.highPower) + hexByte(values.lowPower) +
                                         QLatin1Char('F') + QString::number(values.lowVoltage) +
                                         QLatin1String("FFFFFFFFFF"));
}
