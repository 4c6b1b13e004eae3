#pragma once

#include "radio/radio_dialog.h"
#include "radio/transfer_sequences.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// Form7, the power adjustment dialog (a dealers' service): the radio's transmit-power
// and low-voltage calibration values. One exchange at a time: both buttons are
// disabled while one runs.
class TForm7 : public RadioDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    // Also follows the session's results.
    void attachRadio(RadioSession* session, SerialControl* control);

    void DsFancyButton1Click();
    void DsFancyButton2Click();

    QLabel* Label1; // high power
    QLabel* Label2; // low voltage
    QLabel* Label3; // low power
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QComboBox* ComboBox1;
    QLabel* Image1;
    QPushButton* DsFancyButton1; // read
    QPushButton* DsFancyButton2; // write

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormClose() override;

private:
    // Typed characters other than the digits are kept from the value fields;
    // editing, navigation and shortcut keys pass.
    bool Edit1KeyPress(const QKeyEvent& key) const;
    // After a key is let go, a value above 255 becomes 255.
    void EditKeyUp(QLineEdit* edit);
    void startExchange(bool started);
    void powerFinished(const PowerOutcome& outcome);

    bool running_ = false;
    bool writing_ = false;
    bool writeOffered_ = false;
};
