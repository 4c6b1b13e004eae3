#include "file/codeplug_file.h"

#include "codeplug/codeplug.h"

QcfFile qcfFromCodeplug(const Codeplug& codeplug) {
    QcfFile file;
    file.band = codeplug.bands.selectedText();
    file.optionIndexes = codeplug.options.indexes();
    for (int field = 0; field < FunctionOptions::FieldCount; ++field)
        file.optionTexts[field] = codeplug.options.selectedText(field);
    file.channels = cellsOf(codeplug.channels);
    return file;
}

void applyQcf(const QcfFile& file, Codeplug& codeplug, const VocabularyWords& words) {
    codeplug.bands.SelectOrAddBand(file.band);
    codeplug.options.setIndexes(file.optionIndexes);
    applyChannels(file.channels, codeplug.channels, words);
}

void applyChannels(const ChannelCells& cells, ChannelTable& table, const VocabularyWords& words) {
    applyCells(carryWords(cells, words), table);
}

Language wordLanguageOf(const QcfFile& file) {
    QStringList texts(file.optionTexts.begin(), file.optionTexts.end());
    for (const ChannelCells::Row& row : file.channels.rows)
        texts.append(QStringList(row.begin(), row.end()));
    for (const QString& text : texts)
        if (languageOfWord(text) == Language::English)
            return Language::English;
    return Language::Chinese;
}
