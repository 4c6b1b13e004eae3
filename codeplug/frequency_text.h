#pragma once

#include <QChar>
#include <QString>
#include <optional>

// Frequency texts: three digits of MHz, the user's decimal separator, five decimals.

// The decimal separator of the user's number format (QLocale's default locale).
QChar userDecimalSeparator();

// Parses a number written with the given decimal separator, as a user types it.
std::optional<double> parseDecimal(const QString& text, QChar separator);

// Brings a typed frequency into canonical form: clamped to 100..550 MHz, the 10 Hz
// digit dropped, raised to the next 5 kHz or 6.25 kHz raster point, nine characters.
// Nothing when the text is not a number.
std::optional<QString> canonicalFrequency(const QString& text, QChar separator);

// The message shown when a text is not a number.
QString invalidFloatMessage(const QString& text);
