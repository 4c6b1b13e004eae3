#include "radio/read_dialog.h"

#include "radio/serial_control.h"

TForm6::TForm6(QWidget* parent)
    : TransferDialog(QStringLiteral("读频"), QSize(356, 128), QStringLiteral("读频(&R)"),
                     QRect(128, 16, 65, 25), 313, parent),
      MSComm1(new SerialControl(this)) {
    setObjectName(QStringLiteral("Form6"));
}
