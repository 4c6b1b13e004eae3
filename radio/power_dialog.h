#pragma once

#include "ui/stay_on_top_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Form7, the power adjustment dialog (a dealers' service): the radio's transmit-power
// and low-voltage calibration values.
class TForm7 : public StayOnTopDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    QLabel* Label1; // high power
    QLabel* Label2; // low voltage
    QLabel* Label3; // low power
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QComboBox* ComboBox1;
    QLabel* Image1;
    QPushButton* DsFancyButton1; // read
    QPushButton* DsFancyButton2; // write
};
