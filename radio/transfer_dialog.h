#pragma once

#include "ui/stay_on_top_dialog.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The layout the read and the write dialog share: one start button, a progress bar,
// and a status bar with the product line and the count of successful transfers.
class TransferDialog : public StayOnTopDialog {
    Q_OBJECT
public:
    TransferDialog(const QString& caption, QSize clientSize, const QString& buttonCaption,
                   QRect buttonGeometry, int progressWidth, QWidget* parent = nullptr);

    // Second status panel: the count's label followed by the count.
    void showSuccessCount(const QString& label, int count);

    QPushButton* Button1;
    QProgressBar* ProgressBar1;
    QLabel* StatusPanel1; // product line
    QLabel* StatusPanel2; // successful transfers
};
