#pragma once

#include "ui/stay_on_top_dialog.h"

class QLabel;
class QPushButton;

// Form5, the about box: the program's name, version and maker.
class TForm5 : public StayOnTopDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1; // product line
    QLabel* Label2; // version
    QLabel* Label3; // rights notice
    QLabel* Label4; // company
    QPushButton* TeButton1;
};
