// Queries and read-outs. They only try the locks: a busy object gives the
// "unknown" answer at once, so the window never waits behind a job.
#include "module/Labels.h"
#include "module/VoiceModel.h"

namespace parlix {

CVoiceEntry* CVoiceModel::EntryAt(int list, int index) {
    CVoiceList* owner = ListAt(list);
    if (owner == nullptr || index < 0 || index >= kEntriesPerList) return nullptr;
    return &owner->entries[static_cast<std::size_t>(index)];
}

int CVoiceModel::GetListCount(int list) {
    CVoiceList* owner = ListAt(list);
    if (owner == nullptr) return -1;
    CTryLock hold(owner->lock);
    if (!hold || !owner->countKnown) return -1;
    return owner->count;
}

std::optional<std::string> CVoiceModel::GetEntryLabel(int list, int index) {
    CVoiceEntry* entry = EntryAt(list, index);
    if (entry == nullptr) return std::nullopt;
    CUpdateLock hold(entry->lock, Wait());
    if (!entry->loaded) return std::nullopt;
    return entry->label;
}

bool CVoiceModel::IsEntryLoaded(int list, int index) {
    CVoiceEntry* entry = EntryAt(list, index);
    if (entry == nullptr) return false;
    CTryLock hold(entry->lock);
    return hold && entry->loaded;
}

bool CVoiceModel::IsListLoaded(int list) {
    CVoiceList* owner = ListAt(list);
    if (owner == nullptr) return false;
    CTryLock hold(owner->lock);
    if (!hold || !owner->countKnown) return false;
    for (int i = 0; i < owner->EntriesInUse(); ++i) {
        CVoiceEntry& entry = owner->entries[static_cast<std::size_t>(i)];
        CTryLock entryHold(entry.lock);
        if (!entryHold || !entry.loaded) return false;
    }
    return true;
}

bool CVoiceModel::AreGroupsLoaded() {
    CTryLock hold(lock_);
    if (!hold) return false;
    for (int n = 0; n < kGroupLists; ++n)
        if (!IsListLoaded(n)) return false;
    return true;
}

bool CVoiceModel::IsLabelUnique(int list, int index, const std::string& label) {
    CVoiceList* owner = ListAt(list);
    if (owner == nullptr) return false;
    CTryLock hold(owner->lock);
    if (!hold || !owner->countKnown) return false;
    // The module compares what it stores, so typed text ("room2") is compared
    // in the form it will be sent in ("ROOM^C").
    const std::string wanted = EncodeLabel(label);
    for (int i = 0; i < owner->EntriesInUse(); ++i) {
        if (i == index) continue;
        CVoiceEntry& entry = owner->entries[static_cast<std::size_t>(i)];
        CTryLock entryHold(entry.lock);
        if (!entryHold) return false;
        if (entry.loaded && !entry.label.empty() && entry.label == wanted) return false;
    }
    return true;
}

bool CVoiceModel::HasTrainedCommand(int list) {
    CVoiceList* owner = ListAt(list);
    if (owner == nullptr) return false;
    CTryLock hold(owner->lock);
    if (!hold) return false;
    for (int i = 0; i < owner->EntriesInUse(); ++i) {
        CVoiceEntry& entry = owner->entries[static_cast<std::size_t>(i)];
        CTryLock entryHold(entry.lock);
        if (entryHold && entry.valueA > 0) return true;
    }
    return false;
}

bool CVoiceModel::CanAddCommand() {
    for (int n = 0; n < kGroupLists; ++n) {
        CVoiceList& list = *ListAt(n);
        CTryLock hold(list.lock);
        if (!hold || !list.countKnown) return false;
    }
    return totalCommands_.load() < kMaxCommands;
}

int CVoiceModel::GetMessageDuration(int slot) {
    CVoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return -1;
    CTryLock hold(entry->lock);
    if (!hold) return -1;
    return MessageDuration(entry->valueA, entry->valueB);
}

std::optional<EntrySnapshot> CVoiceModel::TryReadEntry(int list, int index, bool takeChanged) {
    CVoiceEntry* entry = EntryAt(list, index);
    if (entry == nullptr) return std::nullopt;
    CTryLock hold(entry->lock);
    if (!hold) return std::nullopt;
    return EntrySnapshot{
        entry->loaded, entry->label,
        entry->valueA, entry->valueB,
        entry->flag,   takeChanged ? entry->changed.exchange(false) : entry->changed.load()};
}

std::optional<ListSnapshot> CVoiceModel::TryReadList(int list, bool takeChanged) {
    CVoiceList* owner = ListAt(list);
    if (owner == nullptr) return std::nullopt;
    CTryLock hold(owner->lock);
    if (!hold) return std::nullopt;
    return ListSnapshot{owner->countKnown, owner->fixedEntries, owner->count,
                        takeChanged ? owner->changed.exchange(false) : owner->changed.load()};
}

}  // namespace parlix
