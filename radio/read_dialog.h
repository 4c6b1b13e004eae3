#pragma once

#include "radio/transfer_dialog.h"

class SerialControl;

// Form6, the read-from-radio dialog. It carries the serial control of all three radio
// dialogs.
class TForm6 : public TransferDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    SerialControl* MSComm1;
};
