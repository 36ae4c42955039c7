// Reading the module into the model. Each refresh reads only what the model
// does not hold yet, so the readers never read an item twice per connection.
// Lock order: list, then entry or model, then the controller inside the read.
#include "module/Labels.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

#include <algorithm>
#include <vector>

namespace parlix {
namespace {

// The module numbers custom grammars after the built-in wordsets 0 to 3.
constexpr int kFirstCustomGrammar = 4;

int ValidCount(int count) {
    return count >= 0 && count <= kEntriesPerList ? count : 0;
}

}  // namespace

bool VoiceModel::RefreshGrammarCount(ModuleController& controller) {
    UpdateLock hold(lock_, Wait());
    int count = 0;
    if (!controller.ReadGrammarCount(count)) return false;
    const int custom = count - kFirstCustomGrammar;
    grammarCount_ = custom >= 0 && custom <= kMaxGrammars ? custom : 0;
    return true;
}

int VoiceModel::RefreshGroupCount(int list, ModuleController& controller) {
    if (list < 0 || list >= kGroupLists) return -1;
    VoiceList& owner = *ListAt(list);
    UpdateLock hold(owner.lock, Wait());
    if (owner.countKnown) return owner.count;
    int count = 0;
    if (!controller.ReadCommandCount(list, count)) return -1;
    count = ValidCount(count);
    totalCommands_ += count;
    owner.count = count;
    owner.countKnown = true;
    owner.changed = true;
    return count;
}

void VoiceModel::SetGroupEmpty(int list) {
    if (list < 0 || list >= kGroupLists) return;
    VoiceList& owner = *ListAt(list);
    UpdateLock hold(owner.lock, Wait());
    // A count that was already known is in the total; keep the total its sum.
    if (owner.countKnown) totalCommands_ -= owner.count;
    owner.count = 0;
    owner.countKnown = true;
    owner.changed = true;
}

int VoiceModel::RefreshGrammarWordCount(int grammar, ModuleController& controller) {
    if (grammar < 0 || grammar >= kMaxGrammars) return -1;
    VoiceList& owner = *ListAt(kFirstGrammarList + grammar);
    UpdateLock hold(owner.lock, Wait());
    if (owner.countKnown) return owner.count;
    int count = 0;
    if (!controller.ReadGrammarWordCount(kFirstCustomGrammar + grammar, count)) return -1;
    owner.count = ValidCount(count);
    owner.countKnown = true;
    owner.changed = true;
    return owner.count;
}

bool VoiceModel::RefreshSoundTable(ModuleController& controller) {
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(kSoundList);
    UpdateLock hold(owner.lock, wait);
    if (owner.countKnown) return true;
    std::string name;
    int sounds = 0;
    if (!controller.ReadSoundTable(name, sounds)) return false;
    VoiceEntry& entry = owner.entries[0];
    {
        UpdateLock entryHold(entry.lock, wait);
        entry.label = name;
        entry.loaded = true;
        entry.changed = true;
    }
    // Entry 0 names the table; the count covers the beep and every sound.
    owner.count = sounds + 1;
    owner.changed = true;
    return true;
}

bool VoiceModel::RefreshCommand(int list, int index, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(list, index);
    if (list < 0 || list >= kGroupLists || entry == nullptr) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    ListEntryLock hold(owner.lock, entry->lock, wait);
    if (entry->loaded) return true;
    std::string label;
    int trained = 0;
    bool hasConflict = false;
    std::int32_t conflict = kConflictNone;
    if (!controller.ReadCommand(list, index, label, trained, hasConflict, conflict)) return false;
    entry->trained = std::max(trained, 0);
    entry->conflict = hasConflict ? conflict : kConflictNone;
    entry->hasConflict = hasConflict;
    entry->label = label;
    entry->loaded = true;
    entry->changed = true;
    return true;
}

bool VoiceModel::RefreshGrammarWords(int list, ModuleController& controller) {
    if (list < kFirstGrammarList || list >= kListCount) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    VoiceEntry& first = owner.entries[0];
    {
        ListEntryLock hold(owner.lock, first.lock, wait);
        if (first.loaded) return true;
    }
    // All words come in one exchange; the list stays readable meanwhile.
    int flags = 0;
    int count = 0;
    std::vector<std::string> labels;
    if (!controller.ReadGrammarWords(list - kWordsetOffset, flags, count, labels)) return false;

    UpdateLock hold(owner.lock, wait);
    const int words = std::min(ValidCount(count), static_cast<int>(labels.size()));
    owner.count = words;
    for (int i = 0; i < words; ++i) {
        VoiceEntry& entry = owner.entries[static_cast<std::size_t>(i)];
        UpdateLock entryHold(entry.lock, wait);
        entry.label = labels[static_cast<std::size_t>(i)];
        entry.loaded = true;
        entry.changed = true;
    }
    owner.countKnown = true;
    owner.changed = true;
    return true;
}

bool VoiceModel::RefreshMessage(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(kMessageList);
    ListEntryLock hold(owner.lock, entry->lock, wait);
    if (entry->loaded) return true;
    int bits = -1;
    int length = -1;
    if (!controller.ReadMessage(slot, bits, length)) return false;
    entry->bits = bits;
    entry->length = length;
    entry->label = MessageSlotLabel(bits);
    entry->loaded = true;
    entry->changed = true;
    return true;
}

}  // namespace parlix
