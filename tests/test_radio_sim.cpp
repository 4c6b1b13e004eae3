#include "radio/sim/sim_options.h"
#include "radio/sim/sim_radio.h"

#include <QtTest>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}
const char* const kHandshake = "02515542746F7A";
} // namespace

// The simulated radio's side of the conversation, frame by frame, with its faults.
class TestRadioSim : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void framesMaySplitAcrossReads();
    void faultOptionsParse();
};

void TestRadioSim::answers_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArrayList>("frames");
    QTest::addColumn<QByteArrayList>("answers");
    const QByteArray handshake = hex(kHandshake);
    const QByteArray reply = hex("0620706172766578");
    const QByteArray ack = hex("06");
    const QByteArray readBand = hex("5203E008");
    const QByteArray band = hex("5703E00860134017FFFFFFFF");
    const QByteArray write = hex("5700100800005014FFFFFFFF");
    const QByteArray end = hex("646F");
    QTest::newRow("session") << "" << QByteArrayList{handshake, ack, readBand, write, end, ack}
                             << QByteArrayList{reply, ack, band, ack, {}, {}};
    QTest::newRow("nothing but the handshake outside a session")
        << "" << QByteArrayList{ack, readBand, handshake} << QByteArrayList{{}, {}, reply};
    QTest::newRow("write is read back")
        << "" << QByteArrayList{handshake, write, hex("52001008")}
        << QByteArrayList{reply, ack, hex("57001008") + write.mid(4)};
    QTest::newRow("silent") << "silent" << QByteArrayList{handshake} << QByteArrayList{{}};
    QTest::newRow("bad-handshake")
        << "bad-handshake" << QByteArrayList{handshake} << QByteArrayList{hex("0620504152564558")};
    QTest::newRow("extra-bytes") << "extra-bytes" << QByteArrayList{handshake}
                                 << QByteArrayList{reply + hex("55AA")};
    QTest::newRow("no-ack") << "no-ack" << QByteArrayList{handshake, ack, write, readBand}
                            << QByteArrayList{reply, {}, {}, band};
    QTest::newRow("garbage") << "garbage" << QByteArrayList{handshake, readBand}
                             << QByteArrayList{reply, hex("5703E0083A491A4DA5A5A5A5")};
    QTest::newRow("stop-after") << "stop-after=2" << QByteArrayList{handshake, ack, ack}
                                << QByteArrayList{reply, ack, {}};
}

void TestRadioSim::answers() {
    QFETCH(QString, fault);
    QFETCH(QByteArrayList, frames);
    QFETCH(QByteArrayList, answers);
    QString error;
    QStringList arguments;
    if (!fault.isEmpty())
        arguments << "--fault" << fault;
    const auto options = parseSimOptions(arguments, &error);
    QVERIFY2(options, qPrintable(error));
    SimMemory memory;
    SimRadio radio(memory, options->faults);
    for (int i = 0; i < frames.size(); ++i) {
        QByteArray answered;
        for (const SimStep& step : radio.feed(frames[i]))
            answered += step.answer;
        QCOMPARE(answered.toHex(), answers[i].toHex());
    }
}

void TestRadioSim::framesMaySplitAcrossReads() {
    SimMemory memory;
    SimRadio radio(memory, {});
    // Noise before the handshake is dropped byte by byte; a frame in two pieces is
    // answered once whole.
    const QByteArray request = hex(kHandshake);
    auto steps = radio.feed(hex("FF") + request.left(3));
    QCOMPARE(steps.size(), size_t(1));
    QVERIFY(!steps[0].isFrame);
    QVERIFY(radio.feed(request.mid(3, 2)).empty());
    steps = radio.feed(request.mid(5) + hex("5203"));
    QCOMPARE(steps.size(), size_t(1));
    QVERIFY(radio.inSession());
    steps = radio.feed(hex("C808"));
    QCOMPARE(steps.size(), size_t(1));
    QCOMPARE(steps[0].answer.toHex().toUpper(), "5703C808A032F2FFFFFFFFFF");
}

void TestRadioSim::faultOptionsParse() {
    QString error;
    const auto options = parseSimOptions(
        {"--fault", "slow=20", "--fault", "hangup-after=3", "--once", "--image", "x.img"}, &error);
    QVERIFY(options);
    QCOMPARE(options->faults.slowMs, 20);
    QCOMPARE(options->faults.hangupAfter, 3);
    QVERIFY(options->once);
    QCOMPARE(options->imagePath, "x.img");
    for (const QStringList& bad : {QStringList{"--fault", "loud"}, QStringList{"--fault", "slow=x"},
                                   QStringList{"--fault", "silent=1"}, QStringList{"--image"}}) {
        QVERIFY(!parseSimOptions(bad, &error));
        QVERIFY(!error.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestRadioSim)
#include "test_radio_sim.moc"
