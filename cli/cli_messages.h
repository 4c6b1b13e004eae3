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
QString radioUsage(const QString& command);
QString linkFailed(const QString& reason);
QString blockDiffers(const QString& block, const QString& wrote, const QString& holds);
QString calibrationValues(const QString& given);
QString calibration(int highPower, int lowPower, int lowVoltage);
QString helpFooter();
QString unknownOption(const QString& option);
QString needsValues(const QString& option, int count);
// Blocks named by --verify, and the progress of the radio commands.
QString channelFrequencies(int channel);
QString channelTones(int channel);
QString optionsBlock();
QString bandBlock();
QString reading();
QString verifying();
QString writing();
// What each command does, for --help.
QString aboutExportCsv();
QString aboutImportCsv();
QString aboutRead();
QString aboutWrite();
QString aboutCalibration();

} // namespace CliMessages
