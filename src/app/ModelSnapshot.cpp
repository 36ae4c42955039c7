#include "app/ModelSnapshot.h"

#include "module/Labels.h"
#include "module/VoiceModel.h"

namespace parlix {
namespace {

ListKind KindOf(int list) {
    if (list == kTriggerList) return ListKind::Trigger;
    if (list < kPasswordList) return ListKind::Group;
    if (list == kPasswordList) return ListKind::Password;
    if (list == kSoundList) return ListKind::SoundTable;
    if (list == kMessageList) return ListKind::Messages;
    if (list < kFirstGrammarList) return ListKind::Wordset;
    return ListKind::Grammar;
}

std::optional<int> NumberOf(int list, ListKind kind) {
    switch (kind) {
        case ListKind::SoundTable:
        case ListKind::Messages:
            return std::nullopt;
        case ListKind::Wordset:
        case ListKind::Grammar:
            return list - kWordsetOffset;
        default:
            return list;
    }
}

std::vector<CommandRow> Commands(VoiceModel& model, int list, int count) {
    std::vector<CommandRow> commands;
    for (int i = 0; i < count; ++i) {
        CommandRow row;
        row.index = i;
        const auto entry = model.TryReadEntry(list, i);
        if (entry && entry->loaded) {
            row.known = true;
            row.label = DecodeLabel(entry->label);
            row.moduleLabel = entry->label;
            row.trained = entry->valueA;
            if (entry->flag) row.conflict = entry->valueB;
        }
        commands.push_back(std::move(row));
    }
    return commands;
}

std::vector<std::optional<std::string>> Words(VoiceModel& model, int list, int count) {
    std::vector<std::optional<std::string>> words;
    for (int i = 0; i < count; ++i) {
        const auto entry = model.TryReadEntry(list, i);
        words.push_back(entry && entry->loaded ? std::optional(DecodeLabel(entry->label))
                                               : std::nullopt);
    }
    return words;
}

GroupRow Group(VoiceModel& model, int list) {
    GroupRow row;
    row.list = list;
    row.kind = KindOf(list);
    row.number = NumberOf(list, row.kind);
    const auto snapshot = model.TryReadList(list);
    if (!snapshot) {
        row.busy = true;
        return row;
    }
    // The sound table's count stays "not known" so that every group read renews it.
    if (snapshot->countKnown || list == kSoundList) row.count = snapshot->count;
    if (HoldsCommands(row.kind))
        row.commands = Commands(model, list, snapshot->count);
    else if (HoldsWords(row.kind))
        row.words = Words(model, list, snapshot->count);
    return row;
}

// `count` covers the beep and every sound; entry 0 holds the table's name.
SoundTable Sounds(VoiceModel& model, int count) {
    SoundTable table;
    const auto name = model.TryReadEntry(kSoundList, 0);
    if (name) table.name = DecodeLabel(name->label);
    for (int i = 0; i < count; ++i)
        table.sounds.push_back(SoundName(table.name, static_cast<unsigned>(i)));
    return table;
}

std::vector<MessageRow> Messages(VoiceModel& model) {
    std::vector<MessageRow> slots;
    for (int slot = 0; slot < kMessageSlots; ++slot) {
        MessageRow row;
        row.slot = slot;
        const auto entry = model.TryReadEntry(kMessageList, slot);
        if (entry && entry->loaded) {
            row.known = true;
            row.status = entry->label;
            row.bits = entry->valueA;
            row.length = entry->valueB;
            row.tenths = MessageDuration(entry->valueA, entry->valueB);
        }
        slots.push_back(std::move(row));
    }
    return slots;
}

}  // namespace

ModelSnapshot ReadModelSnapshot(VoiceModel& model) {
    ModelSnapshot snapshot;
    const int rows = kFirstGrammarList + model.GetGrammarCount();
    for (int list = 0; list < rows; ++list) snapshot.groups.push_back(Group(model, list));

    if (model.HasCapability(Capability::SoundTable)) {
        const GroupRow& row = snapshot.groups[kSoundList];
        snapshot.soundTable = Sounds(model, row.count.value_or(0));
    }
    if (model.HasCapability(Capability::Messages)) snapshot.messages = Messages(model);
    const auto trigger = model.TryReadList(kTriggerWordsList);
    snapshot.triggerWords = Words(model, kTriggerWordsList, trigger ? trigger->count : 0);
    return snapshot;
}

}  // namespace parlix
