// Queries and read-outs. They only try the locks: a busy object gives the
// "unknown" answer at once, so the window never waits behind a job.
#include "module/Labels.h"
#include "module/VoiceModel.h"

namespace parlix {

VoiceEntry* VoiceModel::EntryAt(int list, int index) {
    VoiceList* owner = ListAt(list);
    if (owner == nullptr || index < 0 || index >= kEntriesPerList) return nullptr;
    return &owner->entries[static_cast<std::size_t>(index)];
}

int VoiceModel::GetListCount(int list) {
    VoiceList* owner = ListAt(list);
    if (owner == nullptr) return -1;
    TryLock hold(owner->lock);
    if (!hold || !owner->countKnown) return -1;
    return owner->count;
}

std::optional<std::string> VoiceModel::GetEntryLabel(int list, int index) {
    VoiceEntry* entry = EntryAt(list, index);
    if (entry == nullptr) return std::nullopt;
    UpdateLock hold(entry->lock, Wait());
    if (!entry->loaded) return std::nullopt;
    return entry->label;
}

bool VoiceModel::IsEntryLoaded(int list, int index) {
    VoiceEntry* entry = EntryAt(list, index);
    if (entry == nullptr) return false;
    TryLock hold(entry->lock);
    return hold && entry->loaded;
}

bool VoiceModel::IsListLoaded(int list) {
    VoiceList* owner = ListAt(list);
    if (owner == nullptr) return false;
    TryLock hold(owner->lock);
    if (!hold || !owner->countKnown) return false;
    for (int i = 0; i < owner->EntriesInUse(); ++i) {
        VoiceEntry& entry = owner->entries[static_cast<std::size_t>(i)];
        TryLock entryHold(entry.lock);
        if (!entryHold || !entry.loaded) return false;
    }
    return true;
}

bool VoiceModel::AreGroupsLoaded() {
    TryLock hold(lock_);
    if (!hold) return false;
    for (int n = 0; n < kGroupLists; ++n)
        if (!IsListLoaded(n)) return false;
    return true;
}

bool VoiceModel::IsLabelUnique(int list, int index, const std::string& label) {
    VoiceList* owner = ListAt(list);
    if (owner == nullptr) return false;
    TryLock hold(owner->lock);
    if (!hold || !owner->countKnown) return false;
    // The module compares what it stores, so typed text ("room2") is compared
    // in the form it will be sent in ("ROOM^C").
    const std::string wanted = EncodeLabel(label);
    for (int i = 0; i < owner->EntriesInUse(); ++i) {
        if (i == index) continue;
        VoiceEntry& entry = owner->entries[static_cast<std::size_t>(i)];
        TryLock entryHold(entry.lock);
        if (!entryHold) return false;
        if (entry.loaded && !entry.label.empty() && entry.label == wanted) return false;
    }
    return true;
}

bool VoiceModel::HasTrainedCommand(int list) {
    VoiceList* owner = ListAt(list);
    if (owner == nullptr) return false;
    TryLock hold(owner->lock);
    if (!hold) return false;
    for (int i = 0; i < owner->EntriesInUse(); ++i) {
        VoiceEntry& entry = owner->entries[static_cast<std::size_t>(i)];
        TryLock entryHold(entry.lock);
        if (entryHold && entry.trained > 0) return true;
    }
    return false;
}

bool VoiceModel::CanAddCommand() {
    for (int n = 0; n < kGroupLists; ++n) {
        VoiceList& list = *ListAt(n);
        TryLock hold(list.lock);
        if (!hold || !list.countKnown) return false;
    }
    return totalCommands_.load() < kMaxCommands;
}

int VoiceModel::GetMessageDuration(int slot) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return -1;
    TryLock hold(entry->lock);
    if (!hold) return -1;
    return MessageDuration(entry->bits, entry->length);
}

std::optional<EntrySnapshot> VoiceModel::TryReadEntry(int list, int index, bool takeChanged) {
    VoiceEntry* entry = EntryAt(list, index);
    if (entry == nullptr) return std::nullopt;
    TryLock hold(entry->lock);
    if (!hold) return std::nullopt;
    return EntrySnapshot{
        entry->loaded,      entry->label,
        entry->trained,     entry->conflict,
        entry->hasConflict, entry->bits,
        entry->length,      takeChanged ? entry->changed.exchange(false) : entry->changed.load()};
}

std::optional<ListSnapshot> VoiceModel::TryReadList(int list, bool takeChanged) {
    VoiceList* owner = ListAt(list);
    if (owner == nullptr) return std::nullopt;
    TryLock hold(owner->lock);
    if (!hold) return std::nullopt;
    return ListSnapshot{owner->countKnown, owner->fixedEntries, owner->count,
                        takeChanged ? owner->changed.exchange(false) : owner->changed.load()};
}

}  // namespace parlix
