#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <optional>

// Hex text, the form every frame and block takes on the link: two upper-case digits
// per byte, high digit first. Positions are counted from 1, as the memory map gives them.

// The value of a hex digit of either case, or -1.
int hexDigitValue(QChar digit);
// The value of a decimal digit, or -1.
int decimalDigitValue(QChar digit);
// The upper-case hex digit of 0..15.
QChar hexDigit(int value);
// Two upper-case hex digits of 0..255.
QString hexByte(int value);

// The character at a position counted from 1, or a null character past the end.
QChar charAt(const QString& text, int position);

// The bytes as hex text; no bytes give the empty text.
QString hexOfBytes(const QByteArray& bytes);
// The bytes of a hex text read in pairs from the start; an odd last character is
// ignored. Nothing when a pair is not a hex number.
std::optional<QByteArray> bytesOfHex(const QString& text);
