#include "radio/read_dialog.h"

#include "radio/serial_control.h"

TForm6::TForm6(QWidget* parent)
    : StayOnTopDialog(QStringLiteral("读频"), QSize(356, 128), parent),
      MSComm1(new SerialControl(this)) {
    setObjectName(QStringLiteral("Form6"));
}
