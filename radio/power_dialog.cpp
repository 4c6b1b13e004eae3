#include "radio/power_dialog.h"

#include "radio/calibration_codec.h"
#include "radio/radio_session.h"
#include "radio/serial_control.h"
#include "radio/transfer_messages.h"
#include "ui/prompter.h"

#include <QKeyEvent>

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>
#include <optional>

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont small = label->font();
    small.setPixelSize(13);
    label->setFont(small);
    label->move(place);
    label->adjustSize();
    return label;
}

// Only the ASCII digits: the key filter sees typed keys, this guard also what comes
// by paste, drag and drop or an input method. Values above 255 are let in and cut
// to 255 when the key is let go.
bool isDigits(const QString& text) {
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

class DigitsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return isDigits(input) ? Acceptable : Invalid;
    }
};

// The value of a field, when it holds a number from 0 to 255.
std::optional<int> powerValue(const QLineEdit* edit) {
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    if (!ok || value < 0 || value > 255)
        return std::nullopt;
    return value;
}

QLineEdit* makeValueEdit(QWidget* parent, const char* name, QPoint place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new DigitsValidator(edit));
    edit->setMaxLength(3);
    edit->setGeometry(QRect(place, QSize(65, 21)));
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QPoint place) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(place, QSize(65, 25)));
    return button;
}

} // namespace

TForm7::TForm7(QWidget* parent) : RadioDialog(QStringLiteral("功率调整"), QSize(312, 160), parent) {
    setObjectName(QStringLiteral("Form7"));
    auto* panel = new QFrame(this);
    panel->setGeometry(8, 8, 297, 113);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    Label1 = makeLabel(panel, "Label1", QStringLiteral("高功率："), {32, 11});
    Edit1 = makeValueEdit(panel, "Edit1", {128, 8});
    Label3 = makeLabel(panel, "Label3", QStringLiteral("低功率："), {32, 44});
    Edit2 = makeValueEdit(panel, "Edit2", {128, 40});
    Label2 = makeLabel(panel, "Label2", QStringLiteral("低电压："), {32, 75});
    ComboBox1 = new QComboBox(panel);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(128, 80, 65, 21);
    ComboBox1->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    ComboBox1->setCurrentIndex(1);
    Image1 = new QLabel(panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(224, 40, 57, 57);
    Image1->setPixmap(QIcon(QStringLiteral(":/images/toolbar_power.svg")).pixmap(48, 48));
    DsFancyButton1 = makeButton(this, "DsFancyButton1", QStringLiteral("读出"), {64, 128});
    DsFancyButton2 = makeButton(this, "DsFancyButton2", QStringLiteral("写入"), {176, 128});
    DsFancyButton2->setEnabled(false);
    for (QLineEdit* edit : {Edit1, Edit2})
        edit->installEventFilter(this);
    connect(DsFancyButton1, &QPushButton::clicked, this, &TForm7::DsFancyButton1Click);
    connect(DsFancyButton2, &QPushButton::clicked, this, &TForm7::DsFancyButton2Click);
}

void TForm7::attachRadio(RadioSession* session, SerialControl* control) {
    RadioDialog::attachRadio(session, control);
    connect(session_, &RadioSession::powerFinished, this, &TForm7::powerFinished);
}

bool TForm7::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && event->type() == QEvent::KeyPress)
        return !Edit1KeyPress(*static_cast<QKeyEvent*>(event));
    if (edit && event->type() == QEvent::KeyRelease)
        EditKeyUp(edit);
    return StayOnTopDialog::eventFilter(watched, event);
}

bool TForm7::Edit1KeyPress(const QKeyEvent& key) const {
    // Shortcuts (select all, copy, paste, undo) and keys that type no character
    // (Tab, Enter, Escape, Backspace, Delete, arrows) are no typed text.
    constexpr auto shortcut = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (key.modifiers() & shortcut)
        return true;
    const QString text = key.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return true;
    return isDigits(text);
}

void TForm7::EditKeyUp(QLineEdit* edit) {
    if (!edit->text().isEmpty() && edit->text().toInt() > 255)
        edit->setText(QStringLiteral("255"));
}

// The fields and the write button stay as they are for the next showing.
void TForm7::FormClose() {
    RadioDialog::FormClose();
    running_ = false;
    DsFancyButton1->setEnabled(true);
    DsFancyButton2->setEnabled(writeOffered_);
}

void TForm7::startExchange(bool started) {
    if (!started)
        return;
    running_ = true;
    DsFancyButton1->setEnabled(false);
    DsFancyButton2->setEnabled(false);
}

void TForm7::DsFancyButton1Click() {
    if (running_)
        return;
    writing_ = false;
    startExchange(session_->startPowerRead());
}

// Nothing is written while a field does not hold a number from 0 to 255.
void TForm7::DsFancyButton2Click() {
    if (running_)
        return;
    const auto high = powerValue(Edit1);
    const auto low = powerValue(Edit2);
    if (!high || !low) {
        prompter().information(this, windowTitle(), emptyPowerFieldMessage());
        return;
    }
    const auto block = encodeCalibration({*high, *low, ComboBox1->currentIndex()});
    if (!block) {
        prompter().information(this, windowTitle(), block.error());
        return;
    }
    writing_ = true;
    startExchange(session_->startPowerWrite(*block));
}

// A radio that does not answer is not reported; a reply that cannot be read or a lost
// port is.
void TForm7::powerFinished(const PowerOutcome& outcome) {
    if (!running_)
        return;
    running_ = false;
    if (!writing_ && outcome.result.ok) {
        Edit1->setText(QString::number(outcome.values.highPower));
        Edit2->setText(QString::number(outcome.values.lowPower));
        ComboBox1->setCurrentIndex(outcome.values.lowVoltage);
    }
    // A read that found the radio offers the write; a write that got in withdraws it.
    if (outcome.handshakeOk)
        writeOffered_ = !writing_;
    DsFancyButton1->setEnabled(true);
    DsFancyButton2->setEnabled(writeOffered_);
    if (!outcome.result.ok && !outcome.result.detail.isEmpty())
        prompter().information(this, windowTitle(), outcome.result.detail);
}
