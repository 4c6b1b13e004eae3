#pragma once

#include "codeplug/band_list.h"
#include "codeplug/channel_table.h"
#include "codeplug/function_options.h"
#include "codeplug/tone_list.h"

// What the user edits: the band list, the sixteen channels, the seven options, and
// the tone list the channel editor offers.
struct Codeplug {
    BandList bands;
    ChannelTable channels;
    FunctionOptions options;
    ToneList tones;
};

// Resets the options to their cleared values and empties every channel; the band and
// the tone list stay.
void ClearCodeplug(FunctionOptions& options, ChannelTable& channels);
