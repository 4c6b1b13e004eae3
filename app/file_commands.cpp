#include "app/file_commands.h"

#include "codeplug/codeplug.h"
#include "codeplug/frequency_text.h"
#include "file/channel_csv.h"
#include "file/codeplug_file.h"
#include "i18n/stored_texts.h"
#include "ui/prompter.h"

namespace {

const QString kCsvFilter = QStringLiteral("CSV (*.csv)");

// Shows the error of a failed file operation; true when it succeeded.
bool reported(QWidget* window, const FileResult& result) {
    if (!result.ok())
        prompter().error(window, result.error);
    return result.ok();
}

} // namespace

FileCommands::FileCommands(QWidget* window, Codeplug& codeplug, Hooks hooks)
    : window_(window), codeplug_(codeplug), hooks_(std::move(hooks)) {}

QString FileCommands::codeplugFilter() {
    return QStringLiteral("Sodrake  文件 (*.qcf)");
}

void FileCommands::newCodeplug() {
    const StoredTexts& texts = storedTexts();
    if (!prompter().confirm(window_, texts.ConfirmCaption, texts.NewPrompt))
        return;
    hooks_.clearFrequencyEditor();
    ClearCodeplug(codeplug_.options, codeplug_.channels);
}

void FileCommands::open() {
    const QString path = prompter().openFileName(window_, codeplugFilter());
    if (path.isEmpty())
        return;
    QcfFile file;
    if (!reported(window_, file.load(path)))
        return;
    applyQcf(file, codeplug_, currentVocabulary(storedTexts()));
    hooks_.applyTitleRule();
}

void FileCommands::save() {
    if (!hooks_.commitEdit())
        return;
    const QString path = prompter().saveFileName(window_, codeplugFilter());
    if (!path.isEmpty())
        reported(window_, qcfFromCodeplug(codeplug_).save(path));
}

void FileCommands::exportCsv() {
    if (!hooks_.commitEdit())
        return;
    const QString path = prompter().saveFileName(window_, kCsvFilter);
    if (!path.isEmpty())
        reported(window_, exportChannelsCsv(path, cellsOf(codeplug_.channels)));
}

void FileCommands::importCsv() {
    const QString path = prompter().openFileName(window_, kCsvFilter);
    if (path.isEmpty())
        return;
    ChannelCells cells;
    if (reported(window_, importChannelsCsv(path, userDecimalSeparator(), cells)))
        applyChannels(cells, codeplug_.channels, currentVocabulary(storedTexts()));
}
