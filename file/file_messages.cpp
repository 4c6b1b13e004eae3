#include "file/file_messages.h"

#include "i18n/program_texts.h"

namespace FileMessages {

QString invalidInteger(const QString& text) {
    return programText(ProgramText::InvalidInteger, "'%1' is not a valid integer value").arg(text);
}

QString optionOutOfRange(int line, int index, int last) {
    return programText(ProgramText::OptionOutOfRange,
                       "Line %1 of the file: the option value %2 is not one of 0 to %3")
        .arg(line)
        .arg(index)
        .arg(last);
}

QString notGbkText(int line) {
    return programText(ProgramText::NotGbkText,
                       "Line %1 of the file holds bytes that are not GBK text")
        .arg(line);
}

QString notEncodable(const QString& text) {
    return programText(ProgramText::NotEncodable, "'%1' cannot be written in the GBK character set")
        .arg(text);
}

QString csvError(int line, int column, const QString& problem) {
    return programText(ProgramText::CsvError, "Line %1, column %2: %3")
        .arg(line)
        .arg(column)
        .arg(problem);
}

QString csvHeaderExpected(const QString& header) {
    return programText(ProgramText::CsvHeaderExpected, "expected the header row %1").arg(header);
}

QString csvFieldCount(int expected, int found) {
    return programText(ProgramText::CsvFieldCount, "expected %1 fields, found %2")
        .arg(expected)
        .arg(found);
}

QString csvUnclosedQuote() {
    return programText(ProgramText::CsvUnclosedQuote, "a quoted field is not closed");
}

QString csvBadChannelNumber(const QString& text) {
    return programText(ProgramText::CsvBadChannelNumber,
                       "'%1' is not a channel number from 1 to 16")
        .arg(text);
}

QString csvRepeatedChannel(int channel) {
    return programText(ProgramText::CsvRepeatedChannel, "channel %1 appears more than once")
        .arg(channel);
}

QString csvBadFrequency(const QString& text) {
    return programText(ProgramText::CsvBadFrequency,
                       "'%1' is not a frequency from 100.00000 to 550.00000 MHz")
        .arg(text);
}

QString csvBadTone(const QString& text) {
    return programText(ProgramText::CsvBadTone, "'%1' is not OFF or a tone of the tone list")
        .arg(text);
}

QString csvBadPower(const QString& text) {
    return programText(ProgramText::CsvBadPower, "'%1' is not High or Low").arg(text);
}

QString csvBadSwitch(const QString& text) {
    return programText(ProgramText::CsvBadSwitch, "'%1' is not ON or OFF").arg(text);
}

QString csvMissingFrequency1() {
    return programText(ProgramText::CsvMissingFrequency1, "a channel needs its first frequency");
}

QString csvNotUtf8() {
    return programText(ProgramText::CsvNotUtf8, "the line is not UTF-8 text");
}

} // namespace FileMessages
