#include "radio/power_dialog.h"

TForm7::TForm7(QWidget* parent)
    : StayOnTopDialog(QStringLiteral("功率调整"), QSize(312, 160), parent) {
    setObjectName(QStringLiteral("Form7"));
}
