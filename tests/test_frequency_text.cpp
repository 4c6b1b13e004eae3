#include "codeplug/channel_commit.h"
#include "codeplug/channel_table.h"
#include "codeplug/frequency_text.h"

#include <QtTest>

// Formatting a typed frequency, with either decimal separator.
class FrequencyTextTest : public QObject {
    Q_OBJECT
private slots:
    void sendcell_formats_data();
    void sendcell_formats();
    void sendcell_refusesText_data();
    void sendcell_refusesText();
};

void FrequencyTextTest::sendcell_formats_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const QList<QPair<const char*, const char*>> cases = {
        {"145", "145.00000"},      {"136.12", "136.12000"},    {"136.1234", "136.12500"},
        {"136.126", "136.13000"},  {"136.0063", "136.01000"},  {"136.00625", "136.00625"},
        {"99", "100.00000"},       {"1234", "550.00000"},      {"550.00000", "550.00000"},
        {"136.1201", "136.12500"}, {"438.57500", "438.57500"}, {"145.1", "145.10000"},
        {"100", "100.00000"},      {"-5", "100.00000"},        {"549.99999", "550.00000"},
        {" 145.5 ", "145.50000"},
        // Decimals that binary floating point holds a hair low: never lowered to the
        // raster point below what was typed.
        {"100.1051", "100.10625"}, {"100.1201", "100.12500"}, {"136.0501", "136.05500"},
    };
    for (QChar separator : {QChar('.'), QChar(',')}) {
        for (const auto& [typed, expected] : cases) {
            QString in = QString::fromLatin1(typed).replace('.', separator);
            QString out = QString::fromLatin1(expected).replace('.', separator);
            QTest::addRow("'%s' -> %s", qPrintable(in), qPrintable(out)) << separator << in << out;
        }
    }
}

void FrequencyTextTest::sendcell_formats() {
    QFETCH(QChar, separator);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    ChannelTable table;
    table.setCell(ChannelTable::Frequency1, 3, typed);
    QCOMPARE(sendcell(table, ChannelTable::Frequency1, 3, separator), std::nullopt);
    QCOMPARE(table.cell(ChannelTable::Frequency1, 3), expected);
}

void FrequencyTextTest::sendcell_refusesText_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("typed");
    QTest::newRow("letters") << QChar('.') << "abc";
    QTest::newRow("empty") << QChar('.') << "";
    QTest::newRow("comma with dot locale") << QChar('.') << "136,5";
    QTest::newRow("dot with comma locale") << QChar(',') << "136.5";
    QTest::newRow("two separators") << QChar('.') << "136.5.1";
    QTest::newRow("separator alone") << QChar('.') << ".";
    QTest::newRow("word") << QChar(',') << "OFF";
}

void FrequencyTextTest::sendcell_refusesText() {
    QFETCH(QChar, separator);
    QFETCH(QString, typed);
    ChannelTable table;
    table.setCell(ChannelTable::Frequency2, 16, typed);
    QCOMPARE(sendcell(table, ChannelTable::Frequency2, 16, separator),
             QStringLiteral("'%1' is not a valid floating point value").arg(typed));
    QCOMPARE(table.cell(ChannelTable::Frequency2, 16), typed);
}

QTEST_GUILESS_MAIN(FrequencyTextTest)
#include "test_frequency_text.moc"
