#include "cli/cli_command.h"
#include "cli/cli_messages.h"
#include "cli/file_commands.h"
#include "cli/radio_commands.h"

#include "i18n/language_library.h"
#include "i18n/program_texts.h"
#include "i18n/startup_language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>

namespace {

// Every command vantrel-cli knows; further groups of commands join here.
QList<CliCommand> commandTable() {
    return fileCommands() + radioCommands();
}

QString indented(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QLatin1String("\n      "));
    return QLatin1String("      ") + lines;
}

void printHelp(const QList<CliCommand>& commands) {
    QString help = CliMessages::helpIntro();
    for (const CliCommand& command : commands)
        help += QStringLiteral("  %1 %2\n%3\n")
                    .arg(command.name, command.arguments, indented(command.description));
    help += CliMessages::helpFooter();
    QTextStream(stdout) << help;
}

const CliCommand* findCommand(const QList<CliCommand>& commands, const QString& name) {
    for (const CliCommand& command : commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

// Messages and help speak the language asked for with --lang, else the system's.
void loadLanguage(const QStringList& arguments) {
    const int asked = arguments.indexOf(QStringLiteral("--lang"));
    const QString language = asked >= 0 && asked + 1 < arguments.size()
                                 ? arguments.at(asked + 1)
                                 : languageOfLocale(QLocale::system().name());
    if (const std::optional<LanguageLibrary> library =
            LanguageLibrary::open(language, LanguageLibrary::defaultFolders()))
        loadProgramTexts(*library);
}

} // namespace

void reportError(const QString& message) {
    QTextStream(stderr) << "vantrel-cli: " << message << '\n';
}

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    loadLanguage(arguments);
    const QList<CliCommand> commands = commandTable();
    if (arguments.isEmpty()) {
        reportError(CliMessages::noCommand());
        return CliUsageError;
    }
    const QString& name = arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        printHelp(commands);
        return CliSuccess;
    }
    const CliCommand* command = findCommand(commands, name);
    if (!command) {
        reportError(CliMessages::unknownCommand(name));
        return CliUsageError;
    }
    const QStringList commandArguments = arguments.mid(1);
    if (command->argumentCount >= 0 && commandArguments.size() != command->argumentCount) {
        reportError(CliMessages::usage(command->name, command->arguments));
        return CliUsageError;
    }
    return command->run(commandArguments);
}
