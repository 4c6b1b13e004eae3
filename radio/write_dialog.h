#pragma once

#include "ui/stay_on_top_dialog.h"

// Form3, the write-to-radio dialog.
class TForm3 : public StayOnTopDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);
};
