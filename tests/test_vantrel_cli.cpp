#include "file/qcf_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/cli_run.h"

// vantrel-cli run as a user runs it: the built program, its exit status and stderr.
class VantrelCliTest : public QObject {
    Q_OBJECT
private slots:
    void exportThenImport_replacesChannelsKeepsBase();
    void failures_data();
    void failures();
    void help_namesEveryCommand();
};

namespace {

const QString kExample = QStringLiteral(VANTREL_TEST_DATA "/example.qcf");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

void VantrelCliTest::exportThenImport_replacesChannelsKeepsBase() {
    QTemporaryDir dir;
    const QString csv = dir.filePath("channels.csv");
    CliRun run = runCli({"export-csv", kExample, csv});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());
    QCOMPARE(readAll(csv),
             QByteArray("Channel,Frequency1,Tone1,Frequency2,Tone2,Power,SwitchA,SwitchB\r\n"
                        "1,145.00000,OFF,145.00000,OFF,High,ON,OFF\r\n"));

    writeAll(csv, readAll(csv) + "3,430.02500,D023N,,OFF,Low,OFF,ON\r\n");
    const QString out = dir.filePath("out.qcf");
    run = runCli({"import-csv", csv, kExample, out});
    QCOMPARE(run.status, 0);
    QVERIFY(run.err.isEmpty());

    QcfFile base;
    QVERIFY(base.load(kExample).ok());
    QcfFile written;
    QVERIFY(written.load(out).ok());
    QCOMPARE(written.band, base.band);
    QCOMPARE(written.optionIndexes, base.optionIndexes);
    QCOMPARE(written.optionTexts, base.optionTexts);
    ChannelCells expected = base.channels; // the base is Chinese, so are the new words
    expected.rows[2] = {"430.02500", "D023N", "", "禁用", "低功率", "禁用", "启用"};
    QVERIFY(written.channels == expected);
}

void VantrelCliTest::failures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    QTest::newRow("no command") << QStringList() << 2
                                << "vantrel-cli: no command given (see vantrel-cli --help)\n";
    QTest::newRow("unknown command")
        << QStringList{"frobnicate"} << 2
        << "vantrel-cli: unknown command 'frobnicate' (see vantrel-cli --help)\n";
    QTest::newRow("missing argument")
        << QStringList{"import-csv", "in.csv", "base.qcf"} << 2
        << "vantrel-cli: usage: vantrel-cli import-csv IN.csv BASE.qcf OUT.qcf\n";
    QTest::newRow("missing qcf")
        << QStringList{"export-csv", "@/missing.qcf", "@/out.csv"} << 3
        << "vantrel-cli: cannot read @/missing.qcf: No such file or directory\n";
    QTest::newRow("bad csv row")
        << QStringList{"import-csv", "@/bad.csv", kExample, "@/out.qcf"} << 3
        << "vantrel-cli: cannot read @/bad.csv: Line 3, column 6: 'Medium' is not High or Low\n";
    QTest::newRow("unwritable output")
        << QStringList{"export-csv", kExample, "@/missing/out.csv"} << 3
        << "vantrel-cli: cannot write @/missing/out.csv: No such file or directory\n";
}

void VantrelCliTest::failures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, error);
    QTemporaryDir dir;
    writeAll(dir.filePath("bad.csv"),
             "Channel,Frequency1,Tone1,Frequency2,Tone2,Power,SwitchA,SwitchB\n"
             "1,145.00000,OFF,145.00000,OFF,High,ON,OFF\n"
             "2,146.00000,OFF,,OFF,Medium,ON,OFF\n");
    arguments.replaceInStrings("@", dir.path());
    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.err, error.replace("@", dir.path()));
    QVERIFY(!QFile::exists(dir.filePath("out.qcf")));
    QVERIFY(!QFile::exists(dir.filePath("out.csv")));
}

void VantrelCliTest::help_namesEveryCommand() {
    const CliRun run = runCli({"--help"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("export-csv FILE.qcf OUT.csv"));
    QVERIFY(run.out.contains("import-csv IN.csv BASE.qcf OUT.qcf"));
    QVERIFY(run.out.contains("Exit status"));
}

QTEST_GUILESS_MAIN(VantrelCliTest)
#include "test_vantrel_cli.moc"
