#include "file/file_messages.h"

namespace FileMessages {

QString invalidInteger(const QString& text) {
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString notGbkText(int line) {
    return QStringLiteral("Line %1 of the file holds bytes that are not GBK text").arg(line);
}

QString notEncodable(const QString& text) {
    return QStringLiteral("'%1' cannot be written in the GBK character set").arg(text);
}

QString csvError(int line, int column, const QString& problem) {
    return QStringLiteral("Line %1, column %2: %3").arg(line).arg(column).arg(problem);
}

QString csvHeaderExpected(const QString& header) {
    return QStringLiteral("expected the header row %1").arg(header);
}

QString csvFieldCount(int expected, int found) {
    return QStringLiteral("expected %1 fields, found %2").arg(expected).arg(found);
}

QString csvUnclosedQuote() {
    return QStringLiteral("a quoted field is not closed");
}

QString csvBadChannelNumber(const QString& text) {
    return QStringLiteral("'%1' is not a channel number from 1 to 16").arg(text);
}

QString csvRepeatedChannel(int channel) {
    return QStringLiteral("channel %1 appears more than once").arg(channel);
}

QString csvBadFrequency(const QString& text) {
    return QStringLiteral("'%1' is not a frequency from 100.00000 to 550.00000 MHz").arg(text);
}

QString csvBadTone(const QString& text) {
    return QStringLiteral("'%1' is not OFF or a tone of the tone list").arg(text);
}

QString csvBadPower(const QString& text) {
    return QStringLiteral("'%1' is not High or Low").arg(text);
}

QString csvBadSwitch(const QString& text) {
    return QStringLiteral("'%1' is not ON or OFF").arg(text);
}

QString csvMissingFrequency1() {
    return QStringLiteral("a channel needs its first frequency");
}

QString csvNotUtf8() {
    return QStringLiteral("the line is not UTF-8 text");
}

} // namespace FileMessages
