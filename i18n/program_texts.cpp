#include "i18n/program_texts.h"

#include "i18n/language_library.h"

#include <QHash>

namespace {

QHash<int, QString>& loadedTexts() {
    static QHash<int, QString> texts;
    return texts;
}

} // namespace

QString programText(ProgramText id, const char* english) {
    const QString loaded = loadedTexts().value(int(id));
    return loaded.isEmpty() ? QString::fromUtf8(english) : loaded;
}

void loadProgramTexts(const LanguageLibrary& library) {
    QHash<int, QString>& texts = loadedTexts();
    texts.clear();
    for (int id = int(ProgramText::ExportCsvItem); id <= int(ProgramText::Last); ++id)
        texts.insert(id, library.fullText(id));
}
