#pragma once

#include <QString>
#include <array>

class ChannelTable;
struct VocabularyWords;

// The values of the sixteen channels away from the table: rows[0] is channel 1, and
// each row holds the texts of columns 1..7 (Frequency1 .. SwitchB) in order.
struct ChannelCells {
    static constexpr int ValueCount = 7;
    using Row = std::array<QString, ValueCount>;
    std::array<Row, 16> rows;

    bool operator==(const ChannelCells& other) const { return rows == other.rows; }
};

// Columns 1..7 of rows 1..16 of the table.
ChannelCells cellsOf(const ChannelTable& table);

// The cells with every vocabulary word of either language turned into the word of the
// same meaning in `to`, each column taking only its own words.
ChannelCells carryWords(ChannelCells cells, const VocabularyWords& to);

// Replaces columns 1..7 of rows 1..16 of the table with the cells.
void applyCells(const ChannelCells& cells, ChannelTable& table);
