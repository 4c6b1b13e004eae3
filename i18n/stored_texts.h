#pragma once

#include <QString>

// The texts that applying a language stores for later use instead of pushing them
// into a control: four vocabulary words and seven message texts. All are empty until
// a language has been applied; only the language code writes them.
struct StoredTexts {
    // Held by the main window.
    QString ConfirmCaption;   // 26: title of the OK/Cancel confirmations
    QString BandChangePrompt; // 27: question after the user picked another band
    QString NewPrompt;        // 28: question of New

    // Vocabulary words, compared exactly with cell and list texts.
    QString OffWord;  // 43
    QString HighWord; // 44
    QString LowWord;  // 45
    QString OnWord;   // 46

    QString SuccessCountLabel; // 77: before the count of successful transfers
    QString LinkFailedMessage; // 78: a read or write from the radio failed
    QString PortFailedMessage; // 80: the chosen serial port cannot be opened
    QString PortFailedCaption; // 81: title of that box
};

// The one process-wide instance; readers never keep a copy.
StoredTexts& storedTexts();
