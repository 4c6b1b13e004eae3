#include "radio/write_dialog.h"

TForm3::TForm3(QWidget* parent)
    : TransferDialog(QStringLiteral("写频"), QSize(355, 124), QStringLiteral("写频(&W)"),
                     QRect(136, 8, 65, 25), 305, parent) {
    setObjectName(QStringLiteral("Form3"));
}
