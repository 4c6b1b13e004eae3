#pragma once

#include <QString>

class LanguageLibrary;

// The texts the program adds beyond the 81 numbered window texts: menu items and
// messages, numbered from 82 on in the same language files. Every number is listed
// here, so none is given twice.
enum class ProgramText : int {
    // Menu items.
    ExportCsvItem = 82,
    ImportCsvItem,
    // Channel table.
    InvalidFloat,
    // Settings file.
    UnableToWrite,
    // Codeplug file and CSV.
    InvalidInteger,
    NotGbkText,
    NotEncodable,
    CsvError,
    CsvHeaderExpected,
    CsvFieldCount,
    CsvUnclosedQuote,
    CsvBadChannelNumber,
    CsvRepeatedChannel,
    CsvBadFrequency,
    CsvBadTone,
    CsvBadPower,
    CsvBadSwitch,
    CsvMissingFrequency1,
    CsvNotUtf8,
    // Serial port.
    DeviceMissing,
    DeviceBusy,
    DevicePermission,
    DeviceOpenFailed,
    DeviceLost,
    SendFailed,
    TransferStopped,
    PortNotOpen,
    // Memory map.
    UnreadableReply,
    NothingReceived,
    UnsendableCell,
    UnsendableOption,
    UnsendableBand,
    UnsendableCalibration,
    ColumnFallbackName,
    FieldFrequency,
    FieldTone,
    FieldOptions,
    FieldBand,
    FieldCalibration,
    OptionSquelch,
    OptionBatSave,
    OptionTimeOut,
    OptionVoice,
    OptionPromptTone,
    OptionAlarmKey,
    OptionScan,
    // Command-line tool.
    CliCannotRead,
    CliCannotWrite,
    CliUsage,
    CliUnknownCommand,
    CliNoCommand,
    CliHelpIntro,
    CliHelpFooter,
    CliRadioUsage,
    CliLinkFailed,
    CliBlockDiffers,
    CliCalibrationValues,
    CliCalibration,
    CliUnknownOption,
    CliNeedsValues,
    BadLanguage,
    CliChannelFrequencies,
    CliChannelTones,
    CliOptionsBlock,
    CliBandBlock,
    CliReading,
    CliVerifying,
    CliWriting,
    CliAboutExportCsv,
    CliAboutImportCsv,
    CliAboutRead,
    CliAboutWrite,
    CliAboutCalibration,
    // Radio dialogs.
    NoBandSelected,
    EmptyPowerField,
    // Transfers.
    UnsendableBlock,
    LinkFailedFallback,
    WriteStopped,
    NoBlockReply,
    ChannelReply,
    // Codeplug file.
    OptionOutOfRange,
    Last = OptionOutOfRange,
};

// The text in the language applied last; the English text given when no language has
// been applied or its file lacks the number.
QString programText(ProgramText id, const char* english);

// Keeps copies of the program's texts of a language (numbers 82 on).
void loadProgramTexts(const LanguageLibrary& library);
