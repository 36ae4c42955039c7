// Everything the data model holds, read out once through the row readers of
// ModelRows.h: the rows of the groups list with their commands or words, the
// sound table, the message slots and the trigger words. A list or entry that
// a job is updating reads as busy instead of waiting.
#pragma once

#include "app/ModelRows.h"

#include <optional>
#include <string>
#include <vector>

namespace parlix {

class VoiceModel;

// One row of the groups list and the entries of its list (none while busy).
struct GroupRow : GroupRowFacts {
    std::vector<CommandEntry> commands;  // lists holding commands
    std::vector<WordEntry> words;        // lists holding words
};

struct SoundTable {
    std::string name;                // shown form; empty while busy
    std::vector<SoundEntry> sounds;  // the beep first
};

struct ModelSnapshot {
    std::vector<GroupRow> groups;
    std::optional<SoundTable> soundTable;               // when the module has the capability
    std::optional<std::vector<MessageEntry>> messages;  // likewise
    std::vector<WordEntry> triggerWords;
};

ModelSnapshot ReadModelSnapshot(VoiceModel& model);

}  // namespace parlix
