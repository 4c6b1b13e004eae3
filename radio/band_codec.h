#pragma once

#include "radio/codec_result.h"

// The band block: the lower and the upper band limit, each 16 bits stored low byte
// first as four BCD digits in units of 100 kHz, the 100 kHz digit always 0.
// "136-174MHz" is stored as 60 13 40 17 FF FF FF FF.

// The sixteen digits of the block for a band name of the form "136-174MHz".
CodecResult<QString> encodeBand(const QString& band);

// The band name from a read reply of the block; the 100 kHz digits are dropped. A
// short reply or a non-decimal digit is an error.
CodecResult<QString> decodeBand(const QString& reply);
