#include "radio/memory_map_messages.h"

#include "i18n/program_texts.h"

#include <array>

namespace {

struct Name {
    ProgramText id;
    const char* english;
};

// By MapField.
const Name kFieldNames[] = {
    {ProgramText::FieldFrequency, "frequency"},           {ProgramText::FieldTone, "squelch tone"},
    {ProgramText::FieldOptions, "function options"},      {ProgramText::FieldBand, "band"},
    {ProgramText::FieldCalibration, "power calibration"},
};

// By FunctionOptions::Field.
const std::array<Name, 7> kOptionNames = {{
    {ProgramText::OptionSquelch, "squelch level"},
    {ProgramText::OptionBatSave, "battery saving"},
    {ProgramText::OptionTimeOut, "time-out"},
    {ProgramText::OptionVoice, "voice prompt"},
    {ProgramText::OptionPromptTone, "prompt tone"},
    {ProgramText::OptionAlarmKey, "alarm key"},
    {ProgramText::OptionScan, "scanning"},
}};

QString text(const Name& name) {
    return programText(name.id, name.english);
}

} // namespace

QString unreadableReplyMessage(MapField field, const QString& replyHex) {
    const QString received = replyHex.isEmpty()
                                 ? programText(ProgramText::NothingReceived, "nothing received")
                                 : replyHex;
    return programText(ProgramText::UnreadableReply,
                       "The radio sent a %1 that cannot be read (%2).")
        .arg(text(kFieldNames[int(field)]), received);
}

QString noBlockReplyMessage(MapField field) {
    return programText(ProgramText::NoBlockReply,
                       "The radio did not answer the read of the %1 block.")
        .arg(text(kFieldNames[int(field)]));
}

QString channelMessage(int row, const QString& message) {
    return programText(ProgramText::ChannelReply, "Channel %1: %2").arg(row).arg(message);
}

QString unsendableBlockMessage(int address, const QString& blockDigits) {
    return programText(ProgramText::UnsendableBlock,
                       "The block %1 for address %2 cannot be sent to the radio.")
        .arg(blockDigits, QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper());
}

QString unsendableCellMessage(int row, const QString& columnName, const QString& cellText) {
    return programText(ProgramText::UnsendableCell,
                       "Channel %1, %2: \"%3\" cannot be written to the radio.")
        .arg(row)
        .arg(columnName, cellText);
}

QString unsendableOptionMessage(int field, int index) {
    const QString name =
        field >= 0 && field < int(kOptionNames.size()) ? text(kOptionNames[field]) : QString();
    return programText(ProgramText::UnsendableOption,
                       "The %1 setting (entry %2) cannot be written to the radio.")
        .arg(name)
        .arg(index);
}

QString unsendableBandMessage(const QString& band) {
    return programText(ProgramText::UnsendableBand,
                       "The band \"%1\" cannot be written to the radio; choose a band such as "
                       "136-174MHz.")
        .arg(band);
}

QString unsendableCalibrationMessage(int highPower, int lowPower, int lowVoltage) {
    return programText(ProgramText::UnsendableCalibration,
                       "The power values %1 and %2 (0 to 255) with low-voltage level %3 (0 to 2) "
                       "cannot be written to the radio.")
        .arg(highPower)
        .arg(lowPower)
        .arg(lowVoltage);
}

QString columnFallbackName(int column) {
    return programText(ProgramText::ColumnFallbackName, "column %1").arg(column);
}
