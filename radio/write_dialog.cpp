#include "radio/write_dialog.h"

TForm3::TForm3(QWidget* parent) : StayOnTopDialog(QStringLiteral("写频"), QSize(355, 124), parent) {
    setObjectName(QStringLiteral("Form3"));
}
