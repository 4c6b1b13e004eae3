#include "file/channel_csv.h"

#include <QtTest>

// The channel table as CSV: export, import and its checks.
class ChannelCsvTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImport_roundTrip();
    void import_acceptsSpreadsheetForms_data();
    void import_acceptsSpreadsheetForms();
    void importError_namesPlaceAndChangesNothing_data();
    void importError_namesPlaceAndChangesNothing();
};

namespace {

const QByteArray kHeader = "Channel,Frequency1,Tone1,Frequency2,Tone2,Power,SwitchA,SwitchB\r\n";

// Cells that differ from an empty table, to see that a failed import changed nothing.
ChannelCells sentinel() {
    ChannelCells cells;
    cells.rows[7] = {"440.00000", "D754I", "", "OFF", "Low", "OFF", "ON"};
    return cells;
}

} // namespace

void ChannelCsvTest::exportThenImport_roundTrip() {
    ChannelCells cells;
    cells.rows[0] = {"145,00000", "禁用", "145,00000", "88.5", "高功率", "启用", "禁用"};
    cells.rows[4] = {"136,00625", "D023I", "", "禁用", "低功率", "禁用", "启用"};
    cells.rows[15] = {"550,00000", "OFF", "100,00000", "254.1", "High", "ON", "ON"};
    cells.rows[9] = {"", "88.5", "", "", "", "", ""}; // not a channel: not exported

    const QByteArray csv = channelsToCsv(cells);
    QCOMPARE(csv, kHeader + "1,145.00000,OFF,145.00000,88.5,High,ON,OFF\r\n"
                            "5,136.00625,D023I,,OFF,Low,OFF,ON\r\n"
                            "16,550.00000,OFF,100.00000,254.1,High,ON,ON\r\n");

    ChannelCells read = sentinel();
    const FileResult result = channelsFromCsv(csv, QLatin1Char(','), read);
    QVERIFY2(result.ok(), qPrintable(result.error));
    ChannelCells expected;
    expected.rows[0] = {"145,00000", "OFF", "145,00000", "88.5", "High", "ON", "OFF"};
    expected.rows[4] = {"136,00625", "D023I", "", "OFF", "Low", "OFF", "ON"};
    expected.rows[15] = cells.rows[15];
    QVERIFY(read == expected);
}

void ChannelCsvTest::import_acceptsSpreadsheetForms_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QStringList>("row");
    const QStringList plain = {"145.10000", "OFF", "145.10000", "D023N", "Low", "ON", "OFF"};
    QTest::newRow("trailing zeros dropped, lower-case words")
        << kHeader + "1,145.1,off,145.1000,d023n,low,on,Off\r\n"
        << plain;
    QTest::newRow("quotes, blanks, BOM, LF ends, blank lines")
        << "\xEF\xBB\xBF" + kHeader.trimmed() +
               "\n\n \"1\" ,\"145.1\",OFF, 145.10000 ,D023N,Low,ON,OFF\n\n"
        << plain;
    QTest::newRow("whole MHz at both ends of the range")
        << kHeader + "1,550,OFF,100,OFF,High,ON,OFF"
        << QStringList{"550.00000", "OFF", "100.00000", "OFF", "High", "ON", "OFF"};
}

void ChannelCsvTest::import_acceptsSpreadsheetForms() {
    QFETCH(QByteArray, csv);
    QFETCH(QStringList, row);
    ChannelCells cells;
    const FileResult result = channelsFromCsv(csv, QLatin1Char('.'), cells);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(QStringList(cells.rows[0].begin(), cells.rows[0].end()), row);
}

void ChannelCsvTest::importError_namesPlaceAndChangesNothing_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("message");
    const QByteArray good = "1,145.00000,OFF,145.00000,OFF,High,ON,OFF\r\n"
                            "2,146.00000,88.5,,D023N,Low,OFF,ON\r\n"
                            "3,147.00000,OFF,147.00000,OFF,High,ON,OFF\r\n";
    auto line5 = [&good](const QByteArray& row) { return kHeader + good + row + "\r\n"; };

    QTest::newRow("frequency shape")
        << line5("4,145.000001,OFF,,OFF,High,ON,OFF")
        << "Line 5, column 2: '145.000001' is not a frequency from 100.00000 to 550.00000 MHz";
    QTest::newRow("comma in a frequency")
        << line5("4,\"145,00000\",OFF,,OFF,High,ON,OFF")
        << "Line 5, column 2: '145,00000' is not a frequency from 100.00000 to 550.00000 MHz";
    QTest::newRow("below the range")
        << line5("4,99.99999,OFF,,OFF,High,ON,OFF")
        << "Line 5, column 2: '99.99999' is not a frequency from 100.00000 to 550.00000 MHz";
    QTest::newRow("above the range")
        << line5("4,145.00000,OFF,550.00001,OFF,High,ON,OFF")
        << "Line 5, column 4: '550.00001' is not a frequency from 100.00000 to 550.00000 MHz";
    QTest::newRow("no first frequency") << line5("4,,OFF,145.00000,OFF,High,ON,OFF")
                                        << "Line 5, column 2: a channel needs its first frequency";
    QTest::newRow("tone not in the list")
        << line5("4,145.00000,OFF,,88.6,High,ON,OFF")
        << "Line 5, column 5: '88.6' is not OFF or a tone of the tone list";
    QTest::newRow("empty tone") << line5("4,145.00000,,,OFF,High,ON,OFF")
                                << "Line 5, column 3: '' is not OFF or a tone of the tone list";
    QTest::newRow("Chinese word") << line5("4,145.00000,OFF,,OFF,高功率,ON,OFF")
                                  << "Line 5, column 6: '高功率' is not High or Low";
    QTest::newRow("switch word") << line5("4,145.00000,OFF,,OFF,High,ON,yes")
                                 << "Line 5, column 8: 'yes' is not ON or OFF";
    QTest::newRow("channel 17") << line5("17,145.00000,OFF,,OFF,High,ON,OFF")
                                << "Line 5, column 1: '17' is not a channel number from 1 to 16";
    QTest::newRow("channel 0") << line5("0,145.00000,OFF,,OFF,High,ON,OFF")
                               << "Line 5, column 1: '0' is not a channel number from 1 to 16";
    QTest::newRow("channel twice") << line5("2,145.00000,OFF,,OFF,High,ON,OFF")
                                   << "Line 5, column 1: channel 2 appears more than once";
    QTest::newRow("field missing")
        << line5("4,145.00000,OFF,,OFF,High,ON") << "Line 5, column 8: expected 8 fields, found 7";
    QTest::newRow("field too many") << line5("4,145.00000,OFF,,OFF,High,ON,OFF,x")
                                    << "Line 5, column 9: expected 8 fields, found 9";
    QTest::newRow("unclosed quote") << line5("4,145.00000,\"OFF,,OFF,High,ON,OFF")
                                    << "Line 5, column 3: a quoted field is not closed";
    QTest::newRow("header") << QByteArray("Channel,Freq1\r\n") + good
                            << "Line 1, column 2: expected the header row "
                               "Channel,Frequency1,Tone1,Frequency2,Tone2,Power,SwitchA,SwitchB";
    QTest::newRow("empty file")
        << QByteArray()
        << "Line 1, column 1: expected the header row "
           "Channel,Frequency1,Tone1,Frequency2,Tone2,Power,SwitchA,SwitchB";
    QTest::newRow("not UTF-8") << kHeader + "1,145.00000,\xff,,OFF,High,ON,OFF\r\n"
                               << "Line 2, column 1: the line is not UTF-8 text";
}

void ChannelCsvTest::importError_namesPlaceAndChangesNothing() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, message);
    ChannelCells cells = sentinel();
    QCOMPARE(channelsFromCsv(csv, QLatin1Char('.'), cells).error, message);
    QVERIFY(cells == sentinel());
}

QTEST_GUILESS_MAIN(ChannelCsvTest)
#include "test_channel_csv.moc"
