#include "codeplug/tone_selector.h"

#include "codeplug/tone_list.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

ToneSelector::ToneSelector(const ToneList& tones, QWidget* parent)
    : QComboBox(parent), tones_(tones) {
    setObjectName(QStringLiteral("ComboBox1"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setReadOnly(true);
    lineEdit()->installEventFilter(this);
    refill();
    connect(&tones_, &ToneList::changed, this, &ToneSelector::refill);
}

void ToneSelector::showText(const QString& text) {
    const QSignalBlocker blocker(this);
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setEditText(text);
}

void ToneSelector::refill() {
    const QString text = currentText();
    const QSignalBlocker blocker(this);
    clear();
    addItems(tones_.entries());
    showText(text);
}

bool ToneSelector::endsChoice(const QKeyEvent* event) {
    if (event->text().isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    emit characterTyped();
    return true;
}

// The text field gets the keys first; its typed characters end the choice as well.
bool ToneSelector::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress)
        return endsChoice(static_cast<QKeyEvent*>(event));
    return QComboBox::eventFilter(watched, event);
}

void ToneSelector::keyPressEvent(QKeyEvent* event) {
    if (!endsChoice(event))
        QComboBox::keyPressEvent(event);
}

void ToneSelector::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // Its own drop-down list and a switch to another program are no exit.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit exited();
}
