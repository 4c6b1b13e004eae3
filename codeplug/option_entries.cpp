#include "codeplug/option_entries.h"

#include "codeplug/function_options.h"
#include "i18n/vocabulary.h"

namespace {

constexpr int kFirstDuration = 56;
constexpr int kLastDuration = 62;
constexpr int kFirstVoice = 63;
constexpr int kLastVoice = 66;

QStringList texts(const NumberedText& text, int first, int last) {
    QStringList list;
    for (int id = first; id <= last; ++id)
        list << text(id);
    return list;
}

} // namespace

QStringList optionEntries(int field, const VocabularyWords& words, const NumberedText& text) {
    switch (field) {
    case FunctionOptions::Squelch:
        return FunctionOptions::designEntries(field);
    case FunctionOptions::TimeOut:
        return QStringList{words.OffWord} + texts(text, kFirstDuration, kLastDuration);
    case FunctionOptions::Voice:
        return texts(text, kFirstVoice, kLastVoice) << words.OffWord;
    case FunctionOptions::Scan:
        return {words.OnWord, words.OffWord};
    default:
        return {words.OffWord, words.OnWord};
    }
}
