#include "app/ModelRows.h"

#include "module/Labels.h"
#include "module/VoiceModel.h"

#include <algorithm>

namespace parlix {
namespace {

// The read-out of one entry, or none when it is busy and `takeChanged` is
// set. `fill` takes the entry when it is known (loaded).
template <typename Row, typename Fill>
std::optional<Row> ReadEntryRow(VoiceModel& model, int list, int index, int shownIndex,
                                bool takeChanged, Fill fill) {
    const auto entry = model.TryReadEntry(list, index, takeChanged);
    if (!entry && takeChanged) return std::nullopt;
    Row row;
    row.index = shownIndex;
    row.busy = !entry;
    row.changed = entry && entry->changed;
    if (entry && entry->loaded) {
        row.known = true;
        fill(row, *entry);
    }
    return row;
}

void FillWord(WordEntry& row, const EntrySnapshot& entry) {
    row.word = DecodeLabel(entry.label);
}

}  // namespace

int GroupListRows(VoiceModel& model) {
    // Only a module with grammars has its grammar count read; the check keeps
    // a count left from another module out.
    const int grammars = model.HasCapability(Capability::Grammars) ? model.GetGrammarCount() : 0;
    return kFirstGrammarList + grammars;
}

GroupRowFacts ReadGroupRowFacts(VoiceModel& model, int row) {
    GroupRowFacts facts;
    facts.row = row;
    facts.kind = KindOfRow(row);
    facts.number = RowNumber(row);
    facts.soundTable = model.HasCapability(Capability::SoundTable);
    const auto list = model.TryReadList(row);
    if (!list) {
        facts.busy = true;
        return facts;
    }
    facts.entries = list->count;
    // The sound table's count is renewed by every group read, so it shows while "unknown".
    if (list->countKnown || row == kSoundList) {
        facts.count = list->count;
        facts.holdsSomething = list->count > 0;
    }
    return facts;
}

std::optional<int> EntryRowCount(VoiceModel& model, int row) {
    const auto list = model.TryReadList(row);
    if (!list) return std::nullopt;
    int count =
        std::max(0, row == kSoundList ? list->count : std::min(list->count, kEntriesPerList));
    if (row == kTriggerList) count += TriggerWordCount(model);
    return count;
}

std::optional<int> TriggerRowCommands(VoiceModel& model) {
    const auto list = model.TryReadList(kTriggerList);
    if (!list) return std::nullopt;
    return list->count;
}

int TriggerWordCount(VoiceModel& model) {
    const auto words = model.TryReadList(kTriggerWordsList);
    return words ? words->count : 0;
}

std::optional<CommandEntry> ReadCommandEntry(VoiceModel& model, int row, int index,
                                             bool takeChanged) {
    return ReadEntryRow<CommandEntry>(model, row, index, index, takeChanged,
                                      [](CommandEntry& command, const EntrySnapshot& entry) {
                                          command.label = DecodeLabel(entry.label);
                                          command.moduleLabel = entry.label;
                                          command.trained = entry.trained;
                                          if (entry.hasConflict) command.conflict = entry.conflict;
                                      });
}

std::optional<WordEntry> ReadWordEntry(VoiceModel& model, int row, int index, bool takeChanged) {
    return ReadEntryRow<WordEntry>(model, row, index, index, takeChanged, FillWord);
}

std::optional<WordEntry> ReadTriggerWord(VoiceModel& model, int word, bool takeChanged) {
    return ReadEntryRow<WordEntry>(model, kTriggerWordsList, word, word, takeChanged, FillWord);
}

std::optional<SoundEntry> ReadSoundEntry(VoiceModel& model, int index, bool takeChanged) {
    // Entry 0 holds the table's name, which every sound's name follows from;
    // it is taken as shown with the row of entry 0 only.
    const auto name = model.TryReadEntry(kSoundList, 0, takeChanged && index == 0);
    if (!name && takeChanged) return std::nullopt;
    SoundEntry row;
    row.index = index;
    row.busy = !name;
    row.known = name.has_value();
    row.changed = name && name->changed;
    if (name) row.name = SoundName(DecodeLabel(name->label), static_cast<unsigned>(index));
    return row;
}

std::optional<MessageEntry> ReadMessageEntry(VoiceModel& model, int slot, bool takeChanged) {
    return ReadEntryRow<MessageEntry>(model, kMessageList, slot, slot, takeChanged,
                                      [](MessageEntry& message, const EntrySnapshot& entry) {
                                          message.status = entry.label;
                                          message.bits = entry.bits;
                                          message.length = entry.length;
                                          message.tenths =
                                              MessageDuration(entry.bits, entry.length);
                                          message.time = FormatDuration(message.tenths);
                                      });
}

std::optional<std::string> ReadSoundTableName(VoiceModel& model) {
    const auto name = model.TryReadEntry(kSoundList, 0);
    if (!name) return std::nullopt;
    return DecodeLabel(name->label);
}

}  // namespace parlix
