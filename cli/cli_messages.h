#pragma once

#include <QString>

// Every text vantrel-cli shows, in one place.
namespace CliMessages {

QString cannotRead(const QString& path, const QString& reason);
QString cannotWrite(const QString& path, const QString& reason);
QString usage(const QString& command, const QString& arguments);
QString unknownCommand(const QString& command);
QString noCommand();
QString helpIntro();
QString helpFooter();

} // namespace CliMessages
