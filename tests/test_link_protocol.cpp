#include "radio/link_protocol.h"
#include "support/scripted_radio.h"

#include <QtTest>

namespace {
const QByteArray kReply = QByteArray::fromHex("0620706172766578");
const QByteArray kAck(1, 0x06);
// A read reply: header, then eight data bytes.
const QByteArray kBlockReply = QByteArray::fromHex("5700100800005014FFFFFFFF");
} // namespace

// The building blocks of every radio operation, step by step against a scripted radio.
class TestLinkProtocol : public QObject {
    Q_OBJECT
private slots:
    void handshake_data();
    void handshake();
    void powerHandshakeWaitsFullTimeAndTakesOldData();
    void acknowledgedLooksAtTheFirstByteOnly();
    void preparedFrameIsSentOnlyByTheNextSend();
    void prepareFrameReadsPairs();
    void waitsEndEarlyOnlyOnData();
    void readTransaction();
    void readTransactionStopsWithoutAcknowledgeOrReply();
    void writeTransaction();
    void endCommandIsNotAwaited();
    void cancelStopsWaitsAndSends();
};

void TestLinkProtocol::handshake_data() {
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<bool>("entered");
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("elapsedMs");
    const QByteArray none;
    QTest::newRow("first attempt") << QList<QByteArray>{kReply} << true << 1 << 0;
    QTest::newRow("sixth attempt")
        << QList<QByteArray>{none, none, none, none, none, kReply} << true << 6 << 5 * 550;
    QTest::newRow("silent radio") << QList<QByteArray>(6, none) << false << 6 << 6 * 550;
    QTest::newRow("reply with extra bytes")
        << QList<QByteArray>(6, kReply + "\x55\xAA") << false << 6 << 0;
    QTest::newRow("wrong reply, then right")
        << QList<QByteArray>{QByteArray::fromHex("0620504152564558"), kReply} << true << 2 << 0;
}

void TestLinkProtocol::handshake() {
    QFETCH(QList<QByteArray>, answers);
    QFETCH(bool, entered);
    QFETCH(int, requests);
    QFETCH(int, elapsedMs);
    ScriptedRadio radio;
    radio.answers = answers;
    QCOMPARE(::handshake(radio, frames::LongWaitMs), entered);
    QCOMPARE(radio.sentHex(), QStringList(requests, frames::HandshakeRequest));
    for (const auto& s : radio.sent)
        QCOMPARE(s.threshold, frames::HandshakeThreshold);
    QCOMPARE(radio.clock, elapsedMs);
    QVERIFY(!radio.ReceivedFlag);
}

void TestLinkProtocol::powerHandshakeWaitsFullTimeAndTakesOldData() {
    ScriptedRadio radio;
    radio.answers = {kReply};
    QVERIFY(powerHandshake(radio));
    QCOMPARE(radio.clock, frames::ShortWaitMs);

    // The comparison does not ask for fresh data: the reply of before still counts.
    ScriptedRadio stale;
    stale.ReceivedBytes = kReply;
    QVERIFY(powerHandshake(stale));
    QCOMPARE(stale.sent.size(), 1);
}

void TestLinkProtocol::acknowledgedLooksAtTheFirstByteOnly() {
    ScriptedRadio radio;
    QVERIFY(!radio.acknowledged()); // nothing ever received: fails, no fault
    QVERIFY(!radio.fresh());
    radio.MSComm1Comm(Link::CommEventReceive, QByteArray::fromHex("0615FF"));
    QVERIFY(radio.acknowledged());
    QVERIFY(radio.fresh());
    radio.MSComm1Comm(Link::CommEventReceive, QByteArray::fromHex("1506"));
    QVERIFY(!radio.acknowledged());
    // Other event codes change nothing.
    radio.ReceivedFlag = false;
    radio.MSComm1Comm(1, kAck);
    QVERIFY(!radio.fresh());
    QCOMPARE(radio.ReplyHex(), "1506");
}

void TestLinkProtocol::preparedFrameIsSentOnlyByTheNextSend() {
    ScriptedRadio radio;
    radio.PrepareFrame(frames::readCommand(0x0020));
    QVERIFY(radio.sent.isEmpty());
    radio.sendAcknowledge();
    QCOMPARE(radio.sentHex(), QStringList{"06"});
    QCOMPARE(radio.sent.last().threshold, 1);
    radio.sendCommand(frames::ReadThreshold);
    QCOMPARE(radio.sentHex(), (QStringList{"06", "52002008"}));
    QCOMPARE(radio.sent.last().threshold, frames::ReadThreshold);
}

void TestLinkProtocol::prepareFrameReadsPairs() {
    ScriptedRadio radio;
    QVERIFY(radio.PrepareFrame(QStringLiteral("5703c8a")));
    QCOMPARE(radio.PendingFrame, QByteArray::fromHex("5703C8"));
    QVERIFY(!radio.PrepareFrame(QStringLiteral("57G1")));
    QCOMPARE(radio.PendingFrame, QByteArray::fromHex("5703C8"));
    QVERIFY(radio.PrepareFrame(QString()));
    QVERIFY(radio.PendingFrame.isEmpty());
}

void TestLinkProtocol::waitsEndEarlyOnlyOnData() {
    ScriptedRadio radio;
    radio.SysDelay(250);
    QCOMPARE(radio.clock, 250);
    radio.arrive(kAck);
    radio.SysDelay(250);
    QCOMPARE(radio.clock, 250);
    QVERIFY(radio.fresh());
    // A flag already set ends the wait at once.
    radio.SysDelay(250);
    QCOMPARE(radio.clock, 250);

    radio.arrive(kAck);
    radio.SysDelayFull(250);
    QCOMPARE(radio.clock, 500);
    QCOMPARE(radio.ReplyHex(), "06");
}

void TestLinkProtocol::readTransaction() {
    ScriptedRadio radio;
    radio.MSComm1Comm(Link::CommEventReceive, kAck);
    radio.answers = {kBlockReply, kAck};
    const auto reply = ::readTransaction(radio, 0x0010, frames::ShortWaitMs);
    QCOMPARE(reply.value_or(QString()), QString::fromLatin1(kBlockReply.toHex().toUpper()));
    QCOMPARE(radio.sentHex(), (QStringList{"52001008", "06"}));
    QCOMPARE(radio.sent[0].threshold, 12);
    QCOMPARE(radio.sent[1].threshold, 1);
    QVERIFY(radio.acknowledged() && radio.fresh()); // the radio's 0x06, for the next step
}

void TestLinkProtocol::readTransactionStopsWithoutAcknowledgeOrReply() {
    ScriptedRadio unacknowledged;
    unacknowledged.answers = {kBlockReply};
    QVERIFY(!::readTransaction(unacknowledged, 0x0010, frames::ShortWaitMs));
    QVERIFY(unacknowledged.sent.isEmpty());

    ScriptedRadio silent;
    silent.MSComm1Comm(Link::CommEventReceive, kAck);
    QVERIFY(!::readTransaction(silent, 0x0010, frames::ShortWaitMs));
    QCOMPARE(silent.sentHex(), QStringList{"52001008"}); // no acknowledge of nothing

    // Fewer than 12 bytes never make a receive event.
    ScriptedRadio shortReply;
    shortReply.MSComm1Comm(Link::CommEventReceive, kAck);
    shortReply.answers = {kBlockReply.left(11)};
    QVERIFY(!::readTransaction(shortReply, 0x0010, frames::ShortWaitMs));
}

void TestLinkProtocol::writeTransaction() {
    ScriptedRadio radio;
    radio.answers = {kAck};
    QVERIFY(::writeTransaction(radio, 0x03C8, QStringLiteral("A032F2FFFFFFFFFF"), 250));
    QCOMPARE(radio.sentHex(), QStringList{"5703C808A032F2FFFFFFFFFF"});
    QCOMPARE(radio.sent[0].threshold, 1);
    QVERIFY(radio.acknowledged() && radio.fresh());

    for (const QString bad : {"A032F2FFFFFFFF", "A032F2FFFFFFFFFFFF", "A032F2FFFFFFFFFG"}) {
        ScriptedRadio refused;
        QVERIFY(!::writeTransaction(refused, 0x03C8, bad, 250));
        QVERIFY(refused.sent.isEmpty());
    }
}

void TestLinkProtocol::endCommandIsNotAwaited() {
    ScriptedRadio radio;
    radio.setThreshold(12);
    endProgramming(radio);
    QCOMPARE(radio.sentHex(), QStringList{"646F"});
    QCOMPARE(radio.sent[0].threshold, 12);
    QCOMPARE(radio.clock, 0);
}

void TestLinkProtocol::cancelStopsWaitsAndSends() {
    ScriptedRadio radio;
    radio.cancel();
    QVERIFY(!::handshake(radio, frames::LongWaitMs));
    QVERIFY(radio.sent.isEmpty());
    QCOMPARE(radio.clock, 0);
    QVERIFY(radio.failed());
    QVERIFY(!radio.failure().isEmpty());
}

QTEST_GUILESS_MAIN(TestLinkProtocol)
#include "test_link_protocol.moc"
