#pragma once

#include <QString>

// Every text the file code shows the user, in one place so that the language files
// can take them over.
namespace FileMessages {

// An option index of a codeplug file that is not a digit of its list.
QString invalidInteger(const QString& text);
// An option index of a codeplug file that its list has no entry for.
QString optionOutOfRange(int line, int index, int last);
// Bytes of a codeplug file that are not GBK text.
QString notGbkText(int line);
// A text that has no GBK form and so cannot be written into a codeplug file.
QString notEncodable(const QString& text);

// The first error of a CSV file, with its place (both counted from 1).
QString csvError(int line, int column, const QString& problem);
QString csvHeaderExpected(const QString& header);
QString csvFieldCount(int expected, int found);
QString csvUnclosedQuote();
QString csvBadChannelNumber(const QString& text);
QString csvRepeatedChannel(int channel);
QString csvBadFrequency(const QString& text);
QString csvBadTone(const QString& text);
QString csvBadPower(const QString& text);
QString csvBadSwitch(const QString& text);
QString csvMissingFrequency1();
QString csvNotUtf8();

} // namespace FileMessages
