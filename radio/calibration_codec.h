#pragma once

#include "radio/codec_result.h"

// The calibration block: byte 0 the high and byte 1 the low transmit power value
// (0..255), byte 2 0xF0 plus the low-voltage level (0..2), the rest 0xFF.
struct Calibration {
    int highPower = 0;
    int lowPower = 0;
    int lowVoltage = 0;

    bool operator==(const Calibration& other) const {
        return highPower == other.highPower && lowPower == other.lowPower &&
               lowVoltage == other.lowVoltage;
    }
};

// The values from a read reply of the block. A short reply or a low-voltage digit
// that is not a level 0..2 (an erased block) is an error.
CodecResult<Calibration> decodeCalibration(const QString& reply);

// The sixteen digits of the block; values out of range are an error.
CodecResult<QString> encodeCalibration(const Calibration& values);
