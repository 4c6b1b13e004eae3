#pragma once

#include "codeplug/function_options.h"
#include "i18n/vocabulary.h"
#include "radio/calibration_codec.h"
#include "radio/codec_result.h"
#include "radio/link.h"

#include <QChar>
#include <QString>
#include <array>
#include <functional>

class ChannelTable;

// The read, the write and the power exchanges with the radio, step by step over a
// link. They touch no window and no model: the read fills a staged copy that the
// caller applies once it is complete, the write sends blocks encoded beforehand.

// The two wait lengths of the exchanges; tests shorten them.
struct LinkWaits {
    int longMs = 550;
    int shortMs = 250;
};

// Told the progress (0..100) after each finished stage.
using ProgressReport = std::function<void(int)>;

// How an exchange ended. A failed one carries, when there is one, the reason beyond
// "the radio did not answer as expected": a reply that cannot be read, a lost port, a
// cancel.
struct TransferOutcome {
    bool ok = false;
    QString detail;
};

// One channel row away from the table: the texts of columns 1..7.
using ChannelRowTexts = std::array<QString, 7>;

// What a complete read brought from the radio.
struct RadioContent {
    QString band;
    std::array<ChannelRowTexts, 16> channels;
    FunctionOptions::Indexes options = FunctionOptions::ClearedIndexes;
};

// What the read needs to know to turn replies into cell texts.
struct ReadStyle {
    VocabularyWords words;
    QChar separator = QLatin1Char('.');
};

// The read: handshake, band, sixteen channels, options, end command. On success
// *content holds everything; on failure nothing has been sent after the failed step.
TransferOutcome readRadio(Link& link, const ReadStyle& style, RadioContent* content,
                          const ProgressReport& progress = {}, LinkWaits waits = {});

// The blocks a write sends, each as its sixteen data digits.
struct WriteBlocks {
    std::array<QString, 16> frequency;
    std::array<QString, 16> tone;
    QString options;
    QString band;
};

// Encodes the channels, options and band for the write. Each channel cell holding a
// vocabulary word of either language is written as that word's meaning. An error
// names the first channel cell, option or band that cannot be written; no band at all
// is an error too.
CodecResult<WriteBlocks> encodeWrite(const ChannelTable& channels,
                                     const FunctionOptions::Indexes& options, const QString& band);

// The write: handshake, thirty-two channel blocks, options, band, end command.
TransferOutcome writeRadio(Link& link, const WriteBlocks& blocks,
                           const ProgressReport& progress = {}, LinkWaits waits = {});

// The power dialog's read of the calibration block. handshakeOk tells whether the
// radio answered the handshake (which offers the write even when the rest failed).
struct PowerOutcome {
    TransferOutcome result;
    bool handshakeOk = false;
    Calibration values;
};
PowerOutcome readCalibration(Link& link, LinkWaits waits = {});

// The power dialog's write of the calibration block (values checked beforehand).
// handshakeOk tells whether handshake and first acknowledge succeeded.
PowerOutcome writeCalibration(Link& link, const QString& blockDigits, LinkWaits waits = {});
