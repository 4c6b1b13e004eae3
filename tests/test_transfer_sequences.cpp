#include "codeplug/channel_table.h"
#include "radio/link_protocol.h"
#include "radio/serial_link.h"
#include "radio/transfer_messages.h"
#include "radio/transfer_sequences.h"
#include "support/sim_transcript.h"
#include "support/simulated_radio.h"

#include <QtTest>

namespace {
const VocabularyWords& english() {
    return vocabularyOf(Language::English);
}
const VocabularyWords& chinese() {
    return vocabularyOf(Language::Chinese);
}

// Channel 1: 145.00000 / 446.00625, tones 67.0 and D023N, low power, A off, B on.
const char kChannel1Frequencies[] = "0000501425066044";
const char kChannel1Tones[] = "70062380F4FFFFFF";

SimMemory programmedRadio() {
    SimMemory memory;
    memory.setBlock(0x0010, block(kChannel1Frequencies));
    memory.setBlock(0x0018, block(kChannel1Tones));
    // Channel 3: first frequency erased, the rest holding data.
    memory.setBlock(0x0030, block("FFFFFFFF25066044"));
    memory.setBlock(0x0038, block(kChannel1Tones));
    memory.setBlock(0x03E0, block("00400047FFFFFFFF")); // 400-470MHz
    return memory;
}

void setRow(ChannelTable& table, int row, const QStringList& cells) {
    for (int column = 1; column <= cells.size(); ++column)
        table.setCell(column, row, cells.at(column - 1));
}

QString hexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

// The two-digit address of a channel row's block in a command: "0010" .. "0108".
QString rowAddress(int row, int offset) {
    return QStringLiteral("%1").arg(0x10 * row + offset, 4, 16, QLatin1Char('0')).toUpper();
}
} // namespace

// The read, the write and the power exchanges, frame by frame against the simulated
// radio over a real serial port.
class TestTransferSequences : public QObject {
    Q_OBJECT
private slots:
    void readGoldenTranscript();
    void writeGoldenTranscript();
    void writeRefusesWhatCannotBeEncoded_data();
    void writeRefusesWhatCannotBeEncoded();
    void wordsOfEitherLanguageWriteTheSameBlocks();
    void writeStopsAtABlockThatCannotBeSent_data();
    void writeStopsAtABlockThatCannotBeSent();
    void readNamesTheChannelOfABadReply_data();
    void readNamesTheChannelOfABadReply();
    void calibrationReadAndWrite();
    void calibrationFailures();
};

void TestTransferSequences::readGoldenTranscript() {
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options(programmedRadio()));
    QVERIFY2(radio.error().isEmpty(), qPrintable(radio.error()));
    SerialLink link;
    QVERIFY(link.open(radio.device()));
    QList<int> stages;
    RadioContent content;
    const TransferOutcome outcome = readRadio(link, {english(), QLatin1Char(',')}, &content,
                                              [&stages](int percent) { stages << percent; });
    QVERIFY2(outcome.ok, qPrintable(outcome.detail));

    QStringList expected{QStringLiteral("02515542746F7A"), QStringLiteral("06"),
                         QStringLiteral("5203E008"), QStringLiteral("06")};
    for (int row = 1; row <= 16; ++row)
        expected << QStringLiteral("52") + rowAddress(row, 0) + QStringLiteral("08")
                 << QStringLiteral("06")
                 << QStringLiteral("52") + rowAddress(row, 8) + QStringLiteral("08")
                 << QStringLiteral("06");
    expected << QStringLiteral("5203C008") << QStringLiteral("06") << QStringLiteral("646F");
    // The end command is not awaited: the radio may log it a moment later.
    QTRY_COMPARE(transcript.hostFrames(), expected);

    QCOMPARE(content.band, QStringLiteral("400-470MHz"));
    const ChannelRowTexts channel1{"145,00000", "67.0", "446,00625", "D023N", "Low", "OFF", "ON"};
    QCOMPARE(content.channels[0], channel1);
    QCOMPARE(content.channels[2], ChannelRowTexts{}); // erased first frequency: empty row
    QCOMPARE(content.channels[15], ChannelRowTexts{});
    QCOMPARE(content.options, (FunctionOptions::Indexes{2, 1, 4, 0, 1, 1, 1}));
    QCOMPARE(stages.first(), 0);
    QCOMPARE(stages.last(), 100);
    QCOMPARE(stages.size(), 1 + 1 + 1 + 16 + 1 + 1);
}

void TestTransferSequences::writeGoldenTranscript() {
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options());
    ChannelTable table;
    setRow(table, 1, {"145.00000", "67.0", "446.00625", "D023N", "Low", "OFF", "ON"});
    const auto blocks = encodeWrite(table, {2, 1, 4, 0, 1, 1, 1}, QStringLiteral("400-470MHz"));
    QVERIFY2(blocks, qPrintable(blocks.error()));
    SerialLink link;
    QVERIFY(link.open(radio.device()));
    int last = -1;
    const TransferOutcome outcome =
        writeRadio(link, *blocks, [&last](int percent) { last = percent; });
    QVERIFY2(outcome.ok, qPrintable(outcome.detail));
    QCOMPARE(last, 100);

    const QString erased = QStringLiteral("FFFFFFFFFFFFFFFF");
    QStringList expected{QStringLiteral("02515542746F7A"), QStringLiteral("06")};
    for (int row = 1; row <= 16; ++row) {
        const bool first = row == 1;
        expected << QStringLiteral("57") + rowAddress(row, 0) + QStringLiteral("08") +
                        (first ? QLatin1String(kChannel1Frequencies) : erased)
                 << QStringLiteral("57") + rowAddress(row, 8) + QStringLiteral("08") +
                        (first ? QLatin1String(kChannel1Tones) : erased);
    }
    expected << QStringLiteral("5703C008FF02FF04FF00FFFF")
             << QStringLiteral("5703E00800400047FFFFFFFF") << QStringLiteral("646F");
    // The end command is not awaited: the radio may log it a moment later.
    QTRY_COMPARE(transcript.hostFrames(), expected);
    QCOMPARE(hexOf(radio.memory().mid(0x10, 16)),
             QLatin1String(kChannel1Frequencies) + QLatin1String(kChannel1Tones));
}

void TestTransferSequences::writeRefusesWhatCannotBeEncoded_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("message");
    QTest::newRow("short frequency") << 1 << "145.0"
                                     << "136-174MHz"
                                     << "Channel 2, column 1";
    QTest::newRow("no tone") << 2 << "67"
                             << "136-174MHz"
                             << "Channel 2, column 2";
    QTest::newRow("word of neither language") << 5 << "Hoch"
                                              << "136-174MHz"
                                              << "Channel 2, column 5";
    QTest::newRow("switch word in the power column") << 5 << "ON"
                                                     << "136-174MHz"
                                                     << "Channel 2, column 5";
    QTest::newRow("no band selected") << 1 << "145.00000"
                                      << "" << noBandSelectedMessage();
    QTest::newRow("band of another shape") << 1 << "145.00000"
                                           << "136-174"
                                           << "136-174";
}

void TestTransferSequences::writeRefusesWhatCannotBeEncoded() {
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, band);
    QFETCH(QString, message);
    ChannelTable table;
    setRow(table, 2, {"145.00000", "67.0", "", "", "High", "ON", "OFF"});
    table.setCell(column, 2, text);
    const auto blocks = encodeWrite(table, FunctionOptions::ClearedIndexes, band);
    QVERIFY(!blocks);
    QVERIFY2(blocks.error().contains(message), qPrintable(blocks.error()));
}

void TestTransferSequences::wordsOfEitherLanguageWriteTheSameBlocks() {
    ChannelTable inEnglish;
    ChannelTable mixed;
    setRow(inEnglish, 1, {"145.00000", english().OffWord, "", "", "High", "ON", "OFF"});
    setRow(inEnglish, 2, {"146.00000", "D754I", "", "", "Low", "OFF", "ON"});
    setRow(mixed, 1,
           {"145.00000", chinese().OffWord, "", "", chinese().HighWord, "ON", chinese().OffWord});
    setRow(mixed, 2, {"146.00000", "D754I", "", "", chinese().LowWord, chinese().OffWord, "ON"});
    const auto expected =
        encodeWrite(inEnglish, FunctionOptions::ClearedIndexes, QStringLiteral("136-174MHz"));
    const auto actual =
        encodeWrite(mixed, FunctionOptions::ClearedIndexes, QStringLiteral("136-174MHz"));
    QVERIFY(expected && actual);
    QCOMPARE(actual->tone, expected->tone);
    QCOMPARE(expected->tone[0], QStringLiteral("FFFFFFFFFFFFFFFF")); // high, A on, B off
    QCOMPARE(expected->tone[1], QStringLiteral("54C7FFFFF4FFFFFF"));
}

void TestTransferSequences::writeStopsAtABlockThatCannotBeSent_data() {
    QTest::addColumn<int>("block"); // 0..15 frequencies, 16..31 tones, 32 options, 33 band
    QTest::addColumn<QString>("digits");
    QTest::addColumn<int>("framesSent");
    QTest::newRow("frequency of channel 3, not hex") << 2 << "00005014250660XY" << 6;
    QTest::newRow("tones of channel 5, too short") << 20 << "7006" << 11;
    QTest::newRow("options, empty") << 32 << "" << 34;
    QTest::newRow("band, too long") << 33 << "00400047FFFFFFFF00" << 35;
}

// The radio's answer to the block before must not pass for the missing block's answer:
// the write stops with a message, sends nothing more and no end command.
void TestTransferSequences::writeStopsAtABlockThatCannotBeSent() {
    QFETCH(int, block);
    QFETCH(QString, digits);
    QFETCH(int, framesSent);
    const auto encoded =
        encodeWrite(ChannelTable(), FunctionOptions::ClearedIndexes, QStringLiteral("400-470MHz"));
    QVERIFY(encoded);
    WriteBlocks blocks = *encoded;
    QString* target = block < 16    ? &blocks.frequency[block]
                      : block < 32  ? &blocks.tone[block - 16]
                      : block == 32 ? &blocks.options
                                    : &blocks.band;
    *target = digits;
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options());
    SerialLink link;
    QVERIFY(link.open(radio.device()));
    const TransferOutcome outcome = writeRadio(link, blocks, {}, {100, 50});
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.detail.contains(QStringLiteral("cannot be sent")) &&
                 outcome.detail.contains(digits),
             qPrintable(outcome.detail));
    QTest::qWait(50);
    QCOMPARE(transcript.hostFrames().size(), framesSent);
    QVERIFY(!transcript.hostFrames().contains(QStringLiteral("646F")));
}

void TestTransferSequences::readNamesTheChannelOfABadReply_data() {
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<QString>("message");
    QTest::newRow("tones of channel 1 never answered")
        << 0x0010 << kChannel1Frequencies << 6
        << "Channel 1: The radio did not answer the read of the squelch tone block.";
    QTest::newRow("unreadable frequency of channel 4")
        << 0x0040 << "1234567A25066044" << -1
        << "Channel 4: The radio sent a frequency that cannot be read";
    QTest::newRow("unreadable tone of channel 2")
        << 0x0028 << "7006A380F4FFFFFF" << -1
        << "Channel 2: The radio sent a squelch tone that cannot be read";
}

void TestTransferSequences::readNamesTheChannelOfABadReply() {
    QFETCH(int, address);
    QFETCH(QString, content);
    QFETCH(int, stopAfter);
    QFETCH(QString, message);
    SimMemory memory = programmedRadio();
    memory.setBlock(address, block(content.toLatin1().constData()));
    if (address == 0x0028)
        memory.setBlock(0x0020, block(kChannel1Frequencies));
    SimFaults faults;
    faults.stopAfter = stopAfter;
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options(memory, faults));
    SerialLink link;
    QVERIFY(link.open(radio.device()));
    RadioContent read;
    const TransferOutcome outcome =
        readRadio(link, {english(), QLatin1Char('.')}, &read, {}, {100, 50});
    QVERIFY(!outcome.ok);
    QVERIFY2(outcome.detail.startsWith(message), qPrintable(outcome.detail));
}

void TestTransferSequences::calibrationReadAndWrite() {
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options()); // the factory block A0 32 F2
    SerialLink link;
    QVERIFY(link.open(radio.device()));
    const LinkWaits fast{100, 30};
    const PowerOutcome read = readCalibration(link, fast);
    QVERIFY2(read.result.ok, qPrintable(read.result.detail));
    QVERIFY(read.handshakeOk);
    QCOMPARE(read.values, (Calibration{160, 50, 2}));

    const PowerOutcome written =
        writeCalibration(link, encodeCalibration(read.values).value(), fast);
    QVERIFY2(written.result.ok, qPrintable(written.result.detail));
    QVERIFY(written.handshakeOk);
    QTRY_COMPARE(transcript.hostFrames(),
                 (QStringList{"02515542746F7A", "06", "5203C808", "646F", "02515542746F7A", "06",
                              "5703C808A032F2FFFFFFFFFF", "646F"}));
}

// A block reply that never came, and a block that cannot be sent.
void TestTransferSequences::calibrationFailures() {
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options(
        SimMemory(), simWithFaults([](SimFaults& f) { f.stopAfter = 2; }).faults));
    SerialLink link;
    QVERIFY(link.open(radio.device()));
    const LinkWaits fast{100, 30};
    const PowerOutcome read = readCalibration(link, fast);
    QVERIFY(read.handshakeOk && !read.result.ok);
    QCOMPARE(read.result.detail,
             QStringLiteral("The radio did not answer the read of the power calibration block."));

    QTest::qWait(50);
    const int sent = transcript.hostFrames().size();
    const PowerOutcome written = writeCalibration(link, QStringLiteral("A032F2"), fast);
    QVERIFY(!written.result.ok && !written.handshakeOk);
    QVERIFY2(written.result.detail.contains(QStringLiteral("A032F2")),
             qPrintable(written.result.detail));
    QTest::qWait(50);
    QCOMPARE(transcript.hostFrames().size(), sent); // nothing went out, not even a handshake
}

QTEST_GUILESS_MAIN(TestTransferSequences)
#include "test_transfer_sequences.moc"
