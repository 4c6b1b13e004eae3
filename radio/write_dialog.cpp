#include "radio/write_dialog.h"

#include "codeplug/codeplug.h"
#include "radio/radio_session.h"
#include "radio/transfer_messages.h"
#include "ui/prompter.h"

#include <QPushButton>

TForm3::TForm3(QWidget* parent)
    : TransferDialog(QStringLiteral("写频"), QSize(355, 124), QStringLiteral("写频(&W)"),
                     QRect(136, 8, 65, 25), 305, parent) {
    setObjectName(QStringLiteral("Form3"));
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::setWriteSource(const Codeplug* codeplug) {
    codeplug_ = codeplug;
    connect(session_, &RadioSession::writeFinished, this, [this](const TransferOutcome& outcome) {
        if (running())
            finish(outcome);
    });
}

// Everything is encoded before the radio is called: a cell that cannot be written
// stops the write with nothing sent.
void TForm3::Button1Click() {
    if (!codeplug_ || (commitEdit && !commitEdit()))
        return;
    const auto blocks = encodeWrite(codeplug_->channels, codeplug_->options.indexes(),
                                    codeplug_->bands.selectedText());
    if (!blocks) {
        prompter().information(this, windowTitle(), blocks.error());
        return;
    }
    begin(session_->startWrite(*blocks));
}

void TForm3::transferStopped() {
    prompter().information(this, windowTitle(), writeStoppedMessage());
}
