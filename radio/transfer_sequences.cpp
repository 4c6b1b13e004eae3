#include "radio/transfer_sequences.h"

#include "codeplug/cell_words.h"
#include "codeplug/channel_table.h"
#include "radio/band_codec.h"
#include "radio/channel_cell_error.h"
#include "radio/channel_flags_codec.h"
#include "radio/frequency_codec.h"
#include "radio/hex_text.h"
#include "radio/link_protocol.h"
#include "radio/memory_map_messages.h"
#include "radio/options_codec.h"
#include "radio/tone_codec.h"
#include "radio/transfer_messages.h"

#include <utility>

namespace {

constexpr int kStage = 5;
constexpr int kBandAddress = 0x03E0;
constexpr int kOptionsAddress = 0x03C0;
constexpr int kCalibrationAddress = 0x03C8;

int frequencyAddress(int row) {
    return 0x0010 * row;
}
int toneAddress(int row) {
    return 0x0010 * row + 8;
}

// The running state of one exchange: the progress, and the end of it.
class Exchange {
public:
    // The report is kept by value: callers may hand over a temporary.
    Exchange(Link& link, ProgressReport progress) : link_(link), progress_(std::move(progress)) {}

    // A test of a step: true to go on. A link that stopped working fails every test.
    bool check(bool test) const { return test && !link_.failed(); }
    bool ackedAndFresh() const { return check(link_.acknowledged() && link_.fresh()); }

    void advance(int stages = 1) {
        progress_value_ += kStage * stages;
        report();
    }
    void report() const {
        if (progress_)
            progress_(progress_value_);
    }

    // The outcome of a failed step; a port problem or cancel outranks the step's reason.
    TransferOutcome failure(const QString& reason = {}) const {
        return {false, link_.failed() ? link_.failure() : reason};
    }
    TransferOutcome success() const {
        if (link_.failed())
            return failure();
        return {true, {}};
    }

private:
    Link& link_;
    ProgressReport progress_;
    int progress_value_ = 0;
};

// Reads one channel's two replies into its row, as the read's steps 13.1..13.14 give:
// each read command goes out before the previous reply is decoded.
TransferOutcome readChannel(Link& link, Exchange& exchange, int row, const ReadStyle& style,
                            LinkWaits waits, ChannelRowTexts& cells) {
    if (!exchange.ackedAndFresh())
        return exchange.failure();
    link.ReceivedFlag = false;
    link.sendCommand(frames::ReadThreshold);
    cells = {};
    link.SysDelay(waits.shortMs);
    link.ReceivedFlag = false;
    link.setThreshold(frames::WriteThreshold);
    const QString frequencyReply = link.ReplyHex();
    link.sendAcknowledge();
    link.PrepareFrame(frames::readCommand(toneAddress(row)));
    link.SysDelay(waits.shortMs);
    if (!exchange.ackedAndFresh())
        return exchange.failure();
    link.ReceivedFlag = false;
    link.sendCommand(frames::ReadThreshold);
    const auto frequency1 = sendfre(frequencyReply, Frequency1ReplyPosition, style.separator);
    // After row 16 this prepares a block that is never sent.
    link.PrepareFrame(frames::readCommand(frequencyAddress(row + 1)));
    link.SysDelay(waits.shortMs);
    // Without a fresh reply the data are the acknowledge byte of the step before.
    const bool toneAnswered = link.fresh();
    link.ReceivedFlag = false;
    const QString toneReply = link.ReplyHex();
    link.setThreshold(frames::WriteThreshold);
    if (!frequency1)
        return exchange.failure(channelMessage(row, frequency1.error()));
    // An erased first frequency is an empty channel, whatever the rest holds.
    if (!frequency1.value().isEmpty()) {
        if (!toneAnswered)
            return exchange.failure(channelMessage(row, noBlockReplyMessage(MapField::Tone)));
        const auto frequency2 = sendfre(frequencyReply, Frequency2ReplyPosition, style.separator);
        const auto tone1 = sendCTC(toneReply.mid(8, 4), style.words.OffWord);
        const auto tone2 = sendCTC(toneReply.mid(12, 4), style.words.OffWord);
        for (const auto* result : {&frequency2, &tone1, &tone2}) {
            if (!*result)
                return exchange.failure(channelMessage(row, result->error()));
        }
        const ChannelFlagTexts flags = sendCan(charAt(toneReply, 18), style.words);
        cells = {*frequency1, *tone1,        *frequency2,  *tone2,
                 flags.Power, flags.SwitchA, flags.SwitchB};
    }
    link.ReceivedFlag = false;
    link.sendAcknowledge();
    link.SysDelay(waits.shortMs);
    exchange.advance();
    return exchange.success();
}

} // namespace

TransferOutcome readRadio(Link& link, const ReadStyle& style, RadioContent* content,
                          const ProgressReport& progress, LinkWaits waits) {
    Exchange exchange(link, progress);
    RadioContent read;
    link.ReceivedFlag = false;
    exchange.report();
    if (!exchange.check(handshake(link, waits.longMs)))
        return exchange.failure();
    exchange.advance();

    // Band.
    link.sendAcknowledge();
    link.PrepareFrame(frames::readCommand(kBandAddress));
    link.SysDelay(waits.longMs);
    if (!exchange.ackedAndFresh())
        return exchange.failure();
    link.ReceivedFlag = false;
    link.sendCommand(frames::ReadThreshold);
    link.SysDelay(waits.longMs);
    if (!exchange.check(link.fresh()))
        return exchange.failure();
    link.ReceivedFlag = false;
    const auto band = decodeBand(link.ReplyHex());
    if (!band)
        return exchange.failure(band.error());
    read.band = *band;
    exchange.advance();

    // Channels.
    link.sendAcknowledge();
    link.PrepareFrame(frames::readCommand(frequencyAddress(1)));
    link.SysDelay(waits.shortMs);
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row) {
        const TransferOutcome channel =
            readChannel(link, exchange, row, style, waits, read.channels[row - 1]);
        if (!channel.ok)
            return channel;
    }

    // Options.
    if (!exchange.check(link.acknowledged()))
        return exchange.failure();
    link.ReceivedFlag = false;
    link.PrepareFrame(frames::readCommand(kOptionsAddress));
    link.sendCommand(frames::ReadThreshold);
    link.SysDelay(waits.shortMs);
    if (!exchange.check(link.fresh()))
        return exchange.failure();
    link.ReceivedFlag = false;
    const auto options = decodeOptions(link.ReplyHex());
    if (!options)
        return exchange.failure(options.error());
    read.options = *options;
    link.ReceivedFlag = false;
    link.sendAcknowledge();
    link.SysDelay(waits.shortMs);
    exchange.advance();

    // The answer to the last acknowledge is not examined.
    endProgramming(link);
    exchange.advance();
    const TransferOutcome outcome = exchange.success();
    if (outcome.ok && content)
        *content = read;
    return outcome;
}

namespace {

// A copy of the table whose vocabulary words, of either language, are the English
// ones: the encoders then compare with one set of words.
void carryInto(const ChannelTable& from, ChannelTable& to, const VocabularyWords& words) {
    for (int column = 1; column < ChannelTable::ColumnCount; ++column) {
        to.setCell(column, 0, from.cell(column, 0));
        for (int row = 1; row <= ChannelTable::ChannelCount; ++row)
            to.setCell(column, row, carryCellWord(column, from.cell(column, row), words));
    }
}

// A switch cell must be empty or one of its column's two words.
bool isSwitchWord(int column, const QString& text, const VocabularyWords& words) {
    if (text.isEmpty())
        return true;
    if (column == ChannelTable::Power)
        return text == words.HighWord || text == words.LowWord;
    return text == words.OnWord || text == words.OffWord;
}

CodecResult<QString> encodeFlags(const ChannelTable& table, int row, const VocabularyWords& words) {
    for (int column : {ChannelTable::Power, ChannelTable::SwitchA, ChannelTable::SwitchB}) {
        if (!isSwitchWord(column, table.cell(column, row), words))
            return unsendableCell<QString>(table, column, row);
    }
    return CodecResult<QString>::success(writecan(table, row, words));
}

// The two blocks of one row: both frequencies; both tones, the flags and "FFFFFF".
QString encodeRow(const ChannelTable& table, int row, const VocabularyWords& words,
                  QString* frequency, QString* tone) {
    const auto frequency1 = WriteFre(table, ChannelTable::Frequency1, row);
    const auto frequency2 = WriteFre(table, ChannelTable::Frequency2, row);
    const auto tone1 = writeCTC(table, ChannelTable::Tone1, row, words);
    const auto tone2 = writeCTC(table, ChannelTable::Tone2, row, words);
    const auto flags = encodeFlags(table, row, words);
    for (const auto* result : {&frequency1, &tone1, &frequency2, &tone2, &flags}) {
        if (!*result)
            return result->error();
    }
    *frequency = *frequency1 + *frequency2;
    *tone = *tone1 + *tone2 + *flags + QLatin1String("FFFFFF");
    return {};
}

} // namespace

CodecResult<WriteBlocks> encodeWrite(const ChannelTable& channels,
                                     const FunctionOptions::Indexes& options, const QString& band) {
    using Result = CodecResult<WriteBlocks>;
    const VocabularyWords& words = vocabularyOf(Language::English);
    ChannelTable table;
    carryInto(channels, table, words);
    WriteBlocks blocks;
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row) {
        const QString error =
            encodeRow(table, row, words, &blocks.frequency[row - 1], &blocks.tone[row - 1]);
        if (!error.isEmpty())
            return Result::failure(error);
    }
    const auto optionsBlock = writexuan(options);
    if (!optionsBlock)
        return Result::failure(optionsBlock.error());
    blocks.options = *optionsBlock;
    if (band.isEmpty())
        return Result::failure(noBandSelectedMessage());
    const auto bandBlock = encodeBand(band);
    if (!bandBlock)
        return Result::failure(bandBlock.error());
    blocks.band = *bandBlock;
    return Result::success(blocks);
}

TransferOutcome writeRadio(Link& link, const WriteBlocks& blocks, const ProgressReport& progress,
                           LinkWaits waits) {
    Exchange exchange(link, progress);
    // A block that cannot be sent stops the write: the radio's answer to the block
    // before would otherwise pass for its answer.
    QString unsent;
    const auto sent = [&link, &unsent](int address, const QString& digits, int waitMs) {
        if (writeTransaction(link, address, digits, waitMs))
            return true;
        unsent = unsendableBlockMessage(address, digits);
        return false;
    };
    link.ReceivedFlag = false;
    exchange.report();
    if (!exchange.check(handshake(link, waits.shortMs)))
        return exchange.failure();
    exchange.advance();
    link.sendAcknowledge();
    link.SysDelay(waits.shortMs);

    // Each block's answer is tested just before the next block goes out.
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row) {
        if (!exchange.check(link.acknowledged()))
            return exchange.failure();
        if (!sent(frequencyAddress(row), blocks.frequency[row - 1], waits.shortMs))
            return exchange.failure(unsent);
        if (!exchange.ackedAndFresh())
            return exchange.failure();
        if (!sent(toneAddress(row), blocks.tone[row - 1], waits.shortMs))
            return exchange.failure(unsent);
        exchange.advance();
    }
    if (!exchange.ackedAndFresh())
        return exchange.failure();
    if (!sent(kOptionsAddress, blocks.options, waits.shortMs))
        return exchange.failure(unsent);
    exchange.advance();
    if (!exchange.ackedAndFresh())
        return exchange.failure();
    // The band goes last, with the long wait.
    link.ReceivedFlag = false;
    exchange.advance();
    if (!sent(kBandAddress, blocks.band, waits.longMs))
        return exchange.failure(unsent);
    if (!exchange.ackedAndFresh())
        return exchange.failure();
    link.ReceivedFlag = false;
    exchange.advance();
    endProgramming(link);
    return exchange.success();
}

namespace {

// The power dialog's opening: handshake, then the acknowledge byte whatever came of it.
bool enterPowerExchange(Link& link, LinkWaits waits) {
    link.ReceivedFlag = false;
    const bool entered = powerHandshake(link, waits.shortMs);
    link.sendAcknowledge();
    link.SysDelayFull(waits.shortMs);
    return entered && !link.failed();
}

} // namespace

PowerOutcome readCalibration(Link& link, LinkWaits waits) {
    Exchange exchange(link, {});
    PowerOutcome outcome;
    outcome.handshakeOk = enterPowerExchange(link, waits);
    if (!outcome.handshakeOk || !exchange.check(link.acknowledged())) {
        outcome.result = exchange.failure();
        return outcome;
    }
    link.PrepareFrame(frames::readCommand(kCalibrationAddress));
    // Cleared only to tell a missing reply from the acknowledge byte still held.
    link.ReceivedFlag = false;
    link.sendCommand(frames::ReadThreshold);
    link.SysDelayFull(waits.shortMs);
    const bool answered = link.fresh();
    const auto values = decodeCalibration(link.ReplyHex());
    // The exchange itself went through: the radio leaves programming mode either way.
    endProgramming(link);
    if (!answered || !values) {
        outcome.result = exchange.failure(answered ? values.error()
                                                   : noBlockReplyMessage(MapField::Calibration));
        return outcome;
    }
    outcome.values = *values;
    outcome.result = exchange.success();
    return outcome;
}

PowerOutcome writeCalibration(Link& link, const QString& blockDigits, LinkWaits waits) {
    Exchange exchange(link, {});
    PowerOutcome outcome;
    // A block that cannot be sent goes nowhere, not even the handshake before it.
    if (!isBlockDigits(blockDigits)) {
        outcome.result = exchange.failure(unsendableBlockMessage(kCalibrationAddress, blockDigits));
        return outcome;
    }
    outcome.handshakeOk = enterPowerExchange(link, waits) && exchange.check(link.acknowledged());
    if (!outcome.handshakeOk) {
        outcome.result = exchange.failure();
        return outcome;
    }
    if (!link.PrepareFrame(frames::writeCommand(kCalibrationAddress, blockDigits))) {
        outcome.result = exchange.failure(unsendableBlockMessage(kCalibrationAddress, blockDigits));
        return outcome;
    }
    link.sendCommand(frames::WriteThreshold);
    link.SysDelayFull(waits.shortMs);
    if (!exchange.check(link.acknowledged())) {
        outcome.result = exchange.failure();
        return outcome;
    }
    endProgramming(link);
    outcome.result = exchange.success();
    return outcome;
}
