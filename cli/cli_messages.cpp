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
    return QStringLiteral("wrong arguments for '%1' (see vantrel-cli --help)").arg(command);
}

QString linkFailed(const QString& reason) {
    const QString failed = QStringLiteral("the radio did not answer as expected");
    return reason.isEmpty() ? failed : failed + QStringLiteral(": ") + reason;
}

QString blockDiffers(const QString& block, const QString& wrote, const QString& holds) {
    return QStringLiteral("verify: %1 differ: wrote %2, the radio holds %3")
        .arg(block, wrote, holds);
}

QString calibrationValues(const QString& given) {
    return QStringLiteral("--set takes HIGH and LOW power 0..255 and LEVEL 0..2, not '%1'")
        .arg(given);
}

QString calibration(int highPower, int lowPower, int lowVoltage) {
    return QStringLiteral("high power: %1\nlow power: %2\nlow-voltage level: %3\n")
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

} // namespace CliMessages
