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

QString helpIntro() {
    return programText(ProgramText::CliHelpIntro,
                       "Usage: vantrel-cli COMMAND ARGUMENTS...\n"
                       "Works with Vantrel codeplug files (.qcf) from scripts.\n\n"
                       "Commands:\n");
}

QString helpFooter() {
    return programText(ProgramText::CliHelpFooter,
                       "\nOptions:\n"
                       "  -h, --help  show this text\n\n"
                       "Exit status: 0 success, 2 wrong usage, 3 a file could not be read or "
                       "written, or its content is not valid.\n");
}

} // namespace CliMessages
