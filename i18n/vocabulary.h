#pragma once

#include <QString>
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

// A word of either language replaced by the word of the same meaning in `to`; any
// other text, or a word whose target is empty, comes back unchanged.
QString carryWord(const QString& text, const VocabularyWords& to);
// The same for OffWord only: the one word a tone cell may hold.
QString carryOffWord(const QString& text, const VocabularyWords& to);
