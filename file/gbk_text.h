#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Conversion between the program's text and the GBK bytes of codeplug files, through
// the C library's iconv.

// The GBK bytes of a text; nothing when a character has no GBK form.
std::optional<QByteArray> toGbk(const QString& text);

// The text of GBK bytes; nothing when they are not GBK. With allowCutEnd a character
// cut off by the end of the bytes is dropped instead of failing.
std::optional<QString> fromGbk(const QByteArray& bytes, bool allowCutEnd = false);
