#include "i18n/vocabulary.h"

#include "i18n/stored_texts.h"

#include <array>

namespace {

constexpr std::array<WordMeaning, 4> kMeanings = {
    &VocabularyWords::OffWord, &VocabularyWords::HighWord, &VocabularyWords::LowWord,
    &VocabularyWords::OnWord};
constexpr std::array<Language, 2> kLanguages = {Language::Chinese, Language::English};

QString carry(const QString& text, const VocabularyWords& to, WordMeaning meaning) {
    for (Language language : kLanguages) {
        if (text == vocabularyOf(language).*meaning && !(to.*meaning).isEmpty())
            return to.*meaning;
    }
    return text;
}

} // namespace

const VocabularyWords& vocabularyOf(Language language) {
    static const VocabularyWords chinese{QStringLiteral("禁用"), QStringLiteral("高功率"),
                                         QStringLiteral("低功率"), QStringLiteral("启用")};
    static const VocabularyWords english{QStringLiteral("OFF"), QStringLiteral("High"),
                                         QStringLiteral("Low"), QStringLiteral("ON")};
    return language == Language::Chinese ? chinese : english;
}

VocabularyWords currentVocabulary(const StoredTexts& texts) {
    return {texts.OffWord, texts.HighWord, texts.LowWord, texts.OnWord};
}

std::optional<Language> languageOfWord(const QString& text) {
    for (Language language : kLanguages)
        for (WordMeaning meaning : kMeanings)
            if (text == vocabularyOf(language).*meaning)
                return language;
    return std::nullopt;
}

QString carryWord(const QString& text, std::initializer_list<WordMeaning> meanings,
                  const VocabularyWords& to) {
    for (WordMeaning meaning : meanings) {
        const QString carried = carry(text, to, meaning);
        if (carried != text)
            return carried;
    }
    return text;
}
