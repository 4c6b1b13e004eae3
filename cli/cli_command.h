#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The exit statuses of vantrel-cli.
enum CliStatus { CliSuccess = 0, CliLinkFailure = 1, CliUsageError = 2, CliFileError = 3 };

// One command of vantrel-cli. Commands are rows of a table: main() finds the row by
// name, checks the number of arguments and runs it; --help lists every row.
struct CliCommand {
    QString name;
    QString arguments;   // as shown in the usage line, e.g. "FILE.qcf OUT.csv"
    QString description; // one or more lines for --help
    int argumentCount;   // the exact number of arguments; -1: the command checks them
    int (*run)(const QStringList& arguments);
};

// Writes one error line on stderr, prefixed with the program's name.
void reportError(const QString& message);
