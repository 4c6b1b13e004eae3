#include "app/about_box.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  int pixelSize = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    if (pixelSize > 0) {
        QFont small = label->font();
        small.setPixelSize(pixelSize);
        label->setFont(small);
        label->setWordWrap(true);
    }
    return label;
}

} // namespace

TForm5::TForm5(QWidget* parent)
    : StayOnTopDialog(QStringLiteral("关于..."), QSize(357, 202), parent) {
    setObjectName(QStringLiteral("Form5"));
    Image1 = makeLabel(this, "Image1", QString(), {24, 16, 49, 57});
    Image1->setPixmap(QIcon(QStringLiteral(":/images/radio.svg")).pixmap(44, 46));
    Label1 = makeLabel(this, "Label1", QStringLiteral("Sodrake对讲机编程软件"), {96, 32, 249, 17});
    Label2 = makeLabel(this, "Label2", QStringLiteral("版本：") + QStringLiteral(VANTREL_VERSION),
                       {96, 64, 249, 17});
    Label3 = makeLabel(this, "Label3", QStringLiteral("© 2026 Vantrel. All rights reserved."),
                       {96, 88, 145, 25}, 13);
    Label4 =
        makeLabel(this, "Label4", QStringLiteral("Vantrel Radio Software"), {96, 120, 233, 25}, 13);
    TeButton1 = new QPushButton(QStringLiteral("退出（&C）"), this);
    TeButton1->setObjectName(QStringLiteral("TeButton1"));
    TeButton1->setGeometry(136, 160, 75, 25);
    connect(TeButton1, &QPushButton::clicked, this, &TForm5::close);
}
