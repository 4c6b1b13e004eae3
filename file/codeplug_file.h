#pragma once

#include "file/qcf_file.h"
#include "i18n/vocabulary.h"

class ChannelTable;
struct Codeplug;

// Moves codeplug file content between the file and the models the windows show.

// What Save writes: the selected band (empty when none), the seven options with the
// texts their lists show, and the sixteen channels as the table holds them.
QcfFile qcfFromCodeplug(const Codeplug& codeplug);

// What Open applies once the file has been read and checked: selects the band (adding
// it when the list lacks it), sets the seven options and replaces the channels, with
// the vocabulary words of either language carried into `words`, the language applied
// now.
void applyQcf(const QcfFile& file, Codeplug& codeplug, const VocabularyWords& words);

// Replaces the channels of the table, with the vocabulary words of either language
// carried into `words` (Open, CSV import).
void applyChannels(const ChannelCells& cells, ChannelTable& table, const VocabularyWords& words);

// The language of the words a file holds: English when an option text or a channel
// cell is an English word, otherwise Chinese (the language of the windows' design).
Language wordLanguageOf(const QcfFile& file);
