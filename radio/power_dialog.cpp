#include "radio/power_dialog.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QPoint place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont small = label->font();
    small.setPixelSize(13);
    label->setFont(small);
    label->move(place);
    label->adjustSize();
    return label;
}

QLineEdit* makeValueEdit(QWidget* parent, const char* name, QPoint place) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(3);
    edit->setGeometry(QRect(place, QSize(65, 21)));
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QPoint place) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(place, QSize(65, 25)));
    return button;
}

} // namespace

TForm7::TForm7(QWidget* parent)
    : StayOnTopDialog(QStringLiteral("功率调整"), QSize(312, 160), parent) {
    setObjectName(QStringLiteral("Form7"));
    auto* panel = new QFrame(this);
    panel->setGeometry(8, 8, 297, 113);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(3);
    Label1 = makeLabel(panel, "Label1", QStringLiteral("高功率："), {32, 11});
    Edit1 = makeValueEdit(panel, "Edit1", {128, 8});
    Label3 = makeLabel(panel, "Label3", QStringLiteral("低功率："), {32, 44});
    Edit2 = makeValueEdit(panel, "Edit2", {128, 40});
    Label2 = makeLabel(panel, "Label2", QStringLiteral("低电压："), {32, 75});
    ComboBox1 = new QComboBox(panel);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(128, 80, 65, 21);
    ComboBox1->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    ComboBox1->setCurrentIndex(1);
    Image1 = new QLabel(panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(224, 40, 57, 57);
    Image1->setPixmap(QIcon(QStringLiteral(":/images/toolbar_power.svg")).pixmap(48, 48));
    DsFancyButton1 = makeButton(this, "DsFancyButton1", QStringLiteral("读出"), {64, 128});
    DsFancyButton2 = makeButton(this, "DsFancyButton2", QStringLiteral("写入"), {176, 128});
    DsFancyButton2->setEnabled(false);
}
