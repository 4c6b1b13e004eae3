#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

struct StoredTexts;

// The two languages the program speaks.
enum class Language { Chinese, English };

// The four vocabulary words of one language. Their values are fixed per language, so
// a word of either language can be recognised wherever it turns up.
struct VocabularyWords {
    QString OffWord;
    QString HighWord;
    QString LowWord;
    QString OnWord;
};

// The fixed words of a language.
const VocabularyWords& vocabularyOf(Language language);

// The words the stored texts hold now (empty before a language has been applied).
VocabularyWords currentVocabulary(const StoredTexts& texts);

// The language whose word the text is, if it is one of the eight words.
std::optional<Language> languageOfWord(const QString& text);

// One of the four meanings, as a member of VocabularyWords.
using WordMeaning = QString VocabularyWords::*;

// The text, when it is the word of one of the meanings in either language, replaced by
// that meaning's word in `to`; any other text, or a word whose target is empty, comes
// back unchanged. Comparisons are exact.
QString carryWord(const QString& text, std::initializer_list<WordMeaning> meanings,
                  const VocabularyWords& to);
