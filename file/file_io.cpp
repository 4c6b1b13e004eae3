#include "file/file_io.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

// The platform's text for the error of the last failed call, or Qt's if it has none.
QString lastError(const QFileDevice& file) {
    const int code = errno;
    return code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
}

} // namespace

FileResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(file.errorString());
    errno = 0;
    // Flushed here because commit() alone accepts a write that stopped short (a full
    // disk) and would put a cut file in place of the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = lastError(file);
        file.cancelWriting();
        return FileResult::failure(error);
    }
    if (!file.commit())
        return FileResult::failure(file.errorString());
    return FileResult::success();
}
