// Actions on message slots: the module command first, then the slot on success.
#include "module/Labels.h"
#include "module/ModuleController.h"
#include "module/VoiceModel.h"

namespace parlix {
namespace {

constexpr int kRecordingBits = 8;
constexpr int kStartRecording = 0;
constexpr int kPollRecording = -1;

}  // namespace

bool VoiceModel::StartRecording(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return false;
    const LockWait* wait = Wait();
    UpdateLock hold(ListAt(kMessageList)->lock, wait);
    UpdateLock entryHold(entry->lock, wait);
    bool completed = false;
    if (!controller.RecordMessage(slot, kRecordingBits, kStartRecording, completed)) return false;
    entry->valueA = 0;
    entry->label = RecordingLabel();
    entry->changed = true;
    return true;
}

bool VoiceModel::PollRecording(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return true;  // nothing can be recording there
    const LockWait* wait = Wait();
    UpdateLock hold(ListAt(kMessageList)->lock, wait);
    bool completed = false;
    {
        UpdateLock entryHold(entry->lock, wait);
        controller.RecordMessage(slot, kRecordingBits, kPollRecording, completed);
        if (!completed) return false;
        entry->loaded = false;
    }
    RefreshMessage(slot, controller);
    return true;
}

bool VoiceModel::EraseMessageAt(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return false;
    const LockWait* wait = Wait();
    UpdateLock hold(ListAt(kMessageList)->lock, wait);
    UpdateLock entryHold(entry->lock, wait);
    if (!controller.EraseMessage(slot)) return false;
    entry->valueA = 0;
    entry->label = MessageSlotLabel(0);
    entry->valueB = 0;
    entry->flag = false;
    entry->loaded = true;
    entry->changed = true;
    return true;
}

bool VoiceModel::PlayMessageAt(int slot, ModuleController& controller) {
    VoiceEntry* entry = EntryAt(kMessageList, slot);
    if (entry == nullptr) return false;
    const LockWait* wait = Wait();
    UpdateLock hold(ListAt(kMessageList)->lock, wait);
    int duration = 0;
    {
        // The slot stays readable by the views while the message plays.
        UpdateLock entryHold(entry->lock, wait);
        duration = MessageDuration(entry->valueA, entry->valueB);
    }
    return controller.PlayMessage(slot, duration, 0, 0);
}

}  // namespace parlix
