#include "radio/vocabulary.h"

#include "i18n/stored_texts.h"

Vocabulary Vocabulary::current() {
    const StoredTexts& texts = storedTexts();
    return {texts.OffWord, texts.OnWord, texts.HighWord, texts.LowWord};
}
