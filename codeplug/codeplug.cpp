#include "codeplug/codeplug.h"

void ClearCodeplug(FunctionOptions& options, ChannelTable& channels) {
    options.setIndexes(FunctionOptions::ClearedIndexes);
    channels.clearChannels();
}
