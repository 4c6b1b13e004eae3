#include "radio/read_dialog.h"

#include "codeplug/frequency_text.h"
#include "i18n/stored_texts.h"
#include "radio/radio_content.h"
#include "radio/radio_session.h"
#include "radio/serial_control.h"

#include <QPushButton>

TForm6::TForm6(QWidget* parent)
    : TransferDialog(QStringLiteral("读频"), QSize(356, 128), QStringLiteral("读频(&R)"),
                     QRect(128, 16, 65, 25), 313, parent),
      MSComm1(new SerialControl(this)) {
    setObjectName(QStringLiteral("Form6"));
    connect(Button1, &QPushButton::clicked, this, &TForm6::Button1Click);
}

void TForm6::setReadTarget(Codeplug* codeplug, std::function<void()> titleRule) {
    codeplug_ = codeplug;
    titleRule_ = std::move(titleRule);
    connect(session_, &RadioSession::readFinished, this, &TForm6::readFinished);
}

namespace {
// The stored words are empty until a language has been applied; the windows' own
// language names the cells then, so no cell is read as an empty word.
VocabularyWords readWords() {
    const VocabularyWords words = currentVocabulary(storedTexts());
    for (const QString* word : {&words.OffWord, &words.HighWord, &words.LowWord, &words.OnWord})
        if (word->isEmpty())
            return vocabularyOf(Language::Chinese);
    return words;
}
} // namespace

void TForm6::Button1Click() {
    const ReadStyle style{readWords(), userDecimalSeparator()};
    begin(session_->startRead(style));
}

void TForm6::readFinished(const TransferOutcome& outcome, const RadioContent& content) {
    if (!running())
        return;
    if (outcome.ok && codeplug_) {
        applyRadioContent(content, *codeplug_);
        if (titleRule_)
            titleRule_();
    }
    finish(outcome);
}
