#pragma once

#include "ui/stay_on_top_dialog.h"

// Form7, the power adjustment dialog (a dealers' service).
class TForm7 : public StayOnTopDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);
};
