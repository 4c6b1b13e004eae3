#pragma once

#include <QString>

class ChannelTable;
struct VocabularyWords;

// The vocabulary word a cell holds, carried into another language. Each column takes
// only its own words: the tone columns OffWord, Power HighWord and LowWord, the two
// switches OffWord and OnWord. Anything else stays as it is.
QString carryCellWord(int column, const QString& text, const VocabularyWords& to);

// Carries every word of rows 1..16 into the words given (columns 2, 4, 5, 6, 7, row by
// row), as a switch of language does.
void translateCells(ChannelTable& table, const VocabularyWords& to);
