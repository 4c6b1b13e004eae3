#include "cli/file_commands.h"

#include "cli/cli_messages.h"
#include "codeplug/frequency_text.h"
#include "file/channel_csv.h"
#include "file/codeplug_file.h"

namespace {

// Loads a codeplug file; reports the failure and gives false.
bool loadQcf(const QString& path, QcfFile& file) {
    const FileResult result = file.load(path);
    if (!result.ok())
        reportError(CliMessages::cannotRead(path, result.error));
    return result.ok();
}

int reportWrite(const QString& path, const FileResult& result) {
    if (result.ok())
        return CliSuccess;
    reportError(CliMessages::cannotWrite(path, result.error));
    return CliFileError;
}

int exportCsv(const QStringList& arguments) {
    const QString& qcfPath = arguments.at(0);
    const QString& csvPath = arguments.at(1);
    QcfFile file;
    if (!loadQcf(qcfPath, file))
        return CliFileError;
    return reportWrite(csvPath, exportChannelsCsv(csvPath, file.channels));
}

int importCsv(const QStringList& arguments) {
    const QString& csvPath = arguments.at(0);
    const QString& basePath = arguments.at(1);
    const QString& outPath = arguments.at(2);
    QcfFile file;
    if (!loadQcf(basePath, file))
        return CliFileError;
    ChannelCells channels;
    const FileResult read = importChannelsCsv(csvPath, userDecimalSeparator(), channels);
    if (!read.ok()) {
        reportError(CliMessages::cannotRead(csvPath, read.error));
        return CliFileError;
    }
    // The new channels speak the language the base file was saved in.
    file.channels = carryWords(channels, vocabularyOf(wordLanguageOf(file)));
    return reportWrite(outPath, file.save(outPath));
}

} // namespace

QList<CliCommand> fileCommands() {
    return {
        {QStringLiteral("export-csv"), QStringLiteral("FILE.qcf OUT.csv"),
         CliMessages::aboutExportCsv(), 2, exportCsv},
        {QStringLiteral("import-csv"), QStringLiteral("IN.csv BASE.qcf OUT.qcf"),
         CliMessages::aboutImportCsv(), 3, importCsv},
    };
}
