#include "cli/cli_messages.h"

namespace CliMessages {

QString cannotRead(const QString& path, const QString& reason) {
    return QStringLiteral("cannot read %1: %2").arg(path, reason);
}

QString cannotWrite(const QString& path, const QString& reason) {
    return QStringLiteral("cannot write %1: %2").arg(path, reason);
}

QString usage(const QString& command, const QString& arguments) {
    return QStringLiteral("usage: vantrel-cli %1 %2").arg(command, arguments);
}

QString unknownCommand(const QString& command) {
    return QStringLiteral("unknown command '%1' (see vantrel-cli --help)").arg(command);
}

QString noCommand() {
    return QStringLiteral("no command given (see vantrel-cli --help)");
}

QString helpIntro() {
    return QStringLiteral("Usage: vantrel-cli COMMAND ARGUMENTS...\n"
                          "Works with Vantrel codeplug files (.qcf) from scripts.\n\n"
                          "Commands:\n");
}

QString helpFooter() {
    return QStringLiteral("\nOptions:\n"
                          "  -h, --help  show this text\n\n"
                          "Exit status: 0 success, 2 wrong usage, 3 a file could not be read or "
                          "written, or its content is not valid.\n");
}

} // namespace CliMessages
