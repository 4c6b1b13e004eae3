#include "codeplug/codeplug.h"
#include "file/codeplug_file.h"
#include "file/gbk_text.h"
#include "file/qcf_file.h"
#include "i18n/vocabulary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// The codeplug file: writing it, reading it by position, refusing bad files.
class QcfFileTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenOpen_restoresEverything();
    void save_writesExampleByteForByte();
    void open_readsByPosition_data();
    void open_readsByPosition();
    void open_carriesWordsIntoCurrentLanguage_data();
    void open_carriesWordsIntoCurrentLanguage();
    void wordLanguage_followsTheFile();
    void openBadContent_changesNothing_data();
    void openBadContent_changesNothing();
    void openUnreadable_changesNothing_data();
    void openUnreadable_changesNothing();
    void saveFailure_keepsOldFile_data();
    void saveFailure_keepsOldFile();
};

namespace {

using Cells = QStringList; // the seven values of one row

const Cells kChannel1 = {"145.00000", "禁用", "145.00000", "禁用", "高功率", "启用", "禁用"};

void setRow(ChannelTable& table, int row, const Cells& cells) {
    for (int column = 1; column <= 7; ++column)
        table.setCell(column, row, cells.value(column - 1));
}

// "row=v1|v2|..|v7" for each non-empty row: a compact picture of the channels.
QStringList filledRows(const ChannelCells& cells) {
    QStringList rows;
    for (int row = 0; row < 16; ++row) {
        const QStringList values(cells.rows[row].begin(), cells.rows[row].end());
        if (!values.join(QString()).isEmpty())
            rows << QStringLiteral("%1=%2").arg(row + 1).arg(values.join('|'));
    }
    return rows;
}

QByteArray gbk(const QString& text) {
    return toGbk(text).value();
}

// Lines ended by CR LF, in GBK.
QByteArray fileOf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += gbk(line) + "\r\n";
    return bytes;
}

QString channelLine(int number, const Cells& cells) {
    QString line = QStringLiteral("CH%1 | ").arg(number, 2, 10, QLatin1Char('0'));
    for (int column = 0; column < 7; ++column)
        line += cells.value(column) + QStringLiteral(" | ");
    return line;
}

// A well-formed file: header, band, options at the cleared values, the given channel
// lines (all sixteen empty when none are given).
QStringList exampleLines(const QString& bandLine = "BAND 136-174MHz",
                         QStringList channels = QStringList()) {
    QStringList lines = {"PX-4410 MEMORY CHANNEL",
                         "",
                         "",
                         bandLine,
                         "Squelch 2 2",
                         "BatSave 1 启用",
                         "TxT.O.T 3 3分钟",
                         "SCAN 1 禁用",
                         "TONE 1 启用",
                         "BAO 1 启用",
                         "VOICE 0 中文男声",
                         "",
                         ""};
    if (channels.isEmpty())
        for (int number = 1; number <= 16; ++number)
            channels << channelLine(number, {});
    return lines + channels;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A file content that differs from every default, to see that nothing changed.
QcfFile sentinel() {
    QcfFile file;
    file.band = QStringLiteral("400-470MHz");
    file.optionIndexes = {9, 0, 7, 4, 0, 0, 0};
    file.channels.rows[15] = {"440.00000", "D754I", "", "OFF", "Low", "OFF", "ON"};
    return file;
}

bool sameContent(const QcfFile& a, const QcfFile& b) {
    return a.band == b.band && a.optionIndexes == b.optionIndexes && a.channels == b.channels;
}

} // namespace

void QcfFileTest::saveThenOpen_restoresEverything() {
    Codeplug saved;
    saved.bands.append(BandList::DefaultBand);
    saved.bands.append(QStringLiteral("400-470MHz"));
    saved.bands.select(1);
    saved.options.setIndexes({9, 0, 7, 4, 0, 0, 0});
    setRow(saved.channels, 1, kChannel1);
    setRow(saved.channels, 2, {"136,00625", "D023N", "", "254.1", "低功率", "禁用", "启用"});
    setRow(saved.channels, 16,
           {"550.00000", "67.0", "100.00000", "D754I", "高功率", "启用", "启用"});

    QTemporaryDir dir;
    const QString path = dir.filePath("saved.qcf");
    QVERIFY(qcfFromCodeplug(saved).save(path).ok());

    QcfFile file;
    const FileResult loaded = file.load(path);
    QVERIFY2(loaded.ok(), qPrintable(loaded.error));
    Codeplug opened;
    opened.bands.append(BandList::DefaultBand);
    opened.bands.select(0);
    applyQcf(file, opened, vocabularyOf(Language::Chinese));

    QCOMPARE(opened.bands.selectedText(), QStringLiteral("400-470MHz"));
    QCOMPARE(opened.options.indexes(), saved.options.indexes());
    QCOMPARE(filledRows(cellsOf(opened.channels)), filledRows(cellsOf(saved.channels)));
    QCOMPARE(filledRows(cellsOf(opened.channels)).size(), 3);
}

void QcfFileTest::save_writesExampleByteForByte() {
    Codeplug codeplug;
    codeplug.bands.append(BandList::DefaultBand);
    codeplug.bands.select(0);
    ClearCodeplug(codeplug.options, codeplug.channels);
    setRow(codeplug.channels, 1, kChannel1);

    QTemporaryDir dir;
    const QString path = dir.filePath("example"); // no extension is added
    QVERIFY(qcfFromCodeplug(codeplug).save(path).ok());
    const QByteArray expected = readAll(QStringLiteral(VANTREL_TEST_DATA "/example.qcf"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(readAll(path), expected);
}

void QcfFileTest::open_readsByPosition_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QStringList>("rows");

    QStringList channels;
    for (int number = 1; number <= 16; ++number)
        channels << channelLine(number, {});
    const QString row1 = "1=" + kChannel1.join('|');

    channels[2] = channelLine(9, kChannel1);
    QTest::newRow("the third line fills row 3 whatever number it carries")
        << fileOf(exampleLines("BAND 136-174MHz", channels)) << "136-174MHz"
        << QStringList{"3=" + kChannel1.join('|')};

    channels = exampleLines().mid(13);
    channels[0] = "CH01 |  | 88.5 | 145.00000 | OFF | High | ON | OFF | ";
    QTest::newRow("an empty-row line keeps its row empty despite text after it")
        << fileOf(exampleLines("BAND 136-174MHz", channels)) << "136-174MHz" << QStringList();

    channels = exampleLines().mid(13);
    channels[0] = channelLine(1, kChannel1);
    channels[15] = channelLine(16, kChannel1);
    QTest::newRow("a short file leaves the later rows empty")
        << fileOf(exampleLines().mid(0, 13) + channels.mid(0, 1)) << "136-174MHz"
        << QStringList{row1};
    QTest::newRow("lines after the 29th are not read")
        << fileOf(exampleLines("BAND 136-174MHz", channels)) + "CH17 | \xff\xff | \r\n"
        << "136-174MHz" << QStringList{row1, "16=" + kChannel1.join('|')};

    channels = exampleLines().mid(13);
    channels[0] = "CH01 | 145.00000 | 88.5";
    QTest::newRow("a field without its separator after it is not read")
        << fileOf(exampleLines("BAND 136-174MHz", channels)) << "136-174MHz"
        << QStringList{"1=145.00000||||||"};

    QTest::newRow("a longer band line is cut to ten characters")
        << fileOf(exampleLines("BAND 136-174MHz and more")) << "136-174MHz" << QStringList();
    QTest::newRow("a shorter band line gives a shorter name")
        << fileOf(exampleLines("BAND 430")) << "430" << QStringList();
    QTest::newRow("no band after the keyword")
        << fileOf(exampleLines("BAND ")) << "" << QStringList();
    QTest::newRow("a character cut by the tenth position is dropped")
        << fileOf(exampleLines("BAND 136-174MH频段")) << "136-174MH" << QStringList();

    QStringList lines = exampleLines();
    lines[0] = "SOMETHING ELSE";
    lines[4] = "xxxxxxx 2 anything";
    lines[11] = "not empty";
    QTest::newRow("header, keywords and spacer lines are not compared")
        << fileOf(lines) << "136-174MHz" << QStringList();

    QByteArray lfOnly =
        fileOf(exampleLines("BAND 136-174MHz", QStringList{channelLine(1, kChannel1)}));
    lfOnly.replace("\r\n", "\n");
    lfOnly.chop(1); // and no end on the last line
    QTest::newRow("LF line ends, last line unended") << lfOnly << "136-174MHz" << QStringList{row1};
}

void QcfFileTest::open_readsByPosition() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, band);
    QFETCH(QStringList, rows);
    QcfFile file = sentinel();
    const FileResult result = file.parse(bytes);
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(file.band, band);
    QCOMPARE(file.optionIndexes, FunctionOptions::ClearedIndexes);
    QCOMPARE(filledRows(file.channels), rows);
}

void QcfFileTest::open_carriesWordsIntoCurrentLanguage_data() {
    QTest::addColumn<QStringList>("fileRow");
    QTest::addColumn<int>("current"); // -1: no language applied yet
    QTest::addColumn<QStringList>("row");
    const QStringList english = {"145.00000", "OFF", "", "OFF", "High", "ON", "OFF"};
    const QStringList chinese = {"145.00000", "禁用", "", "禁用", "高功率", "启用", "禁用"};
    const int zh = int(Language::Chinese);
    const int en = int(Language::English);
    QTest::newRow("English file, Chinese applied") << english << zh << chinese;
    QTest::newRow("Chinese file, English applied") << chinese << en << english;
    QTest::newRow("same language stays") << english << en << english;
    QTest::newRow("no language applied: as stored") << english << -1 << english;
    QTest::newRow("only OffWord is a tone word")
        << QStringList{"145.00000", "ON", "", "Low", "Low", "OFF", "ON"} << zh
        << QStringList{"145.00000", "ON", "", "Low", "低功率", "禁用", "启用"};
}

void QcfFileTest::open_carriesWordsIntoCurrentLanguage() {
    QFETCH(QStringList, fileRow);
    QFETCH(int, current);
    QFETCH(QStringList, row);
    QcfFile file;
    QVERIFY(file.parse(fileOf(exampleLines("BAND 136-174MHz", {channelLine(1, fileRow)}))).ok());
    Codeplug codeplug;
    const VocabularyWords words = current < 0 ? VocabularyWords() : vocabularyOf(Language(current));
    applyQcf(file, codeplug, words);
    QCOMPARE(filledRows(cellsOf(codeplug.channels)), QStringList{"1=" + row.join('|')});
    QCOMPARE(codeplug.bands.entries(), QStringList{"136-174MHz"}); // the missing band was added
    QCOMPARE(codeplug.bands.selectedIndex(), 0);
}

void QcfFileTest::wordLanguage_followsTheFile() {
    QcfFile file;
    QVERIFY(file.parse(fileOf(exampleLines())).ok());
    QCOMPARE(wordLanguageOf(file), Language::Chinese);
    QStringList lines = exampleLines();
    lines[5] = "BatSave 1 ON"; // saved while English was applied, no channels
    QVERIFY(file.parse(fileOf(lines)).ok());
    QCOMPARE(wordLanguageOf(file), Language::English);
}

void QcfFileTest::openBadContent_changesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    auto withLine = [](int index, const QString& text) {
        QStringList lines = exampleLines();
        lines[index] = text;
        return fileOf(lines);
    };
    QTest::newRow("index -1") << withLine(4, "Squelch -1 ") << "'-1' is not a valid integer value";
    QTest::newRow("a letter") << withLine(8, "TONE x 启用") << "'x' is not a valid integer value";
    QTest::newRow("index missing") << withLine(10, "VOICE") << "'' is not a valid integer value";
    QTest::newRow("a digit beyond the list")
        << withLine(5, "BatSave 5 启用")
        << "Line 6 of the file: the option value 5 is not one of 0 to 1";
    QTest::newRow("a file that ends before the options")
        << fileOf(exampleLines().mid(0, 8)) << "'' is not a valid integer value";
    QTest::newRow("an empty file") << QByteArray() << "'' is not a valid integer value";
    QTest::newRow("a cell that is not GBK")
        << fileOf(exampleLines().mid(0, 13)) + "CH01 | 145.00000 | \xff\xff | \r\n"
        << "Line 14 of the file holds bytes that are not GBK text";
}

void QcfFileTest::openBadContent_changesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.qcf");
    writeAll(path, bytes);
    QcfFile file = sentinel();
    QCOMPARE(file.load(path).error, message);
    QVERIFY(sameContent(file, sentinel()));
}

void QcfFileTest::openUnreadable_changesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << "missing.qcf"
                                  << "No such file or directory";
    QTest::newRow("a folder") << "."
                              << "file to open is a directory";
}

void QcfFileTest::openUnreadable_changesNothing() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QcfFile file = sentinel();
    QCOMPARE(file.load(dir.filePath(name)).error, message);
    QVERIFY(sameContent(file, sentinel()));
}

void QcfFileTest::saveFailure_keepsOldFile_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("message");
    QTest::newRow("read-only folder") << "read-only"
                                      << "Permission denied";
    QTest::newRow("write cut short by the size limit") << "size-limit"
                                                       << "File too large";
    QTest::newRow("text without a GBK form")
        << "not-gbk" << QStringLiteral("'\U0001F4FB' cannot be written in the GBK character set");
}

void QcfFileTest::saveFailure_keepsOldFile() {
    QFETCH(QString, failure);
    QFETCH(QString, message);
    if (failure == "read-only" && geteuid() == 0)
        QSKIP("file permissions do not bind the superuser");
    QTemporaryDir dir;
    const QString path = dir.filePath("old.qcf");
    const QByteArray old = "the previous file";
    writeAll(path, old);

    QcfFile file = sentinel();
    if (failure == "not-gbk")
        file.channels.rows[0][0] = QStringLiteral("\U0001F4FB");
    FileResult result;
    if (failure == "read-only") {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        result = file.save(path);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    } else if (failure == "size-limit") {
        // A full disk as any user meets it: writes stop short with EFBIG.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 64;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        result = file.save(path);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    } else {
        result = file.save(path);
    }

    QVERIFY(!result.ok());
    QCOMPARE(result.error, message);
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.qcf"}); // no leftovers
}

QTEST_GUILESS_MAIN(QcfFileTest)
#include "test_qcf_file.moc"
