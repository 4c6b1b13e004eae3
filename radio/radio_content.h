#pragma once

#include "radio/transfer_sequences.h"

struct Codeplug;

// Applies a complete read to the program's data: selects or adds the band, replaces
// the sixteen channels and sets the seven options. The title follows the band; that
// is the main window's matter.
void applyRadioContent(const RadioContent& content, Codeplug& codeplug);
