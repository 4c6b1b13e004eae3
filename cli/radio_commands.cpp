#include "cli/radio_commands.h"

#include "cli/cli_messages.h"
#include "cli/radio_arguments.h"
#include "codeplug/codeplug.h"
#include "codeplug/frequency_text.h"
#include "codeplug/option_entries.h"
#include "file/codeplug_file.h"
#include "i18n/language_library.h"
#include "radio/radio_content.h"
#include "radio/serial_link.h"
#include "radio/transfer_sequences.h"

#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

Language languageNamed(const QString& name) {
    return name == QLatin1String("english") ? Language::English : Language::Chinese;
}

// Shows the progress on a terminal; scripts that read stderr get only the errors.
ProgressReport terminalProgress(const QString& what) {
    if (!::isatty(STDERR_FILENO))
        return {};
    return [what](int percent) {
        QTextStream(stderr) << '\r' << what << ' ' << percent << '%'
                            << (percent >= 100 ? "\n" : "");
    };
}

// The option lists in the words of a language, as the windows show them; the longer
// entries come from the language file when it is at hand.
void setOptionEntries(FunctionOptions& options, Language language) {
    const std::optional<LanguageLibrary> library = LanguageLibrary::open(
        language == Language::English ? QStringLiteral("english") : QStringLiteral("chinese"),
        LanguageLibrary::defaultFolders());
    for (int field = FunctionOptions::BatSave; field < FunctionOptions::FieldCount; ++field) {
        const bool numberedTexts =
            field == FunctionOptions::TimeOut || field == FunctionOptions::Voice;
        if (numberedTexts && !library)
            continue; // keep the design texts
        options.setEntries(field, optionEntries(field, vocabularyOf(language),
                                                [&library](int id) { return library->text(id); }));
    }
}

// Parses the arguments and opens the port; reports and gives the exit status on failure.
struct Session {
    RadioArguments arguments;
    SerialLink link;
};

int openSession(const QStringList& words, const QString& command, int fileCount, Session& session) {
    QString error;
    const std::optional<RadioArguments> parsed = parseRadioArguments(words, &error);
    if (!parsed || parsed->device.isEmpty() || parsed->files.size() != fileCount) {
        reportError(parsed ? CliMessages::radioUsage(command) : error);
        return CliUsageError;
    }
    session.arguments = *parsed;
    return CliSuccess;
}

bool openPort(Session& session) {
    if (session.link.open(session.arguments.device))
        return true;
    reportError(session.link.failure());
    return false;
}

int linkFailure(const TransferOutcome& outcome) {
    reportError(CliMessages::linkFailed(outcome.detail));
    return CliLinkFailure;
}

int readCommand(const QStringList& words) {
    Session session;
    if (const int status = openSession(words, QStringLiteral("read"), 0, session))
        return status;
    if (session.arguments.output.isEmpty()) {
        reportError(CliMessages::radioUsage(QStringLiteral("read")));
        return CliUsageError;
    }
    if (!openPort(session))
        return CliLinkFailure;
    const Language language = languageNamed(session.arguments.language);
    RadioContent content;
    const TransferOutcome outcome =
        readRadio(session.link, {vocabularyOf(language), userDecimalSeparator()}, &content,
                  terminalProgress(CliMessages::reading()));
    if (!outcome.ok)
        return linkFailure(outcome);
    Codeplug codeplug;
    setOptionEntries(codeplug.options, language);
    applyRadioContent(content, codeplug);
    const QString& path = session.arguments.output;
    const FileResult saved = qcfFromCodeplug(codeplug).save(path);
    if (!saved.ok()) {
        reportError(CliMessages::cannotWrite(path, saved.error));
        return CliFileError;
    }
    return CliSuccess;
}

// The blocks of a codeplug file, checked in full before anything is sent.
std::optional<WriteBlocks> blocksOfFile(const QString& path) {
    QcfFile file;
    const FileResult loaded = file.load(path);
    if (!loaded.ok()) {
        reportError(CliMessages::cannotRead(path, loaded.error));
        return std::nullopt;
    }
    ChannelTable table;
    applyCells(file.channels, table);
    const auto blocks = encodeWrite(table, file.optionIndexes, file.band);
    if (!blocks) {
        reportError(CliMessages::cannotRead(path, blocks.error()));
        return std::nullopt;
    }
    return *blocks;
}

// The differences between what was written and what the radio holds now, by block. A
// channel without a first frequency reads back empty whatever its tones were.
QStringList differences(const WriteBlocks& wrote, const WriteBlocks& holds) {
    QStringList found;
    const auto compare = [&found](const QString& what, const QString& a, const QString& b) {
        if (a != b)
            found << CliMessages::blockDiffers(what, a, b);
    };
    for (int row = 0; row < 16; ++row) {
        compare(CliMessages::channelFrequencies(row + 1), wrote.frequency[row],
                holds.frequency[row]);
        if (!wrote.frequency[row].startsWith(QLatin1String("FFFFFFFF")))
            compare(CliMessages::channelTones(row + 1), wrote.tone[row], holds.tone[row]);
    }
    compare(CliMessages::optionsBlock(), wrote.options, holds.options);
    compare(CliMessages::bandBlock(), wrote.band, holds.band);
    return found;
}

int verify(SerialLink& link, const WriteBlocks& wrote) {
    RadioContent content;
    const TransferOutcome outcome = readRadio(link, {vocabularyOf(Language::English), '.'},
                                              &content, terminalProgress(CliMessages::verifying()));
    if (!outcome.ok)
        return linkFailure(outcome);
    ChannelTable table;
    for (int row = 1; row <= 16; ++row)
        for (int column = 1; column < ChannelTable::ColumnCount; ++column)
            table.setCell(column, row, content.channels[row - 1][column - 1]);
    const auto holds = encodeWrite(table, content.options, content.band);
    const QStringList found = holds ? differences(wrote, *holds) : QStringList{holds.error()};
    for (const QString& difference : found)
        reportError(difference);
    return found.isEmpty() ? CliSuccess : CliLinkFailure;
}

int writeCommand(const QStringList& words) {
    Session session;
    if (const int status = openSession(words, QStringLiteral("write"), 1, session))
        return status;
    const std::optional<WriteBlocks> blocks = blocksOfFile(session.arguments.files.first());
    if (!blocks)
        return CliFileError;
    if (!openPort(session))
        return CliLinkFailure;
    const TransferOutcome outcome =
        writeRadio(session.link, *blocks, terminalProgress(CliMessages::writing()));
    if (!outcome.ok)
        return linkFailure(outcome);
    return session.arguments.verify ? verify(session.link, *blocks) : CliSuccess;
}

std::optional<Calibration> calibrationOf(const QStringList& values) {
    std::array<int, 3> numbers{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        numbers[i] = values.at(i).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const Calibration calibration{numbers[0], numbers[1], numbers[2]};
    if (!encodeCalibration(calibration))
        return std::nullopt;
    return calibration;
}

int calibrationCommand(const QStringList& words) {
    Session session;
    if (const int status = openSession(words, QStringLiteral("calibration"), 0, session))
        return status;
    const QStringList& set = session.arguments.set;
    const std::optional<Calibration> values = set.isEmpty() ? Calibration{} : calibrationOf(set);
    if (!values) {
        reportError(CliMessages::calibrationValues(set.join(QLatin1Char(' '))));
        return CliUsageError;
    }
    if (!openPort(session))
        return CliLinkFailure;
    if (!set.isEmpty()) {
        const PowerOutcome written =
            writeCalibration(session.link, encodeCalibration(*values).value());
        return written.result.ok ? CliSuccess : linkFailure(written.result);
    }
    const PowerOutcome read = readCalibration(session.link);
    if (!read.result.ok)
        return linkFailure(read.result);
    QTextStream(stdout) << CliMessages::calibration(read.values.highPower, read.values.lowPower,
                                                    read.values.lowVoltage);
    return CliSuccess;
}

} // namespace

QList<CliCommand> radioCommands() {
    return {
        {QStringLiteral("read"),
         QStringLiteral("--port DEVICE -o FILE.qcf [--lang chinese|english]"),
         CliMessages::aboutRead(), -1, readCommand},
        {QStringLiteral("write"), QStringLiteral("--port DEVICE FILE.qcf [--verify]"),
         CliMessages::aboutWrite(), -1, writeCommand},
        {QStringLiteral("calibration"), QStringLiteral("--port DEVICE [--set HIGH LOW LEVEL]"),
         CliMessages::aboutCalibration(), -1, calibrationCommand},
    };
}
