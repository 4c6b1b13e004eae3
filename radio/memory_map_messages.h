#pragma once

#include <QString>

// Every text the memory map shows the user, in one place for translation.

// What a block of the radio's memory holds, named for messages.
enum class MapField { Frequency, Tone, Options, Band, Calibration };

// A reply whose digits do not form a value of the field (too short, or a letter
// where a decimal digit belongs).
QString unreadableReplyMessage(MapField field, const QString& replyHex);
// The radio did not answer a block read (nothing arrived, or only an acknowledge).
QString noBlockReplyMessage(MapField field);
// A message about one channel's blocks, led by the channel number.
QString channelMessage(int row, const QString& message);
// A block of the write that is not sixteen hex digits.
QString unsendableBlockMessage(int address, const QString& blockDigits);
// A channel cell whose text has no encoding.
QString unsendableCellMessage(int row, const QString& columnName, const QString& text);
// A function option whose index has no encoding.
QString unsendableOptionMessage(int field, int index);
// A band name not of the form "136-174MHz".
QString unsendableBandMessage(const QString& band);
// Calibration values outside 0..255 or a low-voltage level outside 0..2.
QString unsendableCalibrationMessage(int highPower, int lowPower, int lowVoltage);
// The name of a channel column when the table has no heading for it.
QString columnFallbackName(int column);
