#include "app/ModelSnapshot.h"

#include "module/VoiceModel.h"

namespace parlix {
namespace {

GroupRow Group(VoiceModel& model, int row) {
    GroupRow group;
    static_cast<GroupRowFacts&>(group) = ReadGroupRowFacts(model, row);
    if (group.busy) return group;
    for (int i = 0; i < group.entries; ++i) {
        if (HoldsCommands(group.kind))
            group.commands.push_back(*ReadCommandEntry(model, row, i, false));
        else if (HoldsWords(group.kind))
            group.words.push_back(*ReadWordEntry(model, row, i, false));
    }
    return group;
}

}  // namespace

ModelSnapshot ReadModelSnapshot(VoiceModel& model) {
    ModelSnapshot snapshot;
    const int rows = GroupListRows(model);
    for (int row = 0; row < rows; ++row) snapshot.groups.push_back(Group(model, row));

    if (model.HasCapability(Capability::SoundTable)) {
        SoundTable table;
        table.name = ReadSoundTableName(model).value_or("");
        // The count covers the beep and every sound.
        const int sounds = snapshot.groups[kSoundList].count.value_or(0);
        for (int i = 0; i < sounds; ++i) table.sounds.push_back(*ReadSoundEntry(model, i, false));
        snapshot.soundTable = std::move(table);
    }
    if (model.HasCapability(Capability::Messages)) {
        std::vector<MessageEntry> slots;
        for (int slot = 0; slot < kMessageSlots; ++slot)
            slots.push_back(*ReadMessageEntry(model, slot, false));
        snapshot.messages = std::move(slots);
    }
    const int words = TriggerWordCount(model);
    for (int i = 0; i < words; ++i)
        snapshot.triggerWords.push_back(*ReadTriggerWord(model, i, false));
    return snapshot;
}

}  // namespace parlix
