#include "cli/cli_messages.h"

#include "i18n/program_texts.h"

namespace CliMessages {

QString cannotRead(const QString& path, const QString& reason) {
    return programText(ProgramText::CliCannotRead, "cannot read %1: %2").arg(path, reason);
}

QString cannotWrite(const QString& path, const QString& reason) {
    return programText(ProgramText::CliCannotWrite, "cannot write %1: %2").arg(path, reason);
}

QString usage(const QString& command, const QString& arguments) {
    return programText(ProgramText::CliUsage, "usage: vantrel-cli %1 %2").arg(command, arguments);
}

QString unknownCommand(const QString& command) {
    return programText(ProgramText::CliUnknownCommand,
                       "unknown command '%1' (see vantrel-cli --help)")
        .arg(command);
}

QString noCommand() {
    return programText(ProgramText::CliNoCommand, "no command given (see vantrel-cli --help)");
}

QString radioUsage(const QString& command) {
    return programText(ProgramText::CliRadioUsage,
                       "wrong arguments for '%1' (see vantrel-cli --help)")
        .arg(command);
}

QString linkFailed(const QString& reason) {
    const QString failed =
        programText(ProgramText::CliLinkFailed, "the radio did not answer as expected");
    return reason.isEmpty() ? failed : failed + QStringLiteral(": ") + reason;
}

QString blockDiffers(const QString& block, const QString& wrote, const QString& holds) {
    return programText(ProgramText::CliBlockDiffers,
                       "verify: %1 differ: wrote %2, the radio holds %3")
        .arg(block, wrote, holds);
}

QString calibrationValues(const QString& given) {
    return programText(ProgramText::CliCalibrationValues,
                       "--set takes HIGH and LOW power 0..255 and LEVEL 0..2, not '%1'")
        .arg(given);
}

QString calibration(int highPower, int lowPower, int lowVoltage) {
    return programText(ProgramText::CliCalibration,
                       "high power: %1\nlow power: %2\nlow-voltage level: %3\n")
        .arg(highPower)
        .arg(lowPower)
        .arg(lowVoltage);
}

QString helpIntro() {
    return programText(ProgramText::CliHelpIntro,
                       "Usage: vantrel-cli COMMAND ARGUMENTS...\n"
                       "Works with Vantrel codeplug files (.qcf) and the radio from scripts.\n"
                       "DEVICE is a serial device path; 1 to 4 stand for the ports COM1 to "
                       "COM4.\n\n"
                       "Commands:\n");
}

QString helpFooter() {
    return programText(ProgramText::CliHelpFooter,
                       "\nOptions:\n"
                       "  -h, --help  show this text\n\n"
                       "Exit status: 0 success, 1 the radio did not answer as expected (or\n"
                       "--verify found differences), 2 wrong usage, 3 a file could not be\n"
                       "read or written, or its content is not valid.\n");
}

QString unknownOption(const QString& option) {
    return programText(ProgramText::CliUnknownOption, "unknown option '%1'").arg(option);
}

QString needsValues(const QString& option, int count) {
    return programText(ProgramText::CliNeedsValues, "%1 needs %2 value(s)").arg(option).arg(count);
}

QString channelFrequencies(int channel) {
    return programText(ProgramText::CliChannelFrequencies, "channel %1 frequencies").arg(channel);
}

QString channelTones(int channel) {
    return programText(ProgramText::CliChannelTones, "channel %1 tones and flags").arg(channel);
}

QString optionsBlock() {
    return programText(ProgramText::CliOptionsBlock, "options");
}

QString bandBlock() {
    return programText(ProgramText::CliBandBlock, "band");
}

QString reading() {
    return programText(ProgramText::CliReading, "reading");
}

QString verifying() {
    return programText(ProgramText::CliVerifying, "verifying");
}

QString writing() {
    return programText(ProgramText::CliWriting, "writing");
}

QString aboutExportCsv() {
    return programText(ProgramText::CliAboutExportCsv,
                       "Writes the channels of a codeplug file as CSV (UTF-8, English words).");
}

QString aboutImportCsv() {
    return programText(ProgramText::CliAboutImportCsv,
                       "Writes a codeplug file with the channels of the CSV file and the band\n"
                       "and options of BASE.qcf, its words in the language of BASE.qcf.\n"
                       "Every CSV row is checked first; the first error is named by line\n"
                       "and column and nothing is written.");
}

QString aboutRead() {
    return programText(ProgramText::CliAboutRead,
                       "Reads the whole radio and writes it as a codeplug file, as Save does,\n"
                       "its words in the language given (default: the system's). No file is\n"
                       "written when the read fails.");
}

QString aboutWrite() {
    return programText(ProgramText::CliAboutWrite,
                       "Checks the whole file, then writes its band, options and channels to\n"
                       "the radio; words of either language are understood. --verify reads\n"
                       "the radio back and lists every block that differs.");
}

QString aboutCalibration() {
    return programText(ProgramText::CliAboutCalibration,
                       "Prints the high and the low transmit power (0..255) and the\n"
                       "low-voltage level (0..2); --set writes them.");
}

} // namespace CliMessages
