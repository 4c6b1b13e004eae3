#include "codeplug/options_window.h"

#include "codeplug/function_options.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

struct ListPlace {
    const char* label;
    QPoint labelPos;
    int labelWidth;
    QPoint listPos;
    int listWidth;
};

// Positions inside the panel, in the order of the fields.
const ListPlace kPlaces[FunctionOptions::FieldCount] = {
    {"静噪电平", {40, 24}, 97, {136, 24}, 97},    {"电池省电", {40, 64}, 97, {136, 64}, 97},
    {"超时禁发", {40, 104}, 97, {136, 104}, 97},  {"语音通知", {40, 144}, 121, {160, 144}, 145},
    {"提示音", {280, 24}, 89, {368, 24}, 97},     {"报警按键", {280, 64}, 89, {368, 64}, 97},
    {"扫描允许", {280, 104}, 89, {368, 104}, 97},
};

constexpr int kLabelHeight = 16;
constexpr int kListHeight = 21;

} // namespace

TForm4::TForm4(FunctionOptions& options, QWidget* parent)
    : MdiChildWindow(QStringLiteral("功能选项"), QSize(497, 231), parent), options_(options) {
    setObjectName(QStringLiteral("Form4"));
    buildControls();
    for (int field = 0; field < FunctionOptions::FieldCount; ++field)
        bindList(field);
    connect(&options_, &FunctionOptions::indexChanged, this,
            [this](int field) { combos[field]->setCurrentIndex(options_.index(field)); });
    connect(&options_, &FunctionOptions::entriesChanged, this, &TForm4::refillList);
}

void TForm4::buildControls() {
    auto* panel = new QFrame(client());
    panel->setGeometry(8, 8, 481, 209);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont labelFont = font();
    labelFont.setPixelSize(13);
    for (int field = 0; field < FunctionOptions::FieldCount; ++field) {
        const ListPlace& place = kPlaces[field];
        labels[field] = new QLabel(QString::fromUtf8(place.label), panel);
        labels[field]->setObjectName(QStringLiteral("Label%1").arg(field + 1));
        labels[field]->setFont(labelFont);
        labels[field]->setGeometry(QRect(place.labelPos, QSize(place.labelWidth, kLabelHeight)));
        combos[field] = new QComboBox(panel);
        combos[field]->setObjectName(QStringLiteral("ComboBox%1").arg(field + 1));
        combos[field]->setEditable(false); // no typing: always one of the entries
        combos[field]->setGeometry(QRect(place.listPos, QSize(place.listWidth, kListHeight)));
    }
    TeButton1 = new QPushButton(QStringLiteral("退出"), panel);
    TeButton1->setObjectName(QStringLiteral("TeButton1"));
    TeButton1->setGeometry(384, 168, 75, 25);
    connect(TeButton1, &QPushButton::clicked, this, &TForm4::close);
    // Tab order: the lists in order, then the exit button.
    for (int field = 1; field < FunctionOptions::FieldCount; ++field)
        setTabOrder(combos[field - 1], combos[field]);
    setTabOrder(combos.back(), TeButton1);
}

void TForm4::bindList(int field) {
    refillList(field);
    QComboBox* combo = combos[field];
    connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this, field](int index) { options_.setIndex(field, index); });
}

void TForm4::refillList(int field) {
    QComboBox* combo = combos[field];
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(options_.entries(field));
    combo->setCurrentIndex(options_.index(field));
}
