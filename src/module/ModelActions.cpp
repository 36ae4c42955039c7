// Actions on commands: the module command first, then the model on success.
// Conflict values point at command positions, so every move of a command is
// mirrored in the conflicts of the others.
#include "module/Labels.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

namespace parlix {
namespace {

bool IsGroup(int list) {
    return list >= 0 && list < kGroupLists;
}
bool IsEntryIndex(int index) {
    return index >= 0 && index < kEntriesPerList;
}

// Every entry of a list, held for a renumbering so that no view reads it half done.
class AllEntriesLock {
  public:
    AllEntriesLock(VoiceList& list, const LockWait* wait) : list_(list) {
        for (VoiceEntry& entry : list_.entries) entry.lock.Enter(wait);
    }
    ~AllEntriesLock() {
        for (auto it = list_.entries.rbegin(); it != list_.entries.rend(); ++it) it->lock.Leave();
    }
    AllEntriesLock(const AllEntriesLock&) = delete;
    AllEntriesLock& operator=(const AllEntriesLock&) = delete;

  private:
    VoiceList& list_;
};

VoiceEntry& At(VoiceList& list, int index) {
    return list.entries[static_cast<std::size_t>(index)];
}

void SetNoConflict(VoiceEntry& entry) {
    entry.conflict = kConflictNone;
    entry.hasConflict = false;
    entry.changed = true;
}

}  // namespace

void VoiceModel::EraseTrainingInModel(VoiceList& list, int index) {
    VoiceEntry& erased = At(list, index);
    erased.trained = 0;
    SetNoConflict(erased);
    for (int k = 0; k < list.EntriesInUse(); ++k) {
        VoiceEntry& other = At(list, k);
        if (k != index && other.hasConflict && other.conflict == index) SetNoConflict(other);
    }
}

bool VoiceModel::InsertCommand(int list, int index, ModuleController& controller) {
    if (!IsGroup(list)) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    UpdateLock hold(owner.lock, wait);
    // The model mirrors only an insert into a list it knows, with room left.
    if (!owner.countKnown || index < 0 || index > owner.count || owner.count >= kEntriesPerList)
        return false;
    if (!controller.CreateCommand(list, index)) return false;

    AllEntriesLock entries(owner, wait);
    for (int k = owner.count; k > index; --k) At(owner, k).CopyFrom(At(owner, k - 1));
    VoiceEntry& created = At(owner, index);
    created.Clear();
    created.conflict = kConflictNone;
    created.loaded = true;
    owner.count += 1;
    owner.changed = true;
    totalCommands_ += 1;
    for (int k = 0; k < owner.count; ++k) {
        VoiceEntry& other = At(owner, k);
        if (k != index && other.hasConflict && other.conflict >= index) {
            other.conflict += 1;
            other.changed = true;
        }
    }
    return true;
}

bool VoiceModel::RemoveCommandAt(int list, int index, ModuleController& controller) {
    if (!IsGroup(list)) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    UpdateLock hold(owner.lock, wait);
    if (!owner.countKnown || index < 0 || index >= owner.EntriesInUse()) return false;
    if (!controller.RemoveCommand(list, index)) return false;

    AllEntriesLock entries(owner, wait);
    EraseTrainingInModel(owner, index);
    const int oldCount = owner.count;
    owner.count -= 1;
    for (int k = index; k < owner.count; ++k) At(owner, k).CopyFrom(At(owner, k + 1));
    // The last position is now beyond the count; it must not keep a copy.
    At(owner, oldCount - 1).Clear();
    owner.changed = true;
    totalCommands_ -= 1;
    for (int k = 0; k < owner.count; ++k) {
        VoiceEntry& other = At(owner, k);
        if (other.hasConflict && other.conflict > index) {
            other.conflict -= 1;
            other.changed = true;
        }
    }
    return true;
}

bool VoiceModel::EraseTraining(int list, int index, ModuleController& controller) {
    if (!IsGroup(list) || !IsEntryIndex(index)) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    UpdateLock hold(owner.lock, wait);
    if (!controller.EraseCommand(list, index)) return false;
    AllEntriesLock entries(owner, wait);
    EraseTrainingInModel(owner, index);
    return true;
}

std::int32_t VoiceModel::TrainEntry(int list, int index, ModuleController& controller) {
    std::int32_t conflict = kConflictIncomplete;
    if (!IsGroup(list) || !IsEntryIndex(index)) return conflict;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    VoiceEntry& entry = At(owner, index);
    ListEntryLock hold(owner.lock, entry.lock, wait);
    int error = 0;
    // A training that found a similar command succeeded too.
    if (!controller.TrainCommand(list, index, conflict, error)) return conflict;
    entry.trained += 1;
    entry.conflict = conflict;
    entry.hasConflict = HasConflict(conflict);
    entry.changed = true;
    return conflict;
}

std::int32_t VoiceModel::RecognizeInList(int list, ModuleController& controller) {
    const bool group = IsGroup(list);
    const bool words = list >= kFirstWordsetList && list < kListCount;
    if (!group && !words) return -1;
    VoiceList& owner = *ListAt(list);
    UpdateLock hold(owner.lock, Wait());
    std::int32_t result = kConflictIncomplete;
    const bool recognized = group ? controller.RecognizeCommand(list, result)
                                  : controller.RecognizeWord(list - kWordsetOffset, result);
    return recognized ? result : kConflictIncomplete;
}

bool VoiceModel::RenameEntry(int list, int index, const std::string& label,
                             ModuleController& controller) {
    if (!IsGroup(list) || !IsEntryIndex(index)) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    VoiceEntry& entry = At(owner, index);
    ListEntryLock hold(owner.lock, entry.lock, wait);
    std::string sent = EncodeLabel(label);
    if (!controller.RenameCommand(list, index, sent)) return false;
    entry.label = sent;
    entry.changed = true;
    return true;
}

bool VoiceModel::ImportEntry(int list, int index, const std::string& data,
                             ModuleController& controller) {
    if (!IsGroup(list) || !IsEntryIndex(index)) return false;
    const LockWait* wait = Wait();
    VoiceList& owner = *ListAt(list);
    VoiceEntry& entry = At(owner, index);
    ListEntryLock hold(owner.lock, entry.lock, wait);
    // Whatever happens next, the command is read again from the module.
    entry.Clear();
    if (!controller.ImportCommandData(list, index, data)) return false;
    std::int32_t conflict = kConflictNone;
    int error = 0;
    return controller.VerifyCommand(list, index, conflict, error);
}

}  // namespace parlix
