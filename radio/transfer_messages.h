#pragma once

#include <QString>

// The texts the transfers show the user beyond the stored ones, in one place for
// translation.

// The write has no band to send.
QString noBandSelectedMessage();
// The power write has an empty value field.
QString emptyPowerFieldMessage();
// The stored text of a failed read or write; a built-in one while no language has
// been applied.
QString linkFailedMessage();
// A write was stopped by closing its dialog, leaving the radio half written.
QString writeStoppedMessage();
// The stored failure text, followed by the reason when there is one.
QString withReason(const QString& message, const QString& reason);
