#pragma once

#include <QChar>
#include <QObject>
#include <QString>

// Whether the frequency editor takes a typed character, given its whole text:
// digits and backspace always; the user's decimal separator only once and only
// after at least three characters; nothing else.
bool frequencyCharacterAccepted(const QString& text, QChar typed, QChar separator);

// The key rules of the frequency editor bsSkinEdit1, installed on the editor: it drops
// refused characters, turns Enter into enterPressed() and reports every key release.
// Keys that produce no character (Delete, arrows, Home, End) work as usual.
class FrequencyKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void enterPressed();
    void keyReleased();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
