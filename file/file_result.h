#pragma once

#include <QString>

// The outcome of a file operation: success, or the message the user is shown.
struct FileResult {
    QString error;

    static FileResult success() { return {}; }
    static FileResult failure(const QString& message) { return {message}; }
    bool ok() const { return error.isEmpty(); }
};
