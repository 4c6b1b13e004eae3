#include "codeplug/frequency_editor_keys.h"

#include "codeplug/frequency_text.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kCharactersBeforeSeparator = 3;

bool isSeparatorCharacter(QChar typed) {
    return typed == QLatin1Char('.') || typed == QLatin1Char(',');
}

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Tab moves the focus on and Delete edits: neither is a character of the text, though
// some platforms give them one ("\t", "\x7f").
bool producesNoCharacter(const QKeyEvent* event) {
    return event->text().isEmpty() || event->key() == Qt::Key_Tab ||
           event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Delete;
}

} // namespace

bool frequencyCharacterAccepted(const QString& text, QChar typed, QChar separator) {
    if (typed == QLatin1Char('\b') || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')))
        return true;
    if (isSeparatorCharacter(typed))
        return typed == separator && text.size() >= kCharactersBeforeSeparator &&
               !text.contains(separator);
    return false;
}

bool FrequencyKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        emit keyReleased();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        emit enterPressed();
        return true;
    }
    if (producesNoCharacter(key))
        return false;
    const auto* editor = qobject_cast<QLineEdit*>(watched);
    const QString text = editor ? editor->text() : QString();
    // Control characters (Escape, the clipboard shortcuts) count as refused characters.
    return !frequencyCharacterAccepted(text, key->text().at(0), userDecimalSeparator());
}
