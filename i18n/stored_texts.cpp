#include "i18n/stored_texts.h"

StoredTexts& storedTexts() {
    static StoredTexts texts;
    return texts;
}
