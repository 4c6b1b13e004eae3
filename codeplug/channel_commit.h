#pragma once

#include <QChar>
#include <QString>
#include <optional>

class ChannelTable;
struct StoredTexts;

// Committing the cell the editor last opened. Each returns the message to show the
// user when the commit fails (the cell then keeps its text), or nothing.
using CommitError = std::optional<QString>;

// Formats the frequency cell at (column, row) into canonical form.
CommitError sendcell(ChannelTable& table, int column, int row, QChar separator);

// Commits the edited cell at (column, row):
//  1. a new channel (Frequency1 set, Tone1 empty) gets its frequency formatted and
//     the defaults: Frequency2 = Frequency1, no tones, high power, SwitchA on, SwitchB off;
//  2. otherwise an edited frequency cell (column 1 or 3) is formatted;
//  3. otherwise a row without Frequency1 is emptied.
// No other row is touched.
CommitError sendallcell(ChannelTable& table, int column, int row, const StoredTexts& words,
                        QChar separator);
