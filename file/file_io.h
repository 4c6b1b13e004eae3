#pragma once

#include "file/file_result.h"

#include <QByteArray>
#include <QString>

// Replaces a file with the bytes in one step (a temporary file renamed over it): on
// any failure the previous file stays as it was and the platform's message is given.
FileResult writeFileAtomically(const QString& path, const QByteArray& bytes);
