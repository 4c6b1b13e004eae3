#include "codeplug/channel_commit.h"
#include "codeplug/channel_table.h"
#include "i18n/stored_texts.h"

#include <QtTest>

// Committing the edited cell of a channel row.
class ChannelCommitTest : public QObject {
    Q_OBJECT
private slots:
    void sendallcell_data();
    void sendallcell();
    void sendallcell_failureKeepsRow();
    void sendallcell_rowZeroUntouched();
};

namespace {

StoredTexts chineseWords() {
    StoredTexts words;
    words.OffWord = QStringLiteral("禁用");
    words.OnWord = QStringLiteral("启用");
    words.HighWord = QStringLiteral("高功率");
    words.LowWord = QStringLiteral("低功率");
    return words;
}

void setRow(ChannelTable& table, int row, const QStringList& cells) {
    for (int column = 1; column <= 7; ++column)
        table.setCell(column, row, cells.value(column - 1));
}

QStringList rowOf(const ChannelTable& table, int row) {
    QStringList cells;
    for (int column = 1; column <= 7; ++column)
        cells << table.cell(column, row);
    return cells;
}

const QStringList kNeighbour = {"150.00000", "88.5", "", "D023N", "低功率", "禁用", "启用"};

} // namespace

void ChannelCommitTest::sendallcell_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("after");
    const QStringList fresh145 = {"145.00000", "禁用", "145.00000", "禁用",
                                  "高功率",    "启用", "禁用"};
    const QStringList existing = {"145.00000", "88.5", "146.00000", "D754I",
                                  "低功率",    "禁用", "启用"};

    QTest::newRow("new channel gets the defaults")
        << QChar('.') << QStringList{"145"} << 1 << fresh145;
    QTest::newRow("new channel with comma locale")
        << QChar(',') << QStringList{"145"} << 1
        << QStringList{"145,00000", "禁用", "145,00000", "禁用", "高功率", "启用", "禁用"};
    QTest::newRow("loaded without Tone1: all defaults, Frequency2 copied")
        << QChar('.') << QStringList{"145", "", "430.00000", "88.5", "低功率"} << 1 << fresh145;
    QTest::newRow("without Tone1, committed from Frequency2")
        << QChar('.') << QStringList{"145", "", "430"} << 3 << fresh145;
    QTest::newRow("without Tone1, committed from a word column")
        << QChar('.') << QStringList{"145", "", "", "", "低功率"} << 5 << fresh145;
    QTest::newRow("Frequency1 edit is formatted")
        << QChar('.')
        << QStringList{"145.1", "88.5", "146.00000", "D754I", "低功率", "禁用", "启用"} << 1
        << QStringList{"145.10000", "88.5", "146.00000", "D754I", "低功率", "禁用", "启用"};
    QTest::newRow("Frequency2 edit is formatted")
        << QChar('.')
        << QStringList{"145.00000", "88.5", "146.126", "D754I", "低功率", "禁用", "启用"} << 3
        << QStringList{"145.00000", "88.5", "146.13000", "D754I", "低功率", "禁用", "启用"};
    QStringList noFrequency2 = existing;
    noFrequency2[2].clear();
    QTest::newRow("emptied Frequency2 stays empty")
        << QChar('.') << noFrequency2 << 3 << noFrequency2;
    QStringList noFrequency1 = existing;
    noFrequency1[0].clear();
    QTest::newRow("emptied Frequency1 empties the row")
        << QChar('.') << noFrequency1 << 1 << QStringList(7, QString());
    QTest::newRow("empty row stays empty")
        << QChar('.') << QStringList(7, QString()) << 4 << QStringList(7, QString());
    for (int column : {2, 4, 5, 6, 7})
        QTest::addRow("column %d of a channel changes nothing", column)
            << QChar('.') << existing << column << existing;
}

void ChannelCommitTest::sendallcell() {
    QFETCH(QChar, separator);
    QFETCH(QStringList, before);
    QFETCH(int, column);
    QFETCH(QStringList, after);
    ChannelTable table;
    setRow(table, 7, before);
    setRow(table, 6, kNeighbour);
    setRow(table, 8, kNeighbour);

    QCOMPARE(::sendallcell(table, column, 7, chineseWords(), separator), std::nullopt);

    QCOMPARE(rowOf(table, 7), after);
    QCOMPARE(rowOf(table, 6), kNeighbour);
    QCOMPARE(rowOf(table, 8), kNeighbour);
    QCOMPARE(table.cell(0, 7), QStringLiteral("07"));
}

void ChannelCommitTest::sendallcell_failureKeepsRow() {
    ChannelTable table;
    const QStringList row = {"145.00000", "88.5", "146,5", "D754I", "低功率", "禁用", "启用"};
    setRow(table, 2, row);
    QCOMPARE(::sendallcell(table, 3, 2, chineseWords(), QChar('.')),
             QStringLiteral("'146,5' is not a valid floating point value"));
    QCOMPARE(rowOf(table, 2), row);

    setRow(table, 3, {"abc"});
    QVERIFY(::sendallcell(table, 1, 3, chineseWords(), QChar('.')).has_value());
    QCOMPARE(rowOf(table, 3), QStringList({"abc", "", "", "", "", "", ""}));
}

void ChannelCommitTest::sendallcell_rowZeroUntouched() {
    ChannelTable table;
    table.setCell(1, 0, QStringLiteral("Heading"));
    QCOMPARE(::sendallcell(table, 1, 0, chineseWords(), QChar('.')), std::nullopt);
    QCOMPARE(table.cell(1, 0), QStringLiteral("Heading"));
}

QTEST_GUILESS_MAIN(ChannelCommitTest)
#include "test_channel_commit.moc"
