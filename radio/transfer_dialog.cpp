#include "radio/transfer_dialog.h"

#include "i18n/stored_texts.h"
#include "radio/radio_session.h"
#include "radio/serial_control.h"
#include "radio/transfer_messages.h"
#include "ui/prompter.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
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
    : RadioDialog(caption, clientSize, parent), Button1(new QPushButton(buttonCaption, this)),
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

void TransferDialog::attachRadio(RadioSession* session, SerialControl* control) {
    RadioDialog::attachRadio(session, control);
    connect(session_, &RadioSession::progress, this, [this](int percent) {
        if (running_)
            ProgressBar1->setValue(percent);
    });
}

void TransferDialog::showSuccessCount(const QString& label, int count) {
    StatusPanel2->setText(label + QString::number(count));
}

void TransferDialog::FormClose() {
    const bool stopped = running_;
    running_ = false;
    Button1->setEnabled(true);
    ProgressBar1->setValue(0);
    showSuccessCount(storedTexts().SuccessCountLabel, 0);
    RadioDialog::FormClose();
    if (session_)
        session_->SuccessCount = 0;
    if (stopped)
        transferStopped();
}

bool TransferDialog::begin(bool started) {
    if (!started)
        return false;
    running_ = true;
    Button1->setEnabled(false);
    ProgressBar1->setValue(0);
    return true;
}

void TransferDialog::finish(const TransferOutcome& outcome) {
    running_ = false;
    if (outcome.ok) {
        ++session_->SuccessCount;
        showSuccessCount(storedTexts().SuccessCountLabel, session_->SuccessCount);
    } else {
        prompter().information(this, windowTitle(),
                               withReason(linkFailedMessage(), outcome.detail));
    }
    Button1->setEnabled(true);
}
