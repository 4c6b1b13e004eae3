#include "app/main_window.h"
#include "codeplug/channel_editor_window.h"
#include "codeplug/channel_grid.h"
#include "codeplug/codeplug.h"
#include "i18n/stored_texts.h"
#include "radio/port_probe.h"
#include "radio/power_dialog.h"
#include "radio/radio_session.h"
#include "radio/read_dialog.h"
#include "radio/serial_control.h"
#include "radio/transfer_messages.h"
#include "radio/write_dialog.h"
#include "support/app_fixture.h"
#include "support/scripted_prompter.h"
#include "support/sim_transcript.h"
#include "support/simulated_radio.h"

#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <ctime>

namespace {

enum class Direction { Read, Write };

SimMemory programmedRadio() {
    SimMemory memory;
    memory.setBlock(0x0010, block("0000501425066044"));
    memory.setBlock(0x0018, block("70062380F4FFFFFF"));
    memory.setBlock(0x03C0, block("F805FF01FF02FEFF"));
    memory.setBlock(0x03E0, block("00400047FFFFFFFF")); // 400-470MHz
    return memory;
}

// What the program shows: band list, selection, title, channel cells and options.
QStringList snapshot(VantrelApp& app) {
    QStringList state = app.codeplug.bands.entries();
    state << app.codeplug.bands.selectedText() << app.Form1->windowTitle();
    for (int row = 1; row <= ChannelTable::ChannelCount; ++row)
        for (int column = 1; column < ChannelTable::ColumnCount; ++column)
            state << app.codeplug.channels.cell(column, row);
    for (int index : app.codeplug.options.indexes())
        state << QString::number(index);
    return state;
}

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

Q_DECLARE_METATYPE(Direction)

// The three radio dialogs against the simulated radio, through the windows of the
// running program.
class TestRadioDialogs : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readAppliesEverythingAndCountsSuccesses();
    void faultMatrix_data();
    void faultMatrix();
    void idlePortOfAVanishedRadioCloses();
    void noLanguageReadsWithTheBuiltInWords();
    void closingMidTransferCancelsAndTheDialogWorksAgain_data();
    void closingMidTransferCancelsAndTheDialogWorksAgain();
    void writeRefusesBeforeTheHandshake();
    void writeCommitsTheEditedCellFirst();
    void powerFieldsTakeDigitsUpTo255_data();
    void powerFieldsTakeDigitsUpTo255();
    void powerFieldsPassEditingKeysAndRefuseOtherText();
    void powerReadOffersWriteAndWriteSendsTheBlock();
    void demoModeLeadsThePortsToASimulatedRadio();

private:
    // Starts the program with port 1 leading to the radio.
    VantrelApp& start(const SimulatedRadio& radio);
    // Opens a dialog by the main window's command and presses its button; waits for
    // the end of the transfer.
    void runTransfer(TransferDialog* dialog);

    std::unique_ptr<AppFixture> fixture_;
    std::unique_ptr<ScriptedPrompter> prompter_;
};

void TestRadioDialogs::init() {
    prompter_ = std::make_unique<ScriptedPrompter>();
    fixture_ = std::make_unique<AppFixture>();
}

void TestRadioDialogs::cleanup() {
    fixture_.reset();
    prompter_.reset();
}

VantrelApp& TestRadioDialogs::start(const SimulatedRadio& radio) {
    fixture_->writeIni("[ports]\ncom1=" + radio.device().toLocal8Bit() + "\n");
    return fixture_->start();
}

void TestRadioDialogs::runTransfer(TransferDialog* dialog) {
    VantrelApp& app = *fixture_->app;
    if (!dialog->isVisible())
        (dialog == app.Form6 ? app.Form1->N6 : app.Form1->N7)->trigger();
    QVERIFY(dialog->isVisible());
    dialog->Button1->click();
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->running(), 15000);
    QVERIFY(dialog->Button1->isEnabled());
}

void TestRadioDialogs::readAppliesEverythingAndCountsSuccesses() {
    const SimTranscript transcript; // its folder must outlive the radio, which saves there
    SimulatedRadio radio(transcript.options(programmedRadio()));
    VantrelApp& app = start(radio);
    const QString label = storedTexts().SuccessCountLabel;
    QVERIFY(!label.isEmpty());

    runTransfer(app.Form6);
    QVERIFY(prompter_->boxes.isEmpty());
    QCOMPARE(app.codeplug.bands.entries().last(), QStringLiteral("400-470MHz"));
    QCOMPARE(app.codeplug.bands.selectedText(), QStringLiteral("400-470MHz"));
    QCOMPARE(app.Form1->windowTitle(), QStringLiteral("Vantrel [400-470MHz]"));
    QCOMPARE(app.codeplug.channels.cell(ChannelTable::Frequency1, 1).mid(4), "00000");
    QCOMPARE(app.codeplug.channels.cell(ChannelTable::Tone2, 1), QStringLiteral("D023N"));
    QCOMPARE(app.codeplug.channels.cell(ChannelTable::Power, 1), storedTexts().LowWord);
    QCOMPARE(app.codeplug.options.indexes(), (FunctionOptions::Indexes{5, 0, 1, 2, 0, 0, 0}));
    QCOMPARE(app.Form6->ProgressBar1->value(), 100);
    QCOMPARE(app.Form6->StatusPanel2->text(), label + "1");

    const int bands = app.codeplug.bands.entries().size();
    runTransfer(app.Form6);
    QCOMPARE(app.Form6->StatusPanel2->text(), label + "2");
    QCOMPARE(app.codeplug.bands.entries().size(), bands); // selected again, not added

    app.Form6->close();
    QCOMPARE(app.Form6->StatusPanel2->text(), label + "0");
    QCOMPARE(app.Form6->ProgressBar1->value(), 0);
    QVERIFY(app.Form1->isEnabled());
    // The write dialog shares the count.
    runTransfer(app.Form3);
    QCOMPARE(app.Form3->StatusPanel2->text(), label + "1");
}

void TestRadioDialogs::faultMatrix_data() {
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<SimFaults>("faults");
    const auto row = [](const char* name, Direction direction, auto set) {
        SimFaults faults;
        set(faults);
        QTest::newRow(name) << direction << faults;
    };
    const Direction read = Direction::Read;
    const Direction write = Direction::Write;
    row("read, silent radio", read, [](SimFaults& f) { f.silent = true; });
    row("read, bad handshake", read, [](SimFaults& f) { f.badHandshake = true; });
    row("read, extra bytes after the handshake", read, [](SimFaults& f) { f.extraBytes = true; });
    row("read, no acknowledge", read, [](SimFaults& f) { f.noAck = true; });
    row("read, stops at the band", read, [](SimFaults& f) { f.stopAfter = 2; });
    row("read, stops at channel 1", read, [](SimFaults& f) { f.stopAfter = 5; });
    row("read, stops at channel 9 tones", read, [](SimFaults& f) { f.stopAfter = 38; });
    row("read, stops at the options", read, [](SimFaults& f) { f.stopAfter = 68; });
    row("read, hang-up", read, [](SimFaults& f) { f.hangupAfter = 20; });
    row("read, garbage data", read, [](SimFaults& f) { f.garbage = true; });
    row("write, silent radio", write, [](SimFaults& f) { f.silent = true; });
    row("write, no acknowledge", write, [](SimFaults& f) { f.noAck = true; });
    row("write, stops at channel 4", write, [](SimFaults& f) { f.stopAfter = 10; });
    row("write, stops at the options", write, [](SimFaults& f) { f.stopAfter = 34; });
    row("write, stops at the band", write, [](SimFaults& f) { f.stopAfter = 35; });
    row("write, hang-up", write, [](SimFaults& f) { f.hangupAfter = 15; });
}

// Every failure: the message, no end command, nothing changed, no busy wait, and the
// port closed with the dialog.
void TestRadioDialogs::faultMatrix() {
    QFETCH(Direction, direction);
    QFETCH(SimFaults, faults);
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options(programmedRadio(), faults));
    VantrelApp& app = start(radio);
    app.radio->setWaits({200, 100});
    app.codeplug.channels.setCell(ChannelTable::Frequency1, 2, QStringLiteral("145.12500"));
    app.codeplug.options.setIndex(FunctionOptions::Voice, 3);
    const QStringList before = snapshot(app);
    TransferDialog* dialog = direction == Direction::Read ? static_cast<TransferDialog*>(app.Form6)
                                                          : static_cast<TransferDialog*>(app.Form3);

    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    runTransfer(dialog);
    const double cpu = cpuSeconds() - cpuBefore;
    const double seconds = wall.elapsed() / 1000.0;

    QCOMPARE(prompter_->boxes.size(), 1);
    QVERIFY(prompter_->boxes.first().text.startsWith(storedTexts().LinkFailedMessage));
    QCOMPARE(snapshot(app), before);
    QCOMPARE(dialog->StatusPanel2->text(), storedTexts().SuccessCountLabel + "0");
    QTest::qWait(50);
    const QStringList frames = transcript.hostFrames();
    QVERIFY(!frames.isEmpty());
    QVERIFY(!frames.contains(QStringLiteral("646F")));
    // The waits sleep: a failure that takes its time takes little processor time.
    if (seconds > 0.3)
        QVERIFY2(
            cpu < seconds / 2,
            qPrintable(QStringLiteral("%1 s of processor time in %2 s").arg(cpu).arg(seconds)));
    dialog->close();
    if (faults.hangupAfter < 0)
        QVERIFY2(probePort(radio.device()).available, "the port stays open after closing");
}

// The radio goes away while a dialog holds the port open with nothing running: the
// port is closed at once instead of reporting its error in a busy loop, and the next
// read says the radio is gone.
void TestRadioDialogs::idlePortOfAVanishedRadioCloses() {
    SimTranscript transcript;
    auto radio = std::make_unique<SimulatedRadio>(transcript.options(programmedRadio()));
    VantrelApp& app = start(*radio);
    app.radio->setWaits({200, 100});
    runTransfer(app.Form6);
    QVERIFY(prompter_->boxes.isEmpty());
    radio.reset();

    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    QTest::qWait(600);
    const double cpu = cpuSeconds() - cpuBefore;
    const double seconds = wall.elapsed() / 1000.0;
    QVERIFY2(cpu < seconds / 2,
             qPrintable(QStringLiteral("%1 s of processor time in %2 s").arg(cpu).arg(seconds)));

    runTransfer(app.Form6);
    QCOMPARE(prompter_->boxes.size(), 1);
    QVERIFY(prompter_->boxes.first().text.startsWith(storedTexts().LinkFailedMessage));
}

// Before a language is applied the stored words and messages are empty: the read
// still names the switch cells, and a failure still says something.
void TestRadioDialogs::noLanguageReadsWithTheBuiltInWords() {
    // The radio answers one read (71 frames), then nothing.
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options(
        programmedRadio(), simWithFaults([](SimFaults& f) { f.stopAfter = 71; }).faults));
    VantrelApp& app = start(radio);
    app.radio->setWaits({200, 100});
    const StoredTexts applied = storedTexts();
    storedTexts() = StoredTexts();
    runTransfer(app.Form6);
    const VocabularyWords& chinese = vocabularyOf(Language::Chinese);
    const QStringList flags{app.codeplug.channels.cell(ChannelTable::Power, 1),
                            app.codeplug.channels.cell(ChannelTable::SwitchA, 1),
                            app.codeplug.channels.cell(ChannelTable::SwitchB, 1)};
    QCOMPARE(flags, (QStringList{chinese.LowWord, chinese.OffWord, chinese.OnWord}));
    QVERIFY(prompter_->boxes.isEmpty());
    runTransfer(app.Form6);
    const QString builtIn = linkFailedMessage();
    storedTexts() = applied;
    QVERIFY(!builtIn.isEmpty());
    QCOMPARE(prompter_->boxes.size(), 1);
    QCOMPARE(prompter_->boxes.first().text, builtIn);
}

void TestRadioDialogs::closingMidTransferCancelsAndTheDialogWorksAgain_data() {
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<QString>("message"); // told on closing
    QTest::newRow("read") << Direction::Read << QString();
    QTest::newRow("write, the radio must be written again")
        << Direction::Write << writeStoppedMessage();
}

void TestRadioDialogs::closingMidTransferCancelsAndTheDialogWorksAgain() {
    QFETCH(Direction, direction);
    QFETCH(QString, message);
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options(
        programmedRadio(), simWithFaults([](SimFaults& f) { f.slowMs = 5; }).faults));
    VantrelApp& app = start(radio);
    TransferDialog* dialog = direction == Direction::Read ? static_cast<TransferDialog*>(app.Form6)
                                                          : static_cast<TransferDialog*>(app.Form3);
    const QStringList before = snapshot(app);
    (direction == Direction::Read ? app.Form1->N6 : app.Form1->N7)->trigger();
    dialog->Button1->click();
    QTRY_VERIFY(dialog->ProgressBar1->value() >= 20);
    dialog->close();
    QVERIFY(!dialog->running());
    QVERIFY(probePort(radio.device()).available);
    const int sent = transcript.hostFrames().size();
    QTest::qWait(200);
    QCOMPARE(transcript.hostFrames().size(), sent); // nothing more went out
    QVERIFY(!transcript.hostFrames().contains(QStringLiteral("646F")));
    QStringList told;
    for (const auto& box : prompter_->boxes)
        told << box.text;
    QCOMPARE(told, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(snapshot(app), before);
    QVERIFY(app.Form1->isEnabled());

    runTransfer(dialog);
    QCOMPARE(prompter_->boxes.size(), told.size());
    QCOMPARE(dialog->StatusPanel2->text(), storedTexts().SuccessCountLabel + "1");
    dialog->close();
    QCOMPARE(prompter_->boxes.size(), told.size()); // a finished write is not stopped
}

void TestRadioDialogs::writeRefusesBeforeTheHandshake() {
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options());
    VantrelApp& app = start(radio);
    app.codeplug.channels.setCell(ChannelTable::Frequency1, 3, QStringLiteral("145.1"));
    runTransfer(app.Form3);
    QCOMPARE(prompter_->boxes.size(), 1);
    const QString heading = app.codeplug.channels.cell(ChannelTable::Frequency1, 0);
    // The message names the channel and the column (the program runs in Chinese here).
    QVERIFY2(prompter_->boxes.last().text.contains(QStringLiteral("信道 3，") + heading),
             qPrintable(prompter_->boxes.last().text));

    app.codeplug.channels.setCell(ChannelTable::Frequency1, 3, QStringLiteral("145.10000"));
    app.codeplug.bands.select(-1);
    runTransfer(app.Form3);
    QCOMPARE(prompter_->boxes.size(), 2);
    QCOMPARE(prompter_->boxes.last().text, noBandSelectedMessage());
    QTest::qWait(50);
    QVERIFY(transcript.hostFrames().isEmpty());
}

void TestRadioDialogs::writeCommitsTheEditedCellFirst() {
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options());
    VantrelApp& app = start(radio);
    QVERIFY(QTest::qWaitForWindowActive(app.Form1));
    ChannelGrid* grid = app.Form2->StringGrid1;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    // A frequency that cannot be committed: the write refuses, nothing is sent.
    app.codeplug.channels.setCell(ChannelTable::Frequency1, 1, QStringLiteral("14x"));
    app.Form1->N7->trigger();
    app.Form3->Button1->click();
    QTest::qWait(50);
    QVERIFY(transcript.hostFrames().isEmpty());
    QCOMPARE(prompter_->boxes.size(), 1);
    QCOMPARE(prompter_->boxes.last().text,
             QStringLiteral("'14x' is not a valid floating point value"));
    app.Form3->close();

    // Typed but not yet committed: the write commits it first (new-channel defaults).
    prompter_->boxes.clear();
    app.codeplug.channels.setCell(ChannelTable::Frequency1, 1, QString());
    QLineEdit* editor = app.Form2->bsSkinEdit1;
    QVERIFY(editor->isVisible());
    for (char key : {'1', '4', '6'}) {
        QTest::keyPress(editor, key);
        QTest::keyRelease(editor, key);
    }
    runTransfer(app.Form3);
    QVERIFY(prompter_->boxes.isEmpty());
    QCOMPARE(app.codeplug.channels.cell(ChannelTable::Frequency1, 1), QStringLiteral("146.00000"));
    QCOMPARE(radio.memory().mid(0x10, 4).toHex(), QByteArray("00006014")); // 146.00000
}

void TestRadioDialogs::powerFieldsTakeDigitsUpTo255_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("in range") << "160"
                              << "160";
    QTest::newRow("above 255") << "300"
                               << "255";
    QTest::newRow("letters and minus dropped") << "1a-2"
                                               << "12";
}

void TestRadioDialogs::powerFieldsTakeDigitsUpTo255() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TForm7 dialog;
    dialog.show();
    QTest::keyClicks(dialog.Edit1, typed);
    QCOMPARE(dialog.Edit1->text(), shown);
    QTest::keyClick(dialog.Edit1, Qt::Key_Backspace);
    QCOMPARE(dialog.Edit1->text(), shown.left(shown.size() - 1));
}

// Tab, Escape and the shortcuts reach the field; text that does not come by typing
// (paste, an input method) is held to the digits as well.
void TestRadioDialogs::powerFieldsPassEditingKeysAndRefuseOtherText() {
    TForm7 dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.Edit1->setFocus();
    QTest::keyClicks(dialog.Edit1, QStringLiteral("123"));
    QTest::keyClick(dialog.Edit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dialog.Edit1, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(dialog.Edit1, Qt::Key_Delete);
    QCOMPARE(dialog.Edit1->text(), QString());
    QTest::keyClick(dialog.Edit1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(dialog.Edit1->text(), QStringLiteral("123"));
    QTest::keyClick(dialog.Edit1, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), dialog.Edit2);
    QTest::keyClick(dialog.Edit2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dialog.Edit2->text(), QStringLiteral("123"));

    dialog.Edit2->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("１２３"));
    QTest::keyClick(dialog.Edit2, Qt::Key_V, Qt::ControlModifier);
    dialog.Edit2->insert(QStringLiteral("4x"));
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("１２"));
    QCoreApplication::sendEvent(dialog.Edit2, &composed);
    QCOMPARE(dialog.Edit2->text(), QString());

    QTest::keyClick(dialog.Edit2, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
}

void TestRadioDialogs::powerReadOffersWriteAndWriteSendsTheBlock() {
    SimTranscript transcript;
    SimulatedRadio radio(transcript.options());
    VantrelApp& app = start(radio);
    app.radio->setWaits({200, 50});
    TForm7* power = app.Form7;
    power->lockWindows();
    power->showCentred();
    power->DsFancyButton1->click();
    QVERIFY(!power->DsFancyButton1->isEnabled() && !power->DsFancyButton2->isEnabled());
    QTRY_VERIFY(power->DsFancyButton1->isEnabled());
    QCOMPARE(power->Edit1->text(), QStringLiteral("160"));
    QCOMPARE(power->Edit2->text(), QStringLiteral("50"));
    QCOMPARE(power->ComboBox1->currentIndex(), 2);
    QVERIFY(power->DsFancyButton2->isEnabled());

    // An empty field, or a value that came in without a key (dropped or pasted by
    // the mouse), writes nothing.
    for (const QString& dropped : {QString(), QStringLiteral("１２３"), QStringLiteral("300")}) {
        power->Edit2->clear();
        power->Edit2->insert(dropped);
        power->DsFancyButton2->click();
        QVERIFY(power->DsFancyButton1->isEnabled());
        QCOMPARE(prompter_->boxes.last().text, emptyPowerFieldMessage());
    }
    QCOMPARE(prompter_->boxes.size(), 3);

    power->Edit1->setText(QStringLiteral("200"));
    power->Edit2->setText(QStringLiteral("40"));
    power->ComboBox1->setCurrentIndex(0);
    power->DsFancyButton2->click();
    QVERIFY(!power->DsFancyButton1->isEnabled() && !power->DsFancyButton2->isEnabled());
    QTRY_VERIFY(power->DsFancyButton1->isEnabled());
    QVERIFY(!power->DsFancyButton2->isEnabled()); // the write withdraws the offer
    QCOMPARE(radio.memory().mid(0x3C8, 8).toHex().toUpper(), QByteArray("C828F0FFFFFFFFFF"));
    power->close();
    QVERIFY(probePort(radio.device()).available);
    QCOMPARE(power->Edit1->text(), QStringLiteral("200")); // kept for the next showing
}

void TestRadioDialogs::demoModeLeadsThePortsToASimulatedRadio() {
    fixture_->writeIni("[ports]\ncom1=/dev/null/nothing\n");
    StartOptions options;
    options.demo = true;
    VantrelApp& app = fixture_->start(options);
    QVERIFY(app.Form6->MSComm1->device().startsWith(QStringLiteral("/dev/")));
    QVERIFY(app.Form6->MSComm1->device() != QStringLiteral("/dev/null/nothing"));
    runTransfer(app.Form6);
    QVERIFY(prompter_->boxes.isEmpty());
    QCOMPARE(app.Form6->StatusPanel2->text(), storedTexts().SuccessCountLabel + "1");
    app.Form6->close();
    fixture_->stop();
    QVERIFY(!fixture_->readIni().contains("pts")); // the settings keep the real ports
}

QTEST_MAIN(TestRadioDialogs)
#include "test_radio_dialogs.moc"
