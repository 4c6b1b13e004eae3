#include "app/main_window.h"
#include "codeplug/options_window.h"
#include "i18n/stored_texts.h"
#include "support/app_fixture.h"
#include "support/scripted_prompter.h"

#include <QComboBox>
#include <QWheelEvent>
#include <QtTest>

// The band selector: a pick by the user asks before clearing; the program's own
// selections and additions ask nothing.
class BandSelectionTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void options_startAndClearedValues();
    void bandChange_data();
    void bandChange();
    void wheelOverSelector_changesNothing();
    void selectOrAddBand_data();
    void selectOrAddBand();
    void addedBand_offeredAfterRestart();

private:
    void fillCodeplug(Codeplug& codeplug);
    AppFixture fixture_;
};

namespace {
const FunctionOptions::Indexes kEdited = {7, 0, 6, 3, 0, 0, 0};
}

void BandSelectionTest::init() {
    fixture_.stop();
    fixture_.writeIni("[list1]\nlistcount=2\nlistnow=0\ncombo0=136-174MHz\ncombo1=400-470MHz\n"
                      "combo2=136-174MHz\n");
}

void BandSelectionTest::fillCodeplug(Codeplug& codeplug) {
    for (int row = 1; row <= 16; ++row)
        codeplug.channels.setCell(ChannelTable::Frequency1, row, QStringLiteral("145.00000"));
    codeplug.options.setIndexes(kEdited);
}

void BandSelectionTest::options_startAndClearedValues() {
    VantrelApp& app = fixture_.start();
    const FunctionOptions::Indexes start = {2, 1, 4, 0, 1, 1, 1};
    QCOMPARE(app.codeplug.options.indexes(), start);
    for (int field = 0; field < FunctionOptions::FieldCount; ++field) {
        QCOMPARE(app.Form4->combos[field]->currentIndex(), start[field]);
        QVERIFY(!app.Form4->combos[field]->isEditable());
    }
    QCOMPARE(app.Form4->combos[FunctionOptions::TimeOut]->currentText(), QStringLiteral("4分钟"));
    QCOMPARE(app.Form4->combos[FunctionOptions::Scan]->currentText(), QStringLiteral("禁用"));

    fillCodeplug(app.codeplug);
    ClearCodeplug(app.codeplug.options, app.codeplug.channels);
    const FunctionOptions::Indexes cleared = {2, 1, 3, 0, 1, 1, 1};
    QCOMPARE(app.codeplug.options.indexes(), cleared);
    for (int field = 0; field < FunctionOptions::FieldCount; ++field)
        QCOMPARE(app.Form4->combos[field]->currentIndex(), cleared[field]);
}

void BandSelectionTest::bandChange_data() {
    QTest::addColumn<bool>("answer");
    QTest::newRow("Cancel keeps the data") << false;
    QTest::newRow("OK clears the data") << true;
}

void BandSelectionTest::bandChange() {
    QFETCH(bool, answer);
    VantrelApp& app = fixture_.start();
    fillCodeplug(app.codeplug);
    ScriptedPrompter prompter;
    prompter.answers << answer;

    QTest::keyClick(app.Form1->ComboBox1, Qt::Key_Down); // a pick by the user

    QCOMPARE(prompter.boxes.size(), 1);
    QCOMPARE(prompter.boxes[0].kind, QStringLiteral("confirm"));
    QCOMPARE(prompter.boxes[0].caption, QStringLiteral("确认"));
    QCOMPARE(prompter.boxes[0].text, storedTexts().BandChangePrompt);
    QVERIFY(!prompter.boxes[0].text.isEmpty());
    QCOMPARE(app.codeplug.bands.selectedIndex(), 1);
    QCOMPARE(app.Form1->windowTitle(), QStringLiteral("Vantrel [400-470MHz]"));
    const ChannelTable& channels = app.codeplug.channels;
    for (int row = 1; row <= 16; ++row)
        QCOMPARE(channels.cell(ChannelTable::Frequency1, row).isEmpty(), answer);
    QCOMPARE(channels.cell(0, 16), QStringLiteral("16"));
    const FunctionOptions::Indexes cleared = {2, 1, 3, 0, 1, 1, 1};
    QCOMPARE(app.codeplug.options.indexes(), answer ? cleared : kEdited);
}

void BandSelectionTest::wheelOverSelector_changesNothing() {
    VantrelApp& app = fixture_.start();
    ScriptedPrompter prompter;
    QComboBox* selector = app.Form1->ComboBox1;
    const QPoint centre = selector->rect().center();
    QWheelEvent wheel(centre, selector->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(selector, &wheel);
    QVERIFY(prompter.boxes.isEmpty());
    QCOMPARE(app.codeplug.bands.selectedIndex(), 0);
    QCOMPARE(app.Form1->windowTitle(), QStringLiteral("Vantrel"));
}

void BandSelectionTest::selectOrAddBand_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("count");
    QTest::newRow("twice in the list: the first") << "136-174MHz" << 0 << 3;
    QTest::newRow("once in the list") << "400-470MHz" << 1 << 3;
    QTest::newRow("other case is another band") << "400-470mhz" << 3 << 4;
    QTest::newRow("new band appended") << "350-390MHz" << 3 << 4;
}

void BandSelectionTest::selectOrAddBand() {
    QFETCH(QString, name);
    QFETCH(int, selected);
    QFETCH(int, count);
    VantrelApp& app = fixture_.start();
    app.codeplug.bands.select(2);
    ScriptedPrompter prompter;
    app.codeplug.bands.SelectOrAddBand(name);
    QVERIFY(prompter.boxes.isEmpty()); // not a band change: no question
    QCOMPARE(app.Form1->ComboBox1->count(), count);
    QCOMPARE(app.Form1->ComboBox1->currentIndex(), selected);
    QCOMPARE(app.Form1->ComboBox1->currentText(), name);
}

void BandSelectionTest::addedBand_offeredAfterRestart() {
    fixture_.start().codeplug.bands.SelectOrAddBand(QStringLiteral("400-480MHz"));
    fixture_.stop();
    VantrelApp& app = fixture_.start();
    QCOMPARE(app.codeplug.bands.entries().last(), QStringLiteral("400-480MHz"));
    QCOMPARE(app.Form1->ComboBox1->currentText(), QStringLiteral("400-480MHz"));
}

QTEST_MAIN(BandSelectionTest)
#include "test_band_selection.moc"
