#pragma once

#include "file/channel_cells.h"
#include "file/file_result.h"

#include <QByteArray>
#include <QChar>
#include <QString>

// The channel table as CSV for spreadsheets: UTF-8, a header row, then one row per
// existing channel with its number (1..16) and its seven values. Frequencies use "."
// and words are always English, so a file reads the same in either language.

QByteArray channelsToCsv(const ChannelCells& cells);

// Reads CSV into cells, checking every row first: on the first error the message
// names its line and column and `cells` is left unchanged. Frequencies get the
// decimal separator the table uses; words come back English.
FileResult channelsFromCsv(const QByteArray& bytes, QChar separator, ChannelCells& cells);

// The same through a file; writing replaces the file in one step.
FileResult exportChannelsCsv(const QString& path, const ChannelCells& cells);
FileResult importChannelsCsv(const QString& path, QChar separator, ChannelCells& cells);
