#pragma once

#include "ui/stay_on_top_dialog.h"

class RadioSession;
class SerialControl;

// A dialog that talks to the radio over the shared session: the port opens when the
// dialog is shown and closes (stopping any exchange) when the dialog closes.
class RadioDialog : public StayOnTopDialog {
    Q_OBJECT
public:
    using StayOnTopDialog::StayOnTopDialog;

    // The shared line to the radio and the serial control naming its device.
    void attachRadio(RadioSession* session, SerialControl* control);

protected:
    void showEvent(QShowEvent* event) override;
    // A port that does not open now is opened again by the exchange, which says why.
    void FormShow();
    void FormClose() override;

    RadioSession* session_ = nullptr;

private:
    SerialControl* control_ = nullptr;
};
