#include "radio/transfer_dialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

constexpr int kStatusBarHeight = 25;
constexpr int kPanel1Width = 195;
constexpr int kPanel2Width = 80;

QLabel* makePanel(QStatusBar* bar, int width, const QString& text) {
    auto* panel = new QLabel(text, bar);
    panel->setFixedWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel);
    return panel;
}

} // namespace

TransferDialog::TransferDialog(const QString& caption, QSize clientSize,
                               const QString& buttonCaption, QRect buttonGeometry,
                               int progressWidth, QWidget* parent)
    : StayOnTopDialog(caption, clientSize, parent), Button1(new QPushButton(buttonCaption, this)),
      ProgressBar1(new QProgressBar(this)) {
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(buttonGeometry);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(24, 56, progressWidth, 25);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    bar->setGeometry(0, clientSize.height() - kStatusBarHeight, clientSize.width(),
                     kStatusBarHeight);
    StatusPanel1 = makePanel(bar, kPanel1Width, QString());
    StatusPanel2 = makePanel(bar, kPanel2Width, QStringLiteral("成功次数:0"));
}

void TransferDialog::showSuccessCount(const QString& label, int count) {
    StatusPanel2->setText(label + QString::number(count));
}
