#include "codeplug/tone_list.h"
#include "radio/band_codec.h"
#include "radio/calibration_codec.h"
#include "radio/channel_flags_codec.h"
#include "radio/frequency_codec.h"
#include "radio/options_codec.h"
#include "radio/tone_codec.h"

#include <QtTest>

namespace {
const VocabularyWords kWords{QStringLiteral("Off"), QStringLiteral("High"), QStringLiteral("Low"),
                             QStringLiteral("On")};

// A read reply: four header bytes, then the sixteen data digits.
QString reply(const QString& data) {
    return QStringLiteral("52001008") + data;
}
} // namespace

// The conversions between the radio's memory blocks and the texts the user edits.
class TestMemoryMap : public QObject {
    Q_OBJECT
private slots:
    void frequencyDecodes_data();
    void frequencyDecodes();
    void frequencyEncodes_data();
    void frequencyEncodes();
    void unsendableCellNamesChannelAndColumn();
    void everyListedToneRoundTrips();
    void toneDecodes_data();
    void toneDecodes();
    void toneEncodes_data();
    void toneEncodes();
    void channelFlagsDecode_data();
    void channelFlagsDecode();
    void channelFlagsEncode_data();
    void channelFlagsEncode();
    void optionsDecode_data();
    void optionsDecode();
    void optionsRoundTrip();
    void optionsOutsideTheirListsDoNotEncode();
    void bandEncodes_data();
    void bandEncodes();
    void bandDecodes_data();
    void bandDecodes();
    void calibrationCodes_data();
    void calibrationCodes();
    void calibrationErrors();
};

void TestMemoryMap::frequencyDecodes_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("position");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("cell"); // "!" for a decode error
    const QString both = QStringLiteral("0000501425066044");
    QTest::newRow("145.00000") << both << 15 << QChar('.') << "145.00000";
    QTest::newRow("446.00625 second") << both << 23 << QChar('.') << "446.00625";
    QTest::newRow("comma separator") << both << 15 << QChar(',') << "145,00000";
    QTest::newRow("erased") << "FFFFFFFF25066044" << 15 << QChar('.') << "";
    QTest::newRow("erased second") << "00005014FFFFFFFF" << 23 << QChar('.') << "";
    QTest::newRow("letter digit") << "0000501A25066044" << 15 << QChar('.') << "!";
    QTest::newRow("half erased") << "FFFF501425066044" << 15 << QChar('.') << "!";
    QTest::newRow("short reply") << "000050142506" << 23 << QChar('.') << "!";
}

void TestMemoryMap::frequencyDecodes() {
    QFETCH(QString, data);
    QFETCH(int, position);
    QFETCH(QChar, separator);
    QFETCH(QString, cell);
    const auto decoded = sendfre(reply(data), position, separator);
    QCOMPARE(decoded.ok(), cell != "!");
    if (decoded)
        QCOMPARE(decoded.value(), cell);
    else
        QVERIFY(!decoded.error().isEmpty());
}

void TestMemoryMap::frequencyEncodes_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("stored"); // empty for an encode error
    QTest::newRow("145.00000") << "145.00000"
                               << "00005014";
    QTest::newRow("446.00625") << "446.00625"
                               << "25066044";
    QTest::newRow("comma writes the same") << "446,00625"
                                           << "25066044";
    QTest::newRow("empty is erased") << ""
                                     << "FFFFFFFF";
    QTest::newRow("too short") << "145.0000"
                               << "";
    QTest::newRow("letter") << "14x.00000"
                            << "";
}

void TestMemoryMap::frequencyEncodes() {
    QFETCH(QString, cell);
    QFETCH(QString, stored);
    QCOMPARE(encodeFrequency(cell).value_or(QString()), stored);
}

void TestMemoryMap::unsendableCellNamesChannelAndColumn() {
    ChannelTable table;
    table.setCell(ChannelTable::Frequency2, 0, QStringLiteral("TX frequency"));
    table.setCell(ChannelTable::Frequency2, 7, QStringLiteral("12.5"));
    table.setCell(ChannelTable::Tone1, 9, QStringLiteral("67"));

    const auto frequency = WriteFre(table, ChannelTable::Frequency2, 7);
    QVERIFY(!frequency);
    QVERIFY(frequency.error().contains("Channel 7"));
    QVERIFY(frequency.error().contains("TX frequency"));
    QVERIFY(frequency.error().contains("12.5"));

    // Without a heading the column is named by number.
    const auto tone = writeCTC(table, ChannelTable::Tone1, 9, kWords);
    QVERIFY(!tone);
    QVERIFY(tone.error().contains("Channel 9"));
    QVERIFY(tone.error().contains("column 2"));
}

void TestMemoryMap::everyListedToneRoundTrips() {
    for (const QString& tone : ToneList::tones()) {
        const auto stored = encodeTone(tone, kWords.OffWord);
        QVERIFY2(stored && stored->size() == 4, qPrintable(tone));
        QCOMPARE(sendCTC(*stored, kWords.OffWord).value(), tone);
    }
}

void TestMemoryMap::toneDecodes_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text"); // "!" for a decode error
    QTest::newRow("67.0") << "7006"
                          << "67.0";
    QTest::newRow("131.8") << "1813"
                           << "131.8";
    QTest::newRow("D023N") << "2380"
                           << "D023N";
    QTest::newRow("D754I") << "54C7"
                           << "D754I";
    QTest::newRow("no tone") << "FFFF"
                             << "Off";
    QTest::newRow("lead 4 reads as below 100 Hz") << "6745"
                                                  << "56.7";
    QTest::newRow("letter in a CTCSS tone") << "7A06"
                                            << "!";
    QTest::newRow("8 in a DCS code") << "2880"
                                     << "!";
    QTest::newRow("short") << "700"
                           << "!";
}

void TestMemoryMap::toneDecodes() {
    QFETCH(QString, stored);
    QFETCH(QString, text);
    const auto decoded = sendCTC(stored, kWords.OffWord);
    QCOMPARE(decoded.ok(), text != "!");
    if (decoded)
        QCOMPARE(decoded.value(), text);
}

void TestMemoryMap::toneEncodes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // empty for an encode error
    QTest::newRow("empty") << ""
                           << "FFFF";
    QTest::newRow("off word") << "Off"
                              << "FFFF";
    QTest::newRow("blanks around") << " 67.0 "
                                   << "7006";
    QTest::newRow("other language's off word") << "OFF"
                                               << "";
    QTest::newRow("no decimal") << "67"
                                << "";
    QTest::newRow("DCS not octal") << "D028N"
                                   << "";
    QTest::newRow("too long") << "1318.8"
                              << "";
}

void TestMemoryMap::toneEncodes() {
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(encodeTone(text, kWords.OffWord).value_or(QString()), stored);
}

void TestMemoryMap::channelFlagsDecode_data() {
    QTest::addColumn<QChar>("digit");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("F4") << QChar('4') << QStringList{"Low", "Off", "On"};
    QTest::newRow("FF") << QChar('F') << QStringList{"High", "On", "Off"};
    QTest::newRow("FD") << QChar('D') << QStringList{"High", "Off", "Off"};
    QTest::newRow("F6") << QChar('6') << QStringList{"Low", "On", "On"};
    for (const char digit : {'0', '3', '8', 'B'})
        QTest::newRow(qPrintable(QStringLiteral("low digit %1").arg(digit)))
            << QChar(digit) << QStringList{"Low", "Off", "On"};
}

void TestMemoryMap::channelFlagsDecode() {
    QFETCH(QChar, digit);
    QFETCH(QStringList, cells);
    ChannelTable table;
    sendCan(digit, 3, table, kWords);
    QCOMPARE((QStringList{table.cell(ChannelTable::Power, 3), table.cell(ChannelTable::SwitchA, 3),
                          table.cell(ChannelTable::SwitchB, 3)}),
             cells);
}

void TestMemoryMap::channelFlagsEncode_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("stored");
    QTest::newRow("new channel defaults") << QStringList{"High", "On", "Off"} << "FF";
    QTest::newRow("all opposite") << QStringList{"Low", "Off", "On"} << "F4";
    QTest::newRow("high, off, on") << QStringList{"High", "Off", "On"} << "FC";
    QTest::newRow("all empty") << QStringList{"", "", ""} << "FF";
    QTest::newRow("words of another case") << QStringList{"HIGH", "on", "off"} << "F4";
}

void TestMemoryMap::channelFlagsEncode() {
    QFETCH(QStringList, cells);
    QFETCH(QString, stored);
    ChannelTable table;
    table.setCell(ChannelTable::Power, 5, cells[0]);
    table.setCell(ChannelTable::SwitchA, 5, cells[1]);
    table.setCell(ChannelTable::SwitchB, 5, cells[2]);
    QCOMPARE(writecan(table, 5, kWords), stored);
}

void TestMemoryMap::optionsDecode_data() {
    using Indexes = FunctionOptions::Indexes;
    QTest::addColumn<QString>("data");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<Indexes>("indexes"); // Squelch BatSave TimeOut Voice PromptTone AlarmKey Scan
    QTest::newRow("fresh radio") << "FF02FF04FF00FFFF" << true << Indexes{2, 1, 4, 0, 1, 1, 1};
    QTest::newRow("all bits, scan on")
        << "FD09FF07FF04FEFF" << true << Indexes{9, 1, 7, 4, 0, 1, 0};
    QTest::newRow("byte 0 below 8") << "F503FF01FF02FFFF" << true << Indexes{3, 0, 1, 2, 0, 0, 1};
    QTest::newRow("byte 6 neither FF nor FE")
        << "F800FF00FF0012FF" << true << Indexes{0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("erased block") << "FFFFFFFFFFFFFFFF" << false << Indexes{};
    QTest::newRow("time-out 8 not in list") << "F800FF08FF00FFFF" << false << Indexes{};
    QTest::newRow("voice 5 not in list") << "F800FF00FF05FFFF" << false << Indexes{};
    QTest::newRow("short reply") << "F800FF00FF" << false << Indexes{};
}

void TestMemoryMap::optionsDecode() {
    QFETCH(QString, data);
    QFETCH(bool, ok);
    QFETCH(FunctionOptions::Indexes, indexes);
    const auto decoded = decodeOptions(reply(data));
    QCOMPARE(decoded.ok(), ok);
    if (ok)
        QVERIFY(decoded.value() == indexes);
    else
        QVERIFY(!decoded.error().isEmpty());
}

void TestMemoryMap::optionsRoundTrip() {
    const FunctionOptions::Indexes cases[] = {FunctionOptions::StartIndexes,
                                              {0, 0, 0, 0, 0, 0, 0},
                                              {9, 1, 7, 4, 1, 1, 1},
                                              {5, 0, 2, 3, 1, 0, 0}};
    for (const auto& indexes : cases) {
        const auto block = writexuan(indexes);
        QVERIFY(block);
        QCOMPARE(block.value().size(), 16);
        QVERIFY(decodeOptions(reply(*block)).value() == indexes);
    }
    QCOMPARE(writexuan(FunctionOptions::StartIndexes).value(), "FF02FF04FF00FFFF");
    QCOMPARE(writexuan({0, 0, 0, 0, 0, 0, 0}).value(), "F800FF00FF00FEFF");
}

void TestMemoryMap::optionsOutsideTheirListsDoNotEncode() {
    for (int field = 0; field < FunctionOptions::FieldCount; ++field) {
        FunctionOptions::Indexes indexes = FunctionOptions::StartIndexes;
        indexes[field] = -1;
        QVERIFY(!writexuan(indexes));
        indexes[field] = int(FunctionOptions::designEntries(field).size());
        QVERIFY(!writexuan(indexes));
    }
}

void TestMemoryMap::bandEncodes_data() {
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("stored"); // empty for an encode error
    QTest::newRow("136-174MHz") << "136-174MHz"
                                << "60134017FFFFFFFF";
    QTest::newRow("400-470MHz") << "400-470MHz"
                                << "00400047FFFFFFFF";
    QTest::newRow("no band selected") << ""
                                      << "";
    QTest::newRow("not the form") << "136-174 MHz"
                                  << "";
    QTest::newRow("letter") << "1x6-174MHz"
                            << "";
}

void TestMemoryMap::bandEncodes() {
    QFETCH(QString, band);
    QFETCH(QString, stored);
    const auto encoded = encodeBand(band);
    QCOMPARE(encoded.ok(), !stored.isEmpty());
    if (encoded)
        QCOMPARE(encoded.value(), stored);
}

void TestMemoryMap::bandDecodes_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("band"); // empty for a decode error
    QTest::newRow("136-174MHz") << "60134017FFFFFFFF"
                                << "136-174MHz";
    QTest::newRow("400-470MHz") << "00400047FFFFFFFF"
                                << "400-470MHz";
    QTest::newRow("100 kHz digit dropped") << "65134917FFFFFFFF"
                                           << "136-174MHz";
    QTest::newRow("erased") << "FFFFFFFFFFFFFFFF"
                            << "";
    QTest::newRow("short") << "601340"
                           << "";
}

void TestMemoryMap::bandDecodes() {
    QFETCH(QString, data);
    QFETCH(QString, band);
    const auto decoded = decodeBand(reply(data));
    QCOMPARE(decoded.ok(), !band.isEmpty());
    if (decoded)
        QCOMPARE(decoded.value(), band);
}

void TestMemoryMap::calibrationCodes_data() {
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("stored");
    QTest::newRow("factory") << 160 << 50 << 2 << "A032F2FFFFFFFFFF";
    QTest::newRow("0 and 255") << 0 << 255 << 0 << "00FFF0FFFFFFFFFF";
}

void TestMemoryMap::calibrationCodes() {
    QFETCH(int, high);
    QFETCH(int, low);
    QFETCH(int, level);
    QFETCH(QString, stored);
    const Calibration values{high, low, level};
    QCOMPARE(encodeCalibration(values).value(), stored);
    QVERIFY(decodeCalibration(reply(stored)).value() == values);
}

void TestMemoryMap::calibrationErrors() {
    QVERIFY(!encodeCalibration({256, 0, 0}));
    QVERIFY(!encodeCalibration({0, -1, 0}));
    QVERIFY(!encodeCalibration({0, 0, 3}));
    QVERIFY(!decodeCalibration(reply("FFFFFFFFFFFFFFFF")));
    QVERIFY(!decodeCalibration(reply("A032F3FFFFFFFFFF")));
    QVERIFY(!decodeCalibration(reply("A032F")));
}

QTEST_GUILESS_MAIN(TestMemoryMap)
#include "test_memory_map.moc"
