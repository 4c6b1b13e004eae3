#include "file/qcf_file.h"
#include "support/sim_transcript.h"
#include "support/simulated_radio.h"

#include <QProcess>
#include <QtTest>

#include "support/cli_run.h"

namespace {

SimMemory programmedRadio() {
    SimMemory memory;
    memory.setBlock(0x0010, block("0000501425066044"));
    memory.setBlock(0x0018, block("70062380F4FFFFFF"));
    memory.setBlock(0x03E0, block("00400047FFFFFFFF"));
    return memory;
}

} // namespace

// vantrel-cli read, write and calibration against the simulated radio.
class TestCliRadio : public QObject {
    Q_OBJECT
private slots:
    void readWritesTheFileAndWriteVerifiesIt();
    void failuresAndTheirExitStatus_data();
    void failuresAndTheirExitStatus();
    void calibrationPrintsAndSets();
};

void TestCliRadio::readWritesTheFileAndWriteVerifiesIt() {
    SimTranscript transcript;
    SimulatedRadio source(transcript.options(programmedRadio()));
    const QString path = transcript.dir.filePath(QStringLiteral("radio.qcf"));
    const CliRun read =
        runCli({"read", "--port", source.device(), "-o", path, "--lang", "english"});
    QCOMPARE(read.status, 0);
    QVERIFY(read.err.isEmpty());
    QcfFile file;
    QVERIFY(file.load(path).ok());
    QCOMPARE(file.band, QStringLiteral("400-470MHz"));
    QCOMPARE(file.channels.rows[0][4], QStringLiteral("Low"));

    SimulatedRadio blank;
    const CliRun write = runCli({"write", "--port", blank.device(), path, "--verify"});
    QVERIFY2(write.status == 0, qPrintable(write.err));
    QCOMPARE(blank.memory(), source.memory());
}

void TestCliRadio::failuresAndTheirExitStatus_data() {
    QTest::addColumn<QStringList>("arguments"); // DEVICE, FILE and OUT stand in
    QTest::addColumn<SimFaults>("faults");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    // Faults that cost one wait at most: the silent radio's six attempts are the
    // dialogs' matter.
    SimFaults noAck;
    noAck.noAck = true;
    SimFaults stops;
    stops.stopAfter = 4;
    SimFaults hangup;
    hangup.hangupAfter = 12;
    QTest::newRow("read, no acknowledge")
        << QStringList{"read", "--port", "DEVICE", "-o", "OUT"} << noAck << 1 << "did not answer";
    QTest::newRow("read, hang-up")
        << QStringList{"read", "--port", "DEVICE", "-o", "OUT"} << hangup << 1 << "was lost";
    QTest::newRow("write, radio stops")
        << QStringList{"write", "--port", "DEVICE", "FILE"} << stops << 1 << "did not answer";
    QTest::newRow("write, malformed file")
        << QStringList{"write", "--port", "DEVICE", "BAD"} << SimFaults{} << 3 << "BAD";
    QTest::newRow("read without -o")
        << QStringList{"read", "--port", "DEVICE"} << SimFaults{} << 2 << "read";
    QTest::newRow("unknown option")
        << QStringList{"calibration", "--port", "DEVICE", "--fast"} << SimFaults{} << 2 << "--fast";
}

// A failure: one line on stderr, the exit status, no output file, no end command.
void TestCliRadio::failuresAndTheirExitStatus() {
    QFETCH(QStringList, arguments);
    QFETCH(SimFaults, faults);
    QFETCH(int, status);
    QFETCH(QString, error);
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options(SimMemory(), faults));
    const QString out = transcript.dir.filePath(QStringLiteral("out.qcf"));
    const QString good = QStringLiteral(VANTREL_TEST_DATA "/example.qcf");
    const QString bad = transcript.dir.filePath(QStringLiteral("BAD.qcf"));
    QFile badFile(bad);
    QVERIFY(badFile.open(QIODevice::WriteOnly));
    badFile.write("not a codeplug\r\n");
    badFile.close();
    arguments.replaceInStrings(QStringLiteral("DEVICE"), radio.device());
    arguments.replaceInStrings(QStringLiteral("OUT"), out);
    arguments.replaceInStrings(QStringLiteral("FILE"), good);
    arguments.replaceInStrings(QStringLiteral("BAD"), bad);

    const CliRun run = runCli(arguments);
    QCOMPARE(run.status, status);
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QVERIFY(!QFile::exists(out));
    QTest::qWait(50);
    QVERIFY(!transcript.hostFrames().contains(QStringLiteral("646F")));
    if (status != 1)
        QVERIFY(transcript.hostFrames().isEmpty());
}

void TestCliRadio::calibrationPrintsAndSets() {
    SimulatedRadio radio;
    const CliRun read = runCli({"calibration", "--port", radio.device()});
    QCOMPARE(read.status, 0);
    QCOMPARE(read.out, QStringLiteral("high power: 160\nlow power: 50\nlow-voltage level: 2\n"));
    const CliRun set = runCli({"calibration", "--port", radio.device(), "--set", "200", "40", "0"});
    QCOMPARE(set.status, 0);
    QCOMPARE(radio.memory().mid(0x3C8, 8).toHex().toUpper(), QByteArray("C828F0FFFFFFFFFF"));
    QCOMPARE(runCli({"calibration", "--port", radio.device(), "--set", "256", "40", "0"}).status,
             2);
}

QTEST_GUILESS_MAIN(TestCliRadio)
#include "test_cli_radio.moc"
