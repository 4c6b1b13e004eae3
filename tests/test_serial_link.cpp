#include "radio/band_codec.h"
#include "radio/link_protocol.h"
#include "radio/port_probe.h"
#include "radio/serial_control.h"
#include "radio/serial_link.h"
#include "support/simulated_radio.h"
#include "support/test_pty.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>
#include <unistd.h>

namespace {
const QByteArray kHandshakeRequest = QByteArray::fromHex("02515542746F7A");
const QByteArray kHandshakeReply = QByteArray::fromHex("0620706172766578");
const QString kChannel1 = QStringLiteral("0000501425066044");

// Opens the link on the radio and enters programming mode, acknowledged.
bool enter(SerialLink& link, const QString& device) {
    if (!link.open(device) || !handshake(link, frames::LongWaitMs))
        return false;
    link.sendAcknowledge();
    link.SysDelay(frames::LongWaitMs);
    return link.acknowledged() && link.fresh();
}
} // namespace

// The serial adapters through the real QSerialPort against the simulated radio on a
// pseudo-terminal.
class TestSerialLink : public QObject {
    Q_OBJECT
private slots:
    void handshakeAndBlockRead();
    void blockWriteReadsBack();
    void handshakeWithJunkAfterTheReplyFails();
    void deviceBusy();
    void deviceMissing();
    void hangupMidExchangeFailsTheLink();
    void serialControlReceiveEvent();
    void serialControlReportsHangupOnce();
    void staleInputIsDroppedOnOpen();
    void simulatorProgramSavesItsImage();
};

void TestSerialLink::handshakeAndBlockRead() {
    SimulatedRadio radio;
    QVERIFY2(radio.error().isEmpty(), qPrintable(radio.error()));
    SerialLink link;
    QVERIFY2(enter(link, radio.device()), qPrintable(link.failure()));
    const auto band = readTransaction(link, 0x03E0, frames::LongWaitMs);
    QVERIFY(band);
    QCOMPARE(decodeBand(*band).value(), "136-174MHz");
    QVERIFY(link.acknowledged() && link.fresh());
    endProgramming(link);
    QVERIFY(!link.failed());
}

void TestSerialLink::blockWriteReadsBack() {
    SimulatedRadio radio;
    SerialLink link;
    QVERIFY2(enter(link, radio.device()), qPrintable(link.failure()));
    QVERIFY(writeTransaction(link, 0x0010, kChannel1, frames::ShortWaitMs));
    QVERIFY(link.acknowledged() && link.fresh());
    const auto reply = readTransaction(link, 0x0010, frames::ShortWaitMs);
    QVERIFY(reply);
    QCOMPARE(reply->mid(8), kChannel1);
    QCOMPARE(radio.memory().mid(0x10, 8).toHex().toUpper(), kChannel1.toLatin1());
}

void TestSerialLink::handshakeWithJunkAfterTheReplyFails() {
    SimulatedRadio radio(simWithFaults([](SimFaults& f) { f.extraBytes = true; }));
    SerialLink link;
    QVERIFY(link.open(radio.device()));
    QVERIFY(!handshake(link, 100));
    QVERIFY(!link.failed()); // a wrong answer is no fault of the port
}

void TestSerialLink::deviceBusy() {
    SimulatedRadio radio;
    SerialLink first;
    QVERIFY(first.open(radio.device()));
    SerialLink second;
    QVERIFY(!second.open(radio.device()));
    QVERIFY2(second.failure().contains("in use by another program"), qPrintable(second.failure()));
    const PortProbeResult probe = probePort(radio.device());
    QVERIFY(!probe.available);
    QCOMPARE(probe.problem, second.failure());
    // Once the holder lets go, the port is free again.
    first.close();
    QVERIFY(probePort(radio.device()).available);
}

void TestSerialLink::deviceMissing() {
    SerialLink link;
    QVERIFY(!link.open(QStringLiteral("/dev/ttyNoSuchRadio7")));
    QVERIFY2(link.failure().contains("does not exist"), qPrintable(link.failure()));
    SerialControl control;
    PortMap ports;
    ports.setDevice(2, QStringLiteral("/dev/ttyNoSuchRadio7"));
    control.setPortMap(ports);
    control.setCommPort(2);
    QVERIFY(!control.setPortOpen(true));
    QCOMPARE(control.lastError(), link.failure());
    QVERIFY(!control.Output(QByteArray(1, 0x06)));
}

void TestSerialLink::hangupMidExchangeFailsTheLink() {
    // Answers the handshake and its acknowledgement, then the cable is pulled.
    SimulatedRadio radio(simWithFaults([](SimFaults& f) { f.hangupAfter = 2; }));
    SerialLink link;
    QVERIFY2(enter(link, radio.device()), qPrintable(link.failure()));
    QVERIFY(!readTransaction(link, 0x03E0, frames::LongWaitMs));
    QVERIFY(link.failed());
    QVERIFY2(link.failure().contains("lost"), qPrintable(link.failure()));
    QVERIFY(!link.isOpen());
    // Nothing more goes out and no wait lingers on a dead port.
    const QString first = link.failure();
    link.sendAcknowledge();
    link.SysDelay(60000);
    link.SysDelayFull(60000);
    QCOMPARE(link.failure(), first);
}

void TestSerialLink::serialControlReceiveEvent() {
    SimulatedRadio radio;
    SerialControl control;
    PortMap ports;
    ports.setDevice(3, radio.device());
    control.setPortMap(ports);
    control.setCommPort(3);
    QVERIFY2(control.setPortOpen(true), qPrintable(control.lastError()));
    QVERIFY(control.PortOpen());
    QSignalSpy events(&control, &SerialControl::OnComm);
    control.setRThreshold(8);
    QVERIFY(control.Output(kHandshakeRequest));
    QVERIFY(events.wait(2000));
    QCOMPARE(control.CommEvent(), SerialControl::CommEventReceive);
    QCOMPARE(control.Input(), kHandshakeReply);
    QVERIFY(control.Input().isEmpty());

    // A read reply of 12 bytes comes as one event with a threshold of 12.
    control.setRThreshold(1);
    QVERIFY(control.OutputText(QStringLiteral("\x06")));
    QVERIFY(events.wait(2000));
    QCOMPARE(control.Input(), QByteArray(1, 0x06));
    events.clear();
    control.setRThreshold(12);
    QVERIFY(control.Output(QByteArray::fromHex("5203C808")));
    QVERIFY(events.wait(2000));
    QCOMPARE(events.size(), 1);
    QCOMPARE(control.Input().toHex().toUpper(), "5703C808A032F2FFFFFFFFFF");

    QVERIFY(control.setPortOpen(false));
    QVERIFY(!control.PortOpen());
    QVERIFY(probePort(radio.device()).available);
}

void TestSerialLink::serialControlReportsHangupOnce() {
    SimulatedRadio radio(simWithFaults([](SimFaults& f) { f.hangupAfter = 0; }));
    SerialControl control;
    PortMap ports;
    ports.setDevice(1, radio.device());
    control.setPortMap(ports);
    QVERIFY(control.setPortOpen(true));
    QSignalSpy lost(&control, &SerialControl::linkLost);
    control.setRThreshold(8);
    QVERIFY(control.Output(kHandshakeRequest));
    QVERIFY(lost.wait(2000));
    QVERIFY(!control.PortOpen());
    // No storm of errors afterwards.
    QTest::qWait(100);
    QCOMPARE(lost.size(), 1);
    QVERIFY(lost.at(0).at(0).toString().contains("lost"));
    QVERIFY(!control.Output(kHandshakeRequest));
}

void TestSerialLink::staleInputIsDroppedOnOpen() {
    TestPty pty;
    QVERIFY(::write(pty.masterFd(), "stale", 5) == 5);
    SerialLink link;
    QVERIFY(link.open(pty.device()));
    QVERIFY(::write(pty.masterFd(), "\x06", 1) == 1);
    link.setThreshold(1);
    link.SysDelay(2000);
    QCOMPARE(link.ReceivedBytes, QByteArray(1, 0x06));
}

void TestSerialLink::simulatorProgramSavesItsImage() {
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("radio.img"));
    const QString log = dir.filePath(QStringLiteral("radio.log"));
    QProcess sim;
    sim.start(QStringLiteral(VANTREL_BIN_DIR "/vantrel-radio-sim"),
              {"--once", "--pace", "--image", image, "--log", log});
    QVERIFY(sim.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(sim.readLine()).trimmed();

    SerialLink link;
    QVERIFY2(enter(link, device), qPrintable(link.failure()));
    QVERIFY(writeTransaction(link, 0x0010, kChannel1, frames::ShortWaitMs));
    QVERIFY(link.acknowledged() && link.fresh());
    endProgramming(link);
    QVERIFY(sim.waitForFinished(5000));
    QCOMPARE(sim.exitCode(), 0);

    QFile saved(image);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray memory = saved.readAll();
    QCOMPARE(memory.size(), 1024);
    QCOMPARE(memory.mid(0x10, 8).toHex().toUpper(), kChannel1.toLatin1());
    QFile logFile(log);
    QVERIFY(logFile.open(QIODevice::ReadOnly));
    const QByteArray lines = logFile.readAll();
    QVERIFY(lines.startsWith("> 02515542746F7A\n< 0620706172766578\n> 06\n< 06\n"));
    QVERIFY(lines.endsWith("> 646F\n"));
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "test_serial_link.moc"
