#include "codeplug/channel_editor_window.h"

#include "codeplug/channel_commit.h"
#include "codeplug/channel_grid.h"
#include "codeplug/channel_grid_model.h"
#include "codeplug/channel_table.h"
#include "codeplug/frequency_editor_keys.h"
#include "codeplug/frequency_text.h"
#include "codeplug/tone_selector.h"
#include "i18n/stored_texts.h"
#include "ui/prompter.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kFrequencyEditorLength = 9;
const QPoint kEditorOffset(10, 8); // from the cell's corner (taken in grid coordinates)

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

TForm2::TForm2(ChannelTable& table, ToneList& tones, QWidget* parent)
    : MdiChildWindow(QStringLiteral("信道编辑"), QSize(640, 349), parent), table_(table),
      tones_(tones), gridModel_(new ChannelGridModel(table, this)),
      frequencyKeys_(new FrequencyKeyFilter(this)) {
    setObjectName(QStringLiteral("Form2"));
    // Created in tab order; the editors lie above the grid.
    StringGrid1 = new ChannelGrid(gridModel_, client());
    StringGrid1->setGeometry(8, 8, 625, 297);
    buildEditors();
    TeButton1 = makeButton(client(), "TeButton1", QStringLiteral("退出"), {8, 312, 83, 25});
    TeButton2 = makeButton(client(), "TeButton2", QStringLiteral("信道上移"), {344, 312, 83, 25});
    TeButton3 = makeButton(client(), "TeButton3", QStringLiteral("信道下移"), {448, 312, 83, 25});
    TeButton4 = makeButton(client(), "TeButton4", QStringLiteral("信道删除"), {552, 312, 83, 25});
    connectHandlers();
}

TForm2::~TForm2() {
    // The controls outlive this class by a moment (the base classes delete them) and
    // may still report focus changes then: nothing of theirs must reach it.
    StringGrid1->onSelectCell = nullptr;
    StringGrid1->onClick = nullptr;
    StringGrid1->onKeyPress = nullptr;
    StringGrid1->onEnter = nullptr;
    const QObject* senders[] = {ComboBox1, bsSkinEdit1, frequencyKeys_, &table_, this};
    for (const QObject* sender : senders)
        QObject::disconnect(sender, nullptr, this, nullptr);
}

void TForm2::buildEditors() {
    ComboBox1 = new ToneSelector(tones_, client());
    ComboBox1->setGeometry(125, 318, 92, ComboBox1->sizeHint().height());
    ComboBox1->hide();

    bsSkinEdit1 = new QLineEdit(client());
    bsSkinEdit1->setObjectName(QStringLiteral("bsSkinEdit1"));
    bsSkinEdit1->setGeometry(46, 44, 80, 18);
    bsSkinEdit1->setMaxLength(kFrequencyEditorLength);
    bsSkinEdit1->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    bsSkinEdit1->setFont(font);
    QPalette palette = bsSkinEdit1->palette();
    palette.setColor(QPalette::Text, Qt::black);
    bsSkinEdit1->setPalette(palette);
    bsSkinEdit1->installEventFilter(frequencyKeys_);
    bsSkinEdit1->hide();
}

void TForm2::connectHandlers() {
    StringGrid1->onSelectCell = [this](int column, int row) {
        return StringGrid1SelectCell(column, row);
    };
    StringGrid1->onClick = [this] { StringGrid1Click(); };
    StringGrid1->onKeyPress = [this](QChar typed) { StringGrid1KeyPress(typed); };
    StringGrid1->onEnter = [this] { StringGrid1Enter(); };
    connect(frequencyKeys_, &FrequencyKeyFilter::enterPressed, this, &TForm2::bsSkinEdit1KeyPress);
    connect(frequencyKeys_, &FrequencyKeyFilter::keyReleased, this, &TForm2::bsSkinEdit1KeyUp);
    // Edits made with the mouse (pasting) reach the cell as typing does.
    connect(bsSkinEdit1, &QLineEdit::textEdited, this, &TForm2::bsSkinEdit1KeyUp);
    connect(ComboBox1, &ToneSelector::characterTyped, this, &TForm2::ComboBox1KeyPress);
    connect(ComboBox1, &ToneSelector::exited, this, &TForm2::ComboBox1Exit);
    connect(TeButton1, &QPushButton::clicked, this, &TForm2::TeButton1Click);
    connect(TeButton2, &QPushButton::clicked, this, &TForm2::TeButton2Click);
    connect(TeButton3, &QPushButton::clicked, this, &TForm2::TeButton3Click);
    connect(TeButton4, &QPushButton::clicked, this, &TForm2::TeButton4Click);
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                const bool wasActive = before.testFlag(Qt::WindowActive);
                const bool isActive = now.testFlag(Qt::WindowActive);
                if (isActive && !wasActive)
                    FormActivate();
                else if (wasActive && !isActive)
                    FormDeactivate();
            });
    connect(&table_, &ChannelTable::cellChanged, this, &TForm2::followTable);
}

bool TForm2::commitEdit() {
    // A commit asked for while its own message is up (focus and activation move
    // around the box) waits for the user instead of stacking boxes.
    if (reportingError_)
        return false;
    // An open tone selector's choice counts as typed: Save and Write must see it.
    if (!ComboBox1->isHidden())
        table_.setCell(EditCol, ToneRow, ComboBox1->currentText());
    const CommitError error =
        sendallcell(table_, EditCol, EditRow, storedTexts(), userDecimalSeparator());
    if (!error)
        return true;
    reportingError_ = true;
    prompter().error(this, *error);
    reportingError_ = false;
    return false;
}

void TForm2::clearFrequencyEditor() {
    bsSkinEdit1->clear();
}

// The commit runs for the cell opened before, not for the one being selected.
bool TForm2::StringGrid1SelectCell(int, int) {
    return commitEdit();
}

void TForm2::StringGrid1Click() {
    ComboBox1->hide();
    bsSkinEdit1->hide();
    EditCol = StringGrid1->col();
    EditRow = StringGrid1->row();
    const StoredTexts& words = storedTexts();
    const bool channel = table_.channelExists(EditRow);
    switch (EditCol) {
    case ChannelTable::Frequency1:
        openFrequencyEditor();
        break;
    case ChannelTable::Frequency2:
        if (channel)
            openFrequencyEditor();
        break;
    case ChannelTable::Tone1:
    case ChannelTable::Tone2:
        if (channel)
            openToneSelector();
        break;
    case ChannelTable::Power:
        if (channel)
            toggleCell(words.HighWord, words.LowWord);
        break;
    case ChannelTable::SwitchA:
    case ChannelTable::SwitchB:
        if (channel)
            toggleCell(words.OffWord, words.OnWord);
        break;
    default:
        break;
    }
}

// A cell holding `first` gets `second`; any other text becomes `first`.
void TForm2::toggleCell(const QString& first, const QString& second) {
    const QString text = table_.cell(EditCol, EditRow);
    table_.setCell(EditCol, EditRow, text == first ? second : first);
}

QPoint TForm2::editorPlace() const {
    return StringGrid1->cellRect(EditCol, EditRow).topLeft() + kEditorOffset;
}

void TForm2::openFrequencyEditor() {
    bsSkinEdit1->move(editorPlace());
    bsSkinEdit1->setText(table_.cell(EditCol, EditRow));
    bsSkinEdit1->show();
    bsSkinEdit1->raise();
}

void TForm2::openToneSelector() {
    ComboBox1->move(editorPlace());
    ComboBox1->showText(table_.cell(EditCol, EditRow));
    ComboBox1->show();
    ComboBox1->raise();
    ToneRow = EditRow;
    ComboBox1->setFocus(Qt::OtherFocusReason);
}

bool TForm2::frequencyCellOpen() const {
    return EditCol == ChannelTable::Frequency1 ||
           (EditCol == ChannelTable::Frequency2 && table_.channelExists(EditRow));
}

void TForm2::StringGrid1KeyPress(QChar typed) {
    if (!frequencyCellOpen() || !!bsSkinEdit1->isHidden())
        return;
    if (typed == QLatin1Char('\r')) {
        // Edit the shown text: all of it selected, as focus into an edit does.
        bsSkinEdit1->setFocus(Qt::OtherFocusReason);
        bsSkinEdit1->selectAll();
    } else if (typed.isDigit() && typed.unicode() < 0x80) {
        bsSkinEdit1->setText(typed);
        bsSkinEdit1->setFocus(Qt::OtherFocusReason);
        bsSkinEdit1->deselect();
        bsSkinEdit1->setCursorPosition(1);
    }
}

void TForm2::StringGrid1Enter() {
    if (!ComboBox1->isHidden())
        ComboBox1->hide();
}

void TForm2::bsSkinEdit1KeyPress() {
    StringGrid1->setFocus(Qt::OtherFocusReason);
    bsSkinEdit1->hide();
    if (!commitEdit()) {
        // The text stays in the editor for the user to correct.
        bsSkinEdit1->show();
        bsSkinEdit1->setFocus(Qt::OtherFocusReason);
        return;
    }
    StringGrid1Click();
}

// The cell follows the typing character by character, unformatted until the commit.
void TForm2::bsSkinEdit1KeyUp() {
    table_.setCell(EditCol, EditRow, bsSkinEdit1->text());
}

void TForm2::ComboBox1KeyPress() {
    StringGrid1->setFocus(Qt::OtherFocusReason);
    ComboBox1->hide();
}

void TForm2::ComboBox1Exit() {
    table_.setCell(EditCol, ToneRow, ComboBox1->currentText());
    ComboBox1->hide();
}

void TForm2::TeButton1Click() {
    close();
}

// Hidden, the window is left like any other: the frequency being typed is committed.
void TForm2::closeEvent(QCloseEvent* event) {
    if (windowState().testFlag(Qt::WindowActive))
        FormDeactivate();
    MdiChildWindow::closeEvent(event);
}

void TForm2::TeButton2Click() {
    moveChannel(-1);
}

void TForm2::TeButton3Click() {
    moveChannel(+1);
}

// Swaps the channel with its neighbour; the grid's current cell stays where it is.
void TForm2::moveChannel(int step) {
    const int column = EditCol;
    const int row = EditRow;
    if (!commitEdit())
        return;
    bsSkinEdit1->hide();
    ComboBox1->hide();
    const int neighbour = row + step;
    // Before any cell has been opened there is no channel to move (row 0 stays 0).
    if (!ChannelTable::isValueColumn(column) || !ChannelTable::isChannelRow(row) ||
        !ChannelTable::isChannelRow(neighbour) || table_.cell(column, row).isEmpty())
        return;
    for (int c = ChannelTable::Frequency1; c < ChannelTable::ColumnCount; ++c) {
        const QString moving = table_.cell(c, row);
        table_.setCell(c, row, table_.cell(c, neighbour));
        table_.setCell(c, neighbour, moving);
    }
    EditRow = neighbour;
}

void TForm2::TeButton4Click() {
    ComboBox1->hide();
    // Before any cell has been opened there is nothing to delete, and the headings
    // never become current.
    if (!ChannelTable::isChannelRow(EditRow))
        return;
    table_.clearRow(EditRow);
    // Back to column 1 through real moves, so the commit and the opening of the
    // editor run; EditRow is read again after each move.
    if (EditCol == ChannelTable::Frequency1 &&
        (!StringGrid1->setCol(ChannelTable::Tone1) || !StringGrid1->setRow(EditRow)))
        return;
    if (StringGrid1->setCol(ChannelTable::Frequency1))
        StringGrid1->setRow(EditRow);
}

void TForm2::FormActivate() {
    // A click into one of its controls keeps the focus there.
    if (!client()->isAncestorOf(focusWidget()))
        StringGrid1->setFocus(Qt::ActiveWindowFocusReason);
}

void TForm2::FormDeactivate() {
    bsSkinEdit1->hide();
    if (EditCol == ChannelTable::Frequency1 || EditCol == ChannelTable::Frequency2)
        commitEdit();
}

// Cells changed by other code (a file opened, a language applied) show in the open
// editors too, so a later key or focus change never writes an old text back.
void TForm2::followTable(int column, int row) {
    const QString text = table_.cell(column, row);
    if (!bsSkinEdit1->isHidden() && column == EditCol && row == EditRow &&
        bsSkinEdit1->text() != text)
        bsSkinEdit1->setText(text);
    if (!ComboBox1->isHidden() && column == EditCol && row == ToneRow &&
        ComboBox1->currentText() != text)
        ComboBox1->showText(text);
}
