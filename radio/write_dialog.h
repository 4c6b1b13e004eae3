#pragma once

#include "radio/transfer_dialog.h"

// Form3, the write-to-radio dialog.
class TForm3 : public TransferDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
