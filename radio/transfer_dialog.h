#pragma once

#include "radio/radio_dialog.h"
#include "radio/transfer_sequences.h"

class QLabel;
class QProgressBar;
class QPushButton;

// The layout and the run of the read and the write dialog: one start button, a
// progress bar, and a status bar with the product line and the count of successful
// transfers. The transfer runs on the radio session's thread; the dialog stays live
// and closing it stops the transfer.
class TransferDialog : public RadioDialog {
    Q_OBJECT
public:
    TransferDialog(const QString& caption, QSize clientSize, const QString& buttonCaption,
                   QRect buttonGeometry, int progressWidth, QWidget* parent = nullptr);

    // Also follows the session's results.
    void attachRadio(RadioSession* session, SerialControl* control);

    // Second status panel: the count's label followed by the count.
    void showSuccessCount(const QString& label, int count);
    // Whether a transfer of this dialog is running.
    bool running() const { return running_; }

    QPushButton* Button1;
    QProgressBar* ProgressBar1;
    QLabel* StatusPanel1; // product line
    QLabel* StatusPanel2; // successful transfers

protected:
    void FormClose() override;

    // Starts a transfer with the button disabled; false when the session is busy.
    bool begin(bool started);
    // Ends it: counts a success, or shows the failure message with its reason.
    void finish(const TransferOutcome& outcome);
    // Told once when closing the dialog stopped a running transfer.
    virtual void transferStopped() {}

private:
    bool running_ = false;
};
