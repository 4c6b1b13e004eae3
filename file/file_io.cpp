#include "file/file_io.h"

#include <QSaveFile>

FileResult writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return FileResult::failure(error);
    }
    if (!file.commit())
        return FileResult::failure(file.errorString());
    return FileResult::success();
}
