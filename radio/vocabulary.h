#pragma once

#include <QString>

// The four words that cells and option lists hold in the current language. The
// memory map compares cell texts with them exactly, case-sensitively.
struct Vocabulary {
    QString OffWord;
    QString OnWord;
    QString HighWord;
    QString LowWord;

    // The words of the language applied now (the stored texts).
    static Vocabulary current();
};
