#include "codeplug/channel_editor_window.h"
#include "codeplug/channel_table.h"
#include "codeplug/tone_list.h"
#include "codeplug/tone_selector.h"
#include "i18n/stored_texts.h"
#include "support/scripted_prompter.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QtTest>
#include <memory>

// The channel editor window driven as a user drives it: clicks on the grid, keys to
// the focused control, the row buttons.
class ChannelEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void typedFrequency_newChannelDefaults_data();
    void typedFrequency_newChannelDefaults();
    void frequencyEditor_refusedCharacters_data();
    void frequencyEditor_refusedCharacters();
    void frequencyEditor_deleteKeyWorks();
    void clearedFrequency_deletesChannel();
    void failedCommit_keepsCellForCorrection();
    void click_togglesOrOpens_data();
    void click_togglesOrOpens();
    void arrowAndWheel_moveAndToggle();
    void channelUp_threeTimesFromRow5();
    void channelMove_changesNothing_data();
    void channelMove_changesNothing();
    void channelDelete_data();
    void channelDelete();
    void toneSelector_data();
    void toneSelector();
    void closeAndReopen_keepsCells();
    void deactivation_commitsEditedFrequency();
    void otherCode_changesShowInOpenEditor();
    void exitAfterCloseWhileTyping();

private:
    void click(int column, int row);
    void type(const QString& keys);
    void press(Qt::Key key);
    void setRow(int row, const QStringList& cells);
    QStringList rowOf(int row) const;
    QList<QStringList> allRows() const;
    bool editorOpenOver(int column, int row) const;

    std::unique_ptr<ChannelTable> table_;
    std::unique_ptr<ToneList> tones_;
    std::unique_ptr<QMdiArea> area_;
    TForm2* form_ = nullptr;
    std::unique_ptr<ScriptedPrompter> prompter_;
};

namespace {

const QStringList kEmptyRow(7, QString());

// Channel n of the sample rows: a distinct frequency, the rest filled.
QStringList sampleChannel(int n) {
    const QString frequency = QStringLiteral("%1.00000").arg(140 + n);
    return {frequency, "88.5", frequency, "Off", "High", "On", "Off"};
}

} // namespace

void ChannelEditorTest::init() {
    QLocale::setDefault(QLocale::c());
    StoredTexts& words = storedTexts();
    words = StoredTexts{};
    words.OffWord = QStringLiteral("Off");
    words.OnWord = QStringLiteral("On");
    words.HighWord = QStringLiteral("High");
    words.LowWord = QStringLiteral("Low");
    table_ = std::make_unique<ChannelTable>();
    tones_ = std::make_unique<ToneList>();
    tones_->setOffWord(words.OffWord);
    prompter_ = std::make_unique<ScriptedPrompter>();
    area_ = std::make_unique<QMdiArea>();
    area_->resize(800, 600);
    form_ = new TForm2(*table_, *tones_);
    area_->addSubWindow(form_);
    form_->show();
    area_->show();
    QVERIFY(QTest::qWaitForWindowActive(area_.get()));
    QCOMPARE(QApplication::focusWidget(), form_->StringGrid1);
}

void ChannelEditorTest::cleanup() {
    area_.reset();
    prompter_.reset();
    tones_.reset();
    table_.reset();
    QLocale::setDefault(QLocale::c());
}

void ChannelEditorTest::click(int column, int row) {
    ChannelGrid* grid = form_->StringGrid1;
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Each key goes to the control that has the focus, its release to the one that has
// it afterwards, as on a real keyboard.
void ChannelEditorTest::type(const QString& keys) {
    for (QChar key : keys) {
        QTest::keyPress(QApplication::focusWidget(), key.toLatin1());
        QTest::keyRelease(QApplication::focusWidget(), key.toLatin1());
    }
}

void ChannelEditorTest::press(Qt::Key key) {
    QTest::keyPress(QApplication::focusWidget(), key);
    QTest::keyRelease(QApplication::focusWidget(), key);
}

void ChannelEditorTest::setRow(int row, const QStringList& cells) {
    for (int column = 1; column <= 7; ++column)
        table_->setCell(column, row, cells.value(column - 1));
}

QStringList ChannelEditorTest::rowOf(int row) const {
    QStringList cells;
    for (int column = 1; column <= 7; ++column)
        cells << table_->cell(column, row);
    return cells;
}

QList<QStringList> ChannelEditorTest::allRows() const {
    QList<QStringList> rows;
    for (int row = 1; row <= 16; ++row)
        rows << rowOf(row);
    return rows;
}

bool ChannelEditorTest::editorOpenOver(int column, int row) const {
    const QLineEdit* editor = form_->bsSkinEdit1;
    const QPoint place = form_->StringGrid1->cellRect(column, row).topLeft() + QPoint(10, 8);
    return editor->isVisible() && editor->pos() == place && form_->EditCol == column &&
           form_->EditRow == row;
}

void ChannelEditorTest::typedFrequency_newChannelDefaults_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("frequency");
    QTest::newRow("point") << QLocale::c() << "145.00000";
    QTest::newRow("comma") << QLocale(QLocale::German) << "145,00000";
}

void ChannelEditorTest::typedFrequency_newChannelDefaults() {
    QFETCH(QLocale, locale);
    QFETCH(QString, frequency);
    QLocale::setDefault(locale);
    click(1, 3);
    QVERIFY(editorOpenOver(1, 3));
    type("145");
    QCOMPARE(QApplication::focusWidget(), form_->bsSkinEdit1);
    QCOMPARE(table_->cell(1, 3), QStringLiteral("145")); // unformatted until the commit
    press(Qt::Key_Return);

    QCOMPARE(rowOf(3), (QStringList{frequency, "Off", frequency, "Off", "High", "On", "Off"}));
    QVERIFY(editorOpenOver(1, 3));
    QCOMPARE(form_->bsSkinEdit1->text(), frequency);
    QCOMPARE(QApplication::focusWidget(), form_->StringGrid1);
    QVERIFY(prompter_->boxes.isEmpty());
}

void ChannelEditorTest::frequencyEditor_refusedCharacters_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    const QLocale point = QLocale::c();
    const QLocale comma(QLocale::German);
    QTest::newRow("separator after three characters") << point << "145.5"
                                                      << "145.5";
    QTest::newRow("separator first") << point << ".145"
                                     << "145";
    QTest::newRow("separator second") << point << "1.45"
                                      << "145";
    QTest::newRow("second separator") << point << "145.5.2"
                                      << "145.52";
    QTest::newRow("other locale's separator") << point << "145,5"
                                              << "1455";
    QTest::newRow("comma locale takes its own") << comma << "145,5"
                                                << "145,5";
    QTest::newRow("comma locale refuses the point") << comma << "145.5"
                                                    << "1455";
    QTest::newRow("tenth character") << point << "145.123456"
                                     << "145.12345";
    QTest::newRow("letters and signs") << point << "1a4-5 e"
                                       << "145";
    QTest::newRow("backspace") << point << "1456\b"
                               << "145";
}

// Delete produces no character of the text, whatever the platform puts in the event
// (X11 gives it the text "\x7f"): it deletes as usual.
void ChannelEditorTest::frequencyEditor_deleteKeyWorks() {
    click(1, 2);
    type("1456");
    press(Qt::Key_Home);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(form_->bsSkinEdit1, &del);
    QCOMPARE(form_->bsSkinEdit1->text(), QStringLiteral("456"));
}

// The text is typed after Enter opened the editor, so even the first character is
// the editor's own.
void ChannelEditorTest::frequencyEditor_refusedCharacters() {
    QFETCH(QLocale, locale);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLocale::setDefault(locale);
    click(1, 2);
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), form_->bsSkinEdit1);
    type(typed);
    QCOMPARE(form_->bsSkinEdit1->text(), shown);
    QCOMPARE(table_->cell(1, 2), shown);
    QCOMPARE(table_->cell(2, 2), QString()); // no commit yet
}

void ChannelEditorTest::clearedFrequency_deletesChannel() {
    setRow(4, sampleChannel(4));
    click(1, 4);
    press(Qt::Key_Return); // all of the shown text selected
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    QCOMPARE(rowOf(4), kEmptyRow);
    QVERIFY(editorOpenOver(1, 4));
    QCOMPARE(form_->bsSkinEdit1->text(), QString());
}

// A frequency from a file written with the other separator cannot be committed: the
// message names it, and the grid and the editor stay so the user can correct it.
void ChannelEditorTest::failedCommit_keepsCellForCorrection() {
    setRow(3, {"145,5", "", "", "", "", "", ""});
    click(1, 3);
    click(1, 4);
    QCOMPARE(prompter_->boxes.size(), 1);
    QCOMPARE(prompter_->boxes[0].kind, QStringLiteral("error"));
    QCOMPARE(prompter_->boxes[0].text,
             QStringLiteral("'145,5' is not a valid floating point value"));
    QCOMPARE(form_->StringGrid1->row(), 3);
    QVERIFY(editorOpenOver(1, 3));

    press(Qt::Key_Return); // grid: into the editor
    press(Qt::Key_Return); // editor: the commit fails again, the editor stays
    QCOMPARE(prompter_->boxes.size(), 2);
    QCOMPARE(QApplication::focusWidget(), form_->bsSkinEdit1);
    QVERIFY(editorOpenOver(1, 3));
    QCOMPARE(form_->bsSkinEdit1->text(), QStringLiteral("145,5"));

    press(Qt::Key_End);
    type("\b\b\b6.5");
    click(1, 4);
    QCOMPARE(prompter_->boxes.size(), 2);
    QCOMPARE(form_->StringGrid1->row(), 4);
    QCOMPARE(rowOf(3), (QStringList{"146.50000", "Off", "146.50000", "Off", "High", "On", "Off"}));
}

void ChannelEditorTest::click_togglesOrOpens_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("afterClicks");
    QTest::newRow("power") << 5 << "High" << QStringList{"Low", "High", "Low"};
    QTest::newRow("power, unknown text") << 5 << "Medium" << QStringList{"High", "Low"};
    QTest::newRow("power, other language") << 5 << "Low " << QStringList{"High", "Low"};
    QTest::newRow("switch A") << 6 << "On" << QStringList{"Off", "On"};
    QTest::newRow("switch B") << 7 << "Off" << QStringList{"On", "Off"};
    QTest::newRow("switch, unknown text") << 6 << "" << QStringList{"Off", "On"};
}

// Each click on the cell toggles it, the first one (which moves there) as well.
void ChannelEditorTest::click_togglesOrOpens() {
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QStringList, afterClicks);
    setRow(6, sampleChannel(6));
    table_->setCell(column, 6, before);
    for (const QString& expected : afterClicks) {
        click(column, 6);
        QCOMPARE(table_->cell(column, 6), expected);
    }
    QVERIFY(form_->bsSkinEdit1->isHidden());
    QVERIFY(form_->ComboBox1->isHidden());

    // The same column of an empty row: nothing opens, nothing changes.
    for (int emptyColumn = 2; emptyColumn <= 7; ++emptyColumn) {
        click(emptyColumn, 7);
        QCOMPARE(rowOf(7), kEmptyRow);
        QVERIFY(form_->bsSkinEdit1->isHidden());
        QVERIFY(form_->ComboBox1->isHidden());
    }
}

void ChannelEditorTest::arrowAndWheel_moveAndToggle() {
    setRow(3, sampleChannel(3));
    setRow(4, sampleChannel(4));
    click(5, 2); // an empty row: nothing toggles
    press(Qt::Key_Down);
    QCOMPARE(table_->cell(5, 3), QStringLiteral("Low"));

    ChannelGrid* grid = form_->StringGrid1;
    const auto wheel = [grid](int angle) {
        const QPointF where = grid->viewport()->rect().center();
        QWheelEvent event(where, grid->viewport()->mapToGlobal(where), {}, {0, angle}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &event);
    };
    wheel(-120); // towards the user: one row down
    QCOMPARE(grid->row(), 4);
    QCOMPARE(table_->cell(5, 4), QStringLiteral("Low"));
    wheel(120 * 5); // up, but not past row 1
    QCOMPARE(grid->row(), 1);
    QCOMPARE(table_->cell(5, 3), QStringLiteral("High"));
    QCOMPARE(table_->cell(5, 4), QStringLiteral("Low"));

    press(Qt::Key_Up); // the headings never become current
    QCOMPARE(grid->row(), 1);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    QCOMPARE(grid->col(), 1);
    QVERIFY(editorOpenOver(1, 1));
}

void ChannelEditorTest::channelUp_threeTimesFromRow5() {
    for (int row = 1; row <= 5; ++row)
        setRow(row, sampleChannel(row));
    click(1, 5);
    for (int i = 0; i < 3; ++i)
        form_->TeButton2->click();
    QCOMPARE(rowOf(1), sampleChannel(1));
    QCOMPARE(rowOf(2), sampleChannel(5));
    QCOMPARE(rowOf(3), sampleChannel(2));
    QCOMPARE(rowOf(4), sampleChannel(3));
    QCOMPARE(rowOf(5), sampleChannel(4));
    QCOMPARE(form_->StringGrid1->row(), 5); // the highlight stays
    QCOMPARE(form_->EditRow, 2);
    QVERIFY(form_->bsSkinEdit1->isHidden());

    form_->TeButton3->click(); // and back down one
    QCOMPARE(rowOf(3), sampleChannel(5));
    QCOMPARE(rowOf(2), sampleChannel(2));
    QVERIFY(prompter_->boxes.isEmpty());
}

void ChannelEditorTest::channelMove_changesNothing_data() {
    QTest::addColumn<int>("openRow"); // 0: no cell opened
    QTest::addColumn<QString>("frequency1");
    QTest::addColumn<QPushButton * TForm2::*>("button");
    QTest::addColumn<int>("boxes");
    QTest::newRow("up on row 1") << 1 << "141.00000" << &TForm2::TeButton2 << 0;
    QTest::newRow("down on row 16") << 16 << "156.00000" << &TForm2::TeButton3 << 0;
    QTest::newRow("up before any cell was opened") << 0 << "141.00000" << &TForm2::TeButton2 << 0;
    QTest::newRow("down before any cell was opened") << 0 << "141.00000" << &TForm2::TeButton3 << 0;
    QTest::newRow("failed commit stops the move") << 2 << "142,5" << &TForm2::TeButton2 << 2;
}

void ChannelEditorTest::channelMove_changesNothing() {
    QFETCH(int, openRow);
    QFETCH(QString, frequency1);
    QFETCH(QPushButton * TForm2::*, button);
    QFETCH(int, boxes);
    for (int row = 1; row <= 16; ++row)
        setRow(row, sampleChannel(row));
    table_->setCell(1, qMax(openRow, 1), frequency1);
    const QList<QStringList> before = allRows();
    if (openRow > 0)
        click(1, openRow);
    (form_->*button)->click();
    (form_->*button)->click();
    QCOMPARE(allRows(), before);
    QCOMPARE(prompter_->boxes.size(), boxes);
    // Nothing opened stays nothing opened: a delete now still empties no row.
    if (openRow == 0) {
        form_->TeButton4->click();
        QCOMPARE(allRows(), before);
        QCOMPARE(form_->StringGrid1->row(), 1);
    }
}

void ChannelEditorTest::channelDelete_data() {
    QTest::addColumn<int>("openColumn");
    QTest::addColumn<int>("ups");
    QTest::addColumn<int>("emptiedRow");
    QTest::addColumn<int>("editorRow");
    QTest::newRow("opened in column 1") << 1 << 0 << 5 << 5;
    QTest::newRow("opened in column 4") << 4 << 0 << 5 << 5;
    QTest::newRow("after channel up: its new row") << 1 << 1 << 4 << 5;
    QTest::newRow("after two ups, from column 6") << 6 << 2 << 3 << 5;
}

// Opened on row 5, moved up, deleted: the channel's row empties without a question,
// and the editor opens (with its text) on the row the grid highlights.
void ChannelEditorTest::channelDelete() {
    QFETCH(int, openColumn);
    QFETCH(int, ups);
    QFETCH(int, emptiedRow);
    QFETCH(int, editorRow);
    for (int row = 1; row <= 6; ++row)
        setRow(row, sampleChannel(row));
    click(openColumn, 5);
    for (int i = 0; i < ups; ++i)
        form_->TeButton2->click();
    QList<QStringList> expected = allRows();
    expected[emptiedRow - 1] = kEmptyRow;

    form_->TeButton4->click();
    QCOMPARE(allRows(), expected);
    QVERIFY(prompter_->boxes.isEmpty());
    QVERIFY(editorOpenOver(1, editorRow));
    QCOMPARE(form_->StringGrid1->row(), editorRow);
    QCOMPARE(form_->bsSkinEdit1->text(), table_->cell(1, editorRow));
    QVERIFY(form_->ComboBox1->isHidden());
}

void ChannelEditorTest::toneSelector_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<int>>("keys");   // in the open selector
    QTest::addColumn<bool>("leaveByClick"); // else by typing a letter
    QTest::addColumn<QString>("after");
    QTest::newRow("letter keeps the chosen entry")
        << "88.5" << QList<int>{Qt::Key_Down} << false << "91.5";
    QTest::newRow("letter alone keeps the cell") << "88.5" << QList<int>{} << false << "88.5";
    QTest::newRow("clicking another cell writes the choice")
        << "Off" << QList<int>{Qt::Key_Down, Qt::Key_Down} << true << "69.3";
    QTest::newRow("tone outside the list survives") << "D017N" << QList<int>{} << true << "D017N";
    QTest::newRow("Delete key clears nothing")
        << "88.5" << QList<int>{Qt::Key_Delete} << true << "88.5";
}

void ChannelEditorTest::toneSelector() {
    QFETCH(QString, before);
    QFETCH(QList<int>, keys);
    QFETCH(bool, leaveByClick);
    QFETCH(QString, after);
    setRow(8, sampleChannel(8));
    table_->setCell(4, 8, before);
    click(4, 8);
    ToneSelector* selector = form_->ComboBox1;
    QVERIFY(selector->isVisible());
    QCOMPARE(selector->currentText(), before);
    QCOMPARE(selector->pos(), form_->StringGrid1->cellRect(4, 8).topLeft() + QPoint(10, 8));
    QVERIFY(selector->hasFocus());
    QCOMPARE(form_->ToneRow, 8);
    for (int key : keys)
        press(Qt::Key(key));
    QCOMPARE(table_->cell(4, 8), before); // written only when the choice ends
    if (leaveByClick)
        click(1, 9);
    else
        type("x");
    QVERIFY(selector->isHidden());
    QCOMPARE(table_->cell(4, 8), after);
    QCOMPARE(QApplication::focusWidget(), form_->StringGrid1);
    QCOMPARE(rowOf(8).mid(0, 3), sampleChannel(8).mid(0, 3));
}

void ChannelEditorTest::closeAndReopen_keepsCells() {
    for (int row = 1; row <= 15; ++row)
        setRow(row, sampleChannel(row));
    click(1, 16);
    type("156");
    form_->TeButton1->click(); // closing commits the frequency being typed
    QCOMPARE(rowOf(16), (QStringList{"156.00000", "Off", "156.00000", "Off", "High", "On", "Off"}));
    form_->bringBack();
    const QList<QStringList> before = allRows();
    for (int cycle = 0; cycle < 3; ++cycle) {
        form_->TeButton1->click();
        QVERIFY(!form_->isVisible());
        QVERIFY(form_->EditorHidden());
        form_->resize(300, 200); // the frame's minimise while hidden keeps it hidden
        QVERIFY(!form_->isVisible());
        form_->bringBack();
        QVERIFY(form_->isVisible());
        QVERIFY(!form_->EditorHidden());
        QCOMPARE(allRows(), before);
    }
}

// Switching to another child window commits the frequency being typed.
void ChannelEditorTest::deactivation_commitsEditedFrequency() {
    auto* other = area_->addSubWindow(new QLineEdit);
    other->show();
    area_->setActiveSubWindow(form_);
    click(1, 7);
    type("430");
    area_->setActiveSubWindow(other);
    QVERIFY(form_->bsSkinEdit1->isHidden());
    QCOMPARE(rowOf(7), (QStringList{"430.00000", "Off", "430.00000", "Off", "High", "On", "Off"}));
    area_->setActiveSubWindow(form_);
    QCOMPARE(QApplication::focusWidget(), form_->StringGrid1);
}

// The editors are views of the table: a cell changed elsewhere (a file opened) shows
// in them, so a later key in the editor never writes the old text back. The two
// operations for Save, Write and New act on the cell being edited.
void ChannelEditorTest::otherCode_changesShowInOpenEditor() {
    click(1, 9);
    type("14");
    table_->setCell(1, 9, QStringLiteral("430.00000"));
    QCOMPARE(form_->bsSkinEdit1->text(), QStringLiteral("430.00000"));
    press(Qt::Key_Left); // a key release copies the editor into the cell
    QCOMPARE(table_->cell(1, 9), QStringLiteral("430.00000"));

    table_->setCell(1, 9, QStringLiteral("4x"));
    QVERIFY(!form_->commitEdit());
    QCOMPARE(prompter_->boxes.value(0).text,
             QStringLiteral("'4x' is not a valid floating point value"));
    table_->setCell(1, 9, QStringLiteral("145"));
    QVERIFY(form_->commitEdit());
    QCOMPARE(rowOf(9), (QStringList{"145.00000", "Off", "145.00000", "Off", "High", "On", "Off"}));

    setRow(10, sampleChannel(10));
    click(2, 10);
    press(Qt::Key_Down); // 91.5, chosen but the selector still open
    QVERIFY(form_->commitEdit());
    QCOMPARE(table_->cell(2, 10), QStringLiteral("91.5"));

    form_->clearFrequencyEditor();
    QCOMPARE(form_->bsSkinEdit1->text(), QString());
}

// The program ends after the window was closed with the editor focused: the editor's
// last focus change must not reach the half-destroyed window.
void ChannelEditorTest::exitAfterCloseWhileTyping() {
    click(1, 2);
    type("14");
    form_->close();
    area_.reset();
    QCOMPARE(rowOf(2).first(), QStringLiteral("100.00000")); // committed on close
}

QTEST_MAIN(ChannelEditorTest)
#include "test_channel_editor.moc"
