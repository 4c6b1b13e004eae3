#include "codeplug/tone_list.h"

#include <QtTest>

// The tones the tone selector offers.
class ToneListTest : public QObject {
    Q_OBJECT
private slots:
    void tonesInOrder();
    void offWordStaysSingleAtHead();
};

void ToneListTest::tonesInOrder() {
    ToneList list;
    const QStringList& tones = list.entries();
    QCOMPARE(tones.size(), 258);
    QCOMPARE(tones.first(), QStringLiteral("67.0"));
    QCOMPARE(tones.at(49), QStringLiteral("254.1"));
    QCOMPARE(tones.at(50), QStringLiteral("D023N"));
    QCOMPARE(tones.at(153), QStringLiteral("D754N"));
    QCOMPARE(tones.at(154), QStringLiteral("D023I"));
    QCOMPARE(tones.last(), QStringLiteral("D754I"));
    QCOMPARE(QSet<QString>(tones.begin(), tones.end()).size(), 258);
}

void ToneListTest::offWordStaysSingleAtHead() {
    ToneList list;
    list.setOffWord(QStringLiteral("禁用"));
    list.setOffWord(QStringLiteral("OFF"));
    list.setOffWord(QStringLiteral("禁用"));
    QCOMPARE(list.entries().size(), 259);
    QCOMPARE(list.entries().first(), QStringLiteral("禁用"));
    QCOMPARE(list.entries().count(QStringLiteral("禁用")), 1);
    QVERIFY(!list.entries().contains(QStringLiteral("OFF")));
    QCOMPARE(list.entries().at(1), QStringLiteral("67.0"));
}

QTEST_GUILESS_MAIN(ToneListTest)
#include "test_tone_list.moc"
