#include "i18n/language_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

LanguageLibrary::LanguageLibrary(std::unique_ptr<QTranslator> translator)
    : translator_(std::move(translator)) {}

std::optional<LanguageLibrary> LanguageLibrary::open(const QString& name,
                                                     const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name + QStringLiteral(".qm"));
        if (!QFileInfo::exists(path))
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(path))
            return std::nullopt;
        return LanguageLibrary(std::move(translator));
    }
    return std::nullopt;
}

QStringList LanguageLibrary::defaultFolders() {
    const QDir executable(QCoreApplication::applicationDirPath());
    // Beside the executable (a build), then where an installation put them.
    return {executable.path(), executable.filePath(QStringLiteral("../share/vantrel")),
            QStringLiteral(VANTREL_DATA_DIR)};
}

QString LanguageLibrary::text(int id) const {
    return cutToBytes(fullText(id), MaxTextBytes);
}

QString LanguageLibrary::fullText(int id) const {
    const QByteArray key = QByteArray::number(id);
    return translator_->translate(nullptr, key.constData());
}

QString cutToBytes(const QString& text, int maxBytes) {
    if (text.toUtf8().size() <= maxBytes)
        return text;
    QString cut;
    int bytes = 0;
    for (int i = 0; i < text.size();) {
        // A character outside the basic plane is two QChars: keep or drop both.
        const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        bytes += character.toUtf8().size();
        if (bytes > maxBytes)
            break;
        cut += character;
        i += length;
    }
    return cut;
}
