#pragma once

#include <QComboBox>

class ToneList;

// ComboBox1, the tone selector: a drop-down list of the ToneList entries with a text
// field that shows the cell's text (also a tone outside the list) but takes no typing,
// so its text is always the cell's own or an entry chosen from the list.
class ToneSelector : public QComboBox {
    Q_OBJECT
public:
    ToneSelector(const ToneList& tones, QWidget* parent = nullptr);

    // Shows the text without choosing an entry for it.
    void showText(const QString& text);

signals:
    // A character was typed: the choice is over.
    void characterTyped();
    // The selector lost the focus to another control.
    void exited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void refill();
    bool endsChoice(const QKeyEvent* event);

    const ToneList& tones_;
};
